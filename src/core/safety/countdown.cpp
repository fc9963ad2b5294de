#include "safety/countdown.h"

#include "diag/messages.h"
#include "link/control_frame.h"
#include "safety/shutdown_rules.h"

namespace vrx {

int countdownSeconds(Int16 shutdownDelay) {
    return shutdownDelay >= 1 && shutdownDelay <= kMaxShutdownDelay ? shutdownDelay : kMaxShutdownDelay;
}

void Countdown::Form_Load(int source) {
    m_source = source;
    m_label2 = shutdownSourceText(m_c.settings, source);
    m_countDown = countdownSeconds(m_c.settings.sys.ShutdownDelay);
    m_running = true;
}

void Countdown::Timer1_Timer() {
    if (!m_running) return;
    --m_countDown;
    if (m_countDown < 0) {
        mPowerOff();
        return;
    }
    // Only a reading back inside the limit ends the countdown; a lost reading or a limit text
    // that no longer reads as a number leaves it running.
    if (shutdownRule(m_c.settings, m_c.state, m_source).verdict == Verdict::Inside) {
        setLatch(0);
        unload();
        return;
    }
    m_c.host.updateCountdown();
}

void Countdown::okClick() {
    if (m_running) mPowerOff();
}

void Countdown::cancelClick() {
    if (!unload()) return;
    switchShutdownRuleOff(m_c.settings, m_source);
    // Withdraws the power-off request only when no other channel still holds it.
    gShutdownClear(m_c.safety, m_c.state, m_source);
    m_c.host.saveSystemFile();
}

void Countdown::escape() {
    unload();
}

void Countdown::abandon() {
    unload();
}

void Countdown::mPowerOff() {
    if (m_exited) return;
    if (m_c.settings.sys.ShutdownAction != 0)
        softwarePowerOff();
    else
        hardwarePowerOff();
}

void Countdown::mClearLatch() {
    m_c.safety.ShutdownLatch.fill(0);
}

void Countdown::setLatch(Int16 value) {
    if (m_source >= 0 && m_source < kShutdownIndexes)
        m_c.safety.ShutdownLatch[static_cast<std::size_t>(m_source)] = value;
}

bool Countdown::unload() {
    if (!m_running) return false;
    m_running = false;
    m_c.host.closeCountdown();
    return true;
}

void Countdown::softwarePowerOff() {
    const PowerOffLine line = powerOffLine(m_c.settings, m_c.state, m_source);
    mClearLatch();
    m_c.gShutdownLog.write(line.kind, line.channel, line.value, "Software Power Off");
    unload();
    std::string reason;
    if (m_c.powerOff.requestPowerOff(reason)) {
        m_exited = true;
        m_c.host.exitProgram();
        return;
    }
    // The computer stays on, so the program must too: it keeps watching, and the next check may
    // start a new countdown.
    if (reason.empty()) reason = "no reason given";
    m_c.host.logError("clsEndWin.ExitWindows", "power-off refused: " + reason);
    m_c.host.showMessage(kGeneralTitle, "The computer could not be powered off: " + reason +
                                            "\nThe program keeps monitoring the controller.");
    m_c.host.showBalloon("Power off failed: " + reason, BalloonIcon::Warning);
}

void Countdown::hardwarePowerOff() {
    const PowerOffLine line = powerOffLine(m_c.settings, m_c.state, m_source);
    m_c.gShutdownLog.write(line.kind, line.channel, line.value, "Hardware Power Off");
    mClearLatch();
    setLatch(-1);
    m_c.state.ControlBytes[ct::PowerOff] = kPowerOffRequested;
    unload();
}

} // namespace vrx
