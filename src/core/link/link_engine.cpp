#include "link/link_engine.h"

#include "diag/messages.h"

#include <exception>

#include "link/link_error.h"
#include "link/link_log.h"
#include "text/format.h"

namespace vrx {

LinkEngine::LinkEngine(Settings& settings, ControllerState& controller, SerialPort& port, const Clock& clock,
                       LinkHost& host, std::string appDir)
    : m_settings(settings), m_controller(controller), m_port(port), m_clock(clock), m_host(host),
      m_appDir(std::move(appDir)) {}

void LinkEngine::ResetLinkState() {
    m_state.reset();
}

bool LinkEngine::PortExists(int port) {
    try {
        if (m_port.isOpen()) m_port.close();
        m_port.setPortNumber(port);
        m_port.open();
        const bool open = m_port.isOpen();
        m_port.close();
        return open;
    } catch (const SerialAccessDenied& e) {
        accessDenied("FrmMain.ListComPorts", e);
        return false;
    } catch (const std::exception&) {
        return false;
    }
}

void LinkEngine::ListComPorts() {
    auto& list = m_state.PortList;
    list.fill(0);
    std::int16_t count = 0;
    for (int port = 1; port <= 255; ++port) {
        if (m_candidates && !m_candidates(port)) continue;
        if (PortExists(port)) list[static_cast<std::size_t>(++count)] = static_cast<std::int16_t>(port);
    }
    list[0] = count;
}

void LinkEngine::SendControlFrame() {
    ControlFrame frame = controlFrameBytes(m_controller.ControlBytes);
    // A muted alarm keeps the controller's beeper silent on every frame, not only on polled ones.
    if (frame[ct::Beeper] == 1 && m_settings.sys.AlarmMute == kTrue) frame[ct::Beeper] = 2;
    sealControlFrame(frame);
    m_port.write(Bytes(frame.begin(), frame.end()));
    m_state.BeeperOn = frame[ct::Beeper] == 1;
}

void LinkEngine::mComActOn() {
    m_state.ScanAttempts = 0;
    try {
        m_host.saveSystemFile();
        if (m_settings.sys.BoardType != m_controller.LayoutBoardType) {
            m_controller.LayoutBoardType = m_settings.sys.BoardType;
            m_host.rearrangeLayout();
        }
    } catch (const std::exception& e) {
        logError("FrmMain.mComActOn", kErrInvalidValue, e.what());
    }
    // The timers follow the link even when saving or the layout failed, or the link would be up
    // with nothing polling it.
    if (timerRunning(LinkTimer::Scan)) setTimer(LinkTimer::Scan, false);
    setTimer(LinkTimer::Com, true);
    setTimer(LinkTimer::View, true);
    setTimer(LinkTimer::Graph, true);
    setTimer(LinkTimer::ShutDown, true);
}

void LinkEngine::LinkOff() {
    m_state.MissedPolls = 0;
    m_state.VersionLabelFilled = false;
    m_state.FrameSinceLinkOff = false;
    comPort() = 0;
    ShowLinkState("SCAN");
    try {
        m_host.displayOff();
    } catch (const std::exception& e) {
        logError("FrmMain.mDisplayOff", kErrInvalidValue, e.what());
    }
    for (std::size_t i = 2; i <= 21; ++i)
        m_controller.StatusText[i].clear();
    balloon("COMM PORT OFF", BalloonIcon::Warning);
    setTimer(LinkTimer::Com, false);
    setTimer(LinkTimer::View, false);
    setTimer(LinkTimer::Graph, false);
    setTimer(LinkTimer::ShutDown, false);
    setTimer(LinkTimer::Scan, true);
}

void LinkEngine::ShowLinkState(const std::string& state) {
    LinkStateView view;
    view.state = state;
    if (state == "SCAN") {
        view.statusLabel = "COM Port Scanning...";
        view.optionsPortLabel = "Scanning...";
        view.scanCaption = "Stop";
    } else if (state == "OFF") {
        view.statusLabel = "COM OFF";
        view.optionsPortLabel = "OFF";
        view.scanCaption = "Scan";
        comPort() = 0;
        // Past the budget, so a scan restarted by a later link loss ends at its first tick.
        m_state.ScanAttempts = 60;
    } else if (state == "ON") {
        view.statusLabel = "COM " + std::to_string(comPort());
        view.optionsPortLabel = "ON";
        view.scanCaption = "Stop";
        view.portBox = comPort();
        m_state.ScanAttempts = 0;
    } else {
        return;
    }
    m_shownState = state;
    try {
        m_host.showLinkState(view);
    } catch (const std::exception& e) {
        logError("FrmMain.ShowLinkState", kErrInvalidValue, e.what());
    }
}

void LinkEngine::StartScan() {
    cancelProbe();
    m_state.ScanAttempts = 0;
    ShowLinkState("SCAN");
    ListComPorts();
    if (!timerRunning(LinkTimer::Scan)) setTimer(LinkTimer::Scan, true);
}

bool LinkEngine::restartScanIfOff() {
    // While scanning or linked the key would only disturb the link.
    if (m_shownState != "OFF") return false;
    StartScan();
    return true;
}

void LinkEngine::StopLink() {
    cancelProbe();
    comPort() = 0;
    if (timerRunning(LinkTimer::Scan)) setTimer(LinkTimer::Scan, false);
    ShowLinkState("OFF");
}

void LinkEngine::AppendLogLine(const std::string& line, const std::string& name) {
    vrx::AppendLogLine(m_appDir, line, name);
}

std::string LinkEngine::pollErrorName(const LocalDateTime& time, int comPort) {
    return formatLongTime(time) + ":r-com:" + std::to_string(comPort) + " L:0";
}

std::string LinkEngine::versionLabelText() const {
    // The leading text is the catalogue's, so the label and the message can never differ.
    return MessageText(100) + " v." + VRX_VERSION_TEXT + " f" +
           std::to_string(m_controller.StatusBytes[st::Firmware]) + ".";
}

void LinkEngine::setTimer(LinkTimer timer, bool enabled) {
    m_timers[static_cast<std::size_t>(timer)] = enabled;
    m_host.setTimerEnabled(timer, enabled);
}

void LinkEngine::balloon(const std::string& text, BalloonIcon icon) {
    try {
        m_host.showBalloon(text, kLinkBalloonTitle, icon, 5);
    } catch (const std::exception& e) {
        logError("ModTray.gTrayBalloonTip", kErrInvalidValue, e.what());
    }
}

void LinkEngine::accessDenied(const std::string& procedure, const SerialAccessDenied& e) {
    if (m_accessHintGiven) return;
    m_accessHintGiven = true;
    logError(procedure, kErrPermission, std::string(e.what()) + ". " + kPortAccessHint);
    balloon(std::string(e.what()) + ".\n" + kPortAccessHint, BalloonIcon::Warning);
}

void LinkEngine::logError(const std::string& name, int number, const std::string& description) {
    try {
        m_host.logError(name, number, description);
    } catch (const std::exception&) {
        // The error log reports its own failures; the link goes on regardless.
    }
}

} // namespace vrx
