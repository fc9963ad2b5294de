#include "app/main_link_host.h"

#include "measure/status_text.h"

namespace vrx {

MainTimer toMainTimer(LinkTimer timer) {
    switch (timer) {
    case LinkTimer::Scan: return MainTimer::Scan;
    case LinkTimer::Com: return MainTimer::Com;
    case LinkTimer::View: return MainTimer::View;
    case LinkTimer::Graph: return MainTimer::Graph;
    case LinkTimer::ShutDown: return MainTimer::ShutDown;
    }
    return MainTimer::Com;
}

MainLinkHost::MainLinkHost(MainProgram& program, MainView& view, SharedReport& report, BalloonTip& balloons)
    : m_program(program), m_view(view), m_report(report), m_balloons(balloons) {}

void MainLinkHost::logError(const std::string& name, int number, const std::string& description) {
    m_program.errorLog().LogError(name, std::to_string(number), description);
}

void MainLinkHost::saveSystemFile() { m_program.saveSystemFile(); }
void MainLinkHost::rearrangeLayout() {
    // Rows that the new controller type adds get their names too.
    if (m_program.mPcbForm()) m_program.fillNameBoxes(m_program.settings().sys.BoardType);
}
void MainLinkHost::setTimerEnabled(LinkTimer timer, bool enabled) { m_view.setTimerEnabled(toMainTimer(timer), enabled); }
void MainLinkHost::showLinkState(const LinkStateView& state) {
    m_view.setLinkStatus(state.statusLabel);
    if (onLinkState) onLinkState(state);
}

void MainLinkHost::showBalloon(const std::string& text, const std::string& title, BalloonIcon icon, int seconds) {
    const int ms = m_balloons.gTrayBalloonTip(text, title, icon, seconds <= 1);
    if (ms > 0 && scheduleBalloonExpiry) scheduleBalloonExpiry(ms);
}

void MainLinkHost::statusFrameAccepted(const RawStatusFrame&) { mChangeData(m_program.settings(), m_program.state()); }

void MainLinkHost::publishReport(const RawStatusFrame& raw, int sequenceDigit) {
    m_report.publishFrame(raw, sequenceDigit, m_program.settings().sys.ShareMemory);
}

void MainLinkHost::displayOff() {
    m_program.mDisplayOff();
    if (onLinkLost) onLinkLost();
}

void MainLinkHost::setVersionLabel(const std::string& text) { m_view.setVersionLabel(text); }

} // namespace vrx
