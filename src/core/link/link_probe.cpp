// Finding the controller: the identify probe, the scan timer and the start-up attempt.
#include <exception>

#include "link/link_engine.h"
#include "link/link_error.h"
#include "link/link_log.h"

namespace vrx {

LinkEngine::ProbeStart LinkEngine::ProbePort(int port, ProbeVariant variant) {
    m_probe = Probe{};
    m_probe.port = port;
    m_probe.variant = variant;
    m_probe.startTime = m_clock.now();
    m_probe.startSecond = wholeSecond();
    if (variant == ProbeVariant::Scan) comPort() = 0;
    try {
        if (m_port.isOpen()) m_port.close();
        m_port.setPortNumber(port);
        m_port.open();
        // Flushed once open: on this platform a closed port has no buffers to empty, and stale
        // bytes from the device must not be taken for the reply.
        m_port.discardInput();
        m_port.discardOutput();
        m_port.write(Bytes(CmdIdentify.begin(), CmdIdentify.end()));
    } catch (const SerialAccessDenied& e) {
        accessDenied("FrmMain.ProbePort", e);
        return ProbeStart::Failed;
    } catch (const std::exception&) {
        // The port stays as it is; the next probe closes it.
        return ProbeStart::Failed;
    }
    m_probe.active = true;
    return ProbeStart::Pending;
}

void LinkEngine::probeTick() {
    if (!m_probe.active) return;
    bool ok = false;
    try {
        if (m_port.bytesWaiting() > 39) {
            m_probe.active = false;
            ok = acceptReply(m_port.readAll());
        } else if (wholeSecond() >= m_probe.startSecond + 1) {
            m_probe.active = false;
        }
    } catch (const std::exception&) {
        m_probe.active = false;
        ok = false;
    }
    if (!m_probe.active) finishProbe(ok);
}

bool LinkEngine::acceptReply(const Bytes& reply) {
    if (!isIdentifyReply(reply)) return false;
    const int board = identifyBoardType(reply);
    if (board != 1 && board != 2) {
        // Another controller type has no layout; taking it would send the window into its
        // failure path, which replaces the user's settings by defaults.
        logError("FrmMain.ProbePort", kErrInvalidValue,
                 "Unsupported controller type " + std::to_string(board) + " on COM" +
                     std::to_string(m_probe.port));
        return false;
    }
    comPort() = static_cast<std::int16_t>(m_probe.port);
    m_settings.sys.BoardType = static_cast<std::int16_t>(board);
    m_controller.StatusBytes[st::BoardType] = static_cast<std::int16_t>(board);
    if (m_probe.variant == ProbeVariant::Scan) mComActOn();
    ShowLinkState("ON");
    balloon("COMM PORT ON", BalloonIcon::Information);
    if (m_probe.variant == ProbeVariant::Startup) mComActOn();
    try {
        AppendLogLine(reqLogLine(m_probe.startTime, m_probe.port, reply), "req");
    } catch (const std::exception& e) {
        // The link is up and running; a log that cannot be written must not undo that.
        logError("FrmMain.ProbePort", kErrPortIo, e.what());
    }
    return true;
}

void LinkEngine::finishProbe(bool ok) {
    const ProbeOwner owner = m_owner;
    if (owner == ProbeOwner::Startup) {
        m_owner = ProbeOwner::None;
        if (ok)
            sendAfterLink("FrmMain.Form_Load");
        else
            startupFailed();
    } else if (owner == ProbeOwner::ScanList && !ok) {
        advanceScanPass();
    } else if (owner != ProbeOwner::None) {
        m_owner = ProbeOwner::None;
        if (ok) sendAfterLink("FrmMain.TimerScan_Timer");
    }
}

void LinkEngine::sendAfterLink(const char* procedure) {
    try {
        SendControlFrame();
    } catch (const LinkError& e) {
        logError(procedure, e.number(), e.what());
    } catch (const std::exception& e) {
        logError(procedure, kErrPortIo, e.what());
    }
}

void LinkEngine::startupLink() {
    cancelProbe();
    ListComPorts();
    const bool fixed = m_settings.sys.FixedComPort >= 1;
    const int port = fixed ? m_settings.sys.FixedComPort : m_state.PreviousComPort;
    m_owner = ProbeOwner::Startup;
    if (ProbePort(port, ProbeVariant::Startup) == ProbeStart::Failed) finishProbe(false);
}

void LinkEngine::startupFailed() {
    ShowLinkState("SCAN");
    if (m_settings.sys.FixedComPort < 1 && m_state.PortList[0] == 0)
        ShowLinkState("OFF");
    else
        setTimer(LinkTimer::Scan, true);
}

void LinkEngine::TimerScan_Timer() {
    try {
        m_state.ScanAttempts += 1;
        if (m_state.ScanAttempts >= kScanBudget) {
            cancelProbe();
            setTimer(LinkTimer::Scan, false);
            ShowLinkState("OFF");
            return;
        }
        // A pass started by an earlier tick is still waiting for a reply: this tick only counts.
        if (scanPassActive()) return;
        if (m_settings.sys.FixedComPort < 1) {
            ListComPorts();
            const auto count = static_cast<std::size_t>(m_state.PortList[0]);
            m_passPorts.assign(m_state.PortList.begin() + 1, m_state.PortList.begin() + 1 + count);
            m_passNext = 0;
            m_owner = ProbeOwner::ScanList;
            advanceScanPass();
        } else {
            m_owner = ProbeOwner::ScanFixed;
            if (ProbePort(m_settings.sys.FixedComPort, ProbeVariant::Startup) == ProbeStart::Failed)
                m_owner = ProbeOwner::None;
        }
    } catch (const std::exception& e) {
        m_state.ScanAttempts += 1;
        m_owner = ProbeOwner::None;
        logError("FrmMain.TimerScan_Timer", kErrPortIo, e.what());
    }
}

void LinkEngine::advanceScanPass() {
    while (m_passNext < m_passPorts.size()) {
        const int port = m_passPorts[m_passNext++];
        if (ProbePort(port, ProbeVariant::Scan) == ProbeStart::Pending) return;
    }
    m_owner = ProbeOwner::None;
}

void LinkEngine::cancelProbe() {
    m_probe.active = false;
    m_owner = ProbeOwner::None;
    m_passPorts.clear();
    m_passNext = 0;
}

} // namespace vrx
