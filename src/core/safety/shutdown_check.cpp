#include "safety/shutdown_check.h"

#include <algorithm>

#include "link/control_frame.h"

namespace vrx {

namespace {

constexpr int kMaxTempChannels = 10, kMaxPumps = 2;

std::string badLimitText(const Settings& settings, int index) {
    const bool flow = index < kShutdownPump;
    const int j = index - (flow ? kShutdownFlow : kShutdownPump);
    const auto& texts = flow ? settings.pump.FlowShutdownLimit : settings.pump.PumpShutdownLimit;
    return std::string("The shutdown limit of ") + (flow ? "flow meter " : "pump ") + std::to_string(j + 1) +
           " is not a number: \"" + texts.at(static_cast<std::size_t>(j)) +
           "\". Its shutdown rule is off until the limit is corrected.";
}

} // namespace

void ShutdownCheck::TimerShutDown_Timer() {
    if (m_pumpTestRunning || m_countdown.exited()) return;
    const int boardType = m_c.settings.sys.BoardType;
    const int temps = std::clamp(boardType * 5, 0, kMaxTempChannels);
    for (int i = 0; i < temps; ++i) {
        if (!shutdownRuleOn(m_c.settings, i)) continue;
        const RuleReading r = temperatureRule(m_c.state, i);
        if (apply(i, r, {"T", i + 1, r.reading, r.limit})) return;
    }
    const int pumps = std::clamp(boardType, 0, kMaxPumps);
    for (int j = 0; j < pumps; ++j) {
        const int pump = kShutdownPump + j, flow = kShutdownFlow + j;
        if (shutdownRuleOn(m_c.settings, pump)) {
            const RuleReading r = pumpRule(m_c.settings, m_c.state, j);
            if (apply(pump, r, {"P", j + 1, r.limit, r.reading})) return;
        } else {
            noteBadLimit(pump, false);
        }
        if (shutdownRuleOn(m_c.settings, flow)) {
            const RuleReading r = flowRule(m_c.settings, m_c.state, j);
            if (apply(flow, r, {"F", j + 1, r.limit, r.reading})) return;
        } else {
            noteBadLimit(flow, false);
        }
    }
}

bool ShutdownCheck::apply(int index, const RuleReading& rule, const LogLine& line) {
    noteBadLimit(index, rule.verdict == Verdict::BadLimit);
    switch (rule.verdict) {
    case Verdict::Passed:
        return trigger(index, line);
    case Verdict::Inside:
        gShutdownClear(index);
        return false;
    case Verdict::NoReading:
    case Verdict::BadLimit:
        return false;
    }
    return false;
}

bool ShutdownCheck::trigger(int index, const LogLine& line) {
    // The running countdown keeps its source, so Cancel switches off the rule it was started for.
    if (m_countdown.running()) return false;
    m_c.safety.ShutdownSource = static_cast<Int16>(index);
    if (m_c.safety.ShutdownLatch.at(static_cast<std::size_t>(index)) == -1) return false;
    m_countdown.Form_Load(index);
    m_c.gShutdownLog.write(line.kind, line.channel, shortestNumber(line.first), shortestNumber(line.second));
    // Shown even when a hardware power-off is already requested for another channel: a countdown
    // that will act must be visible and cancellable.
    m_c.host.showCountdown(m_c.settings.sys.AlwaysOnTop == -1);
    return true;
}

void ShutdownCheck::noteBadLimit(int index, bool bad) {
    bool& shown = m_badLimitShown.at(static_cast<std::size_t>(index));
    if (!bad) {
        shown = false;
        return;
    }
    if (shown) return;
    shown = true;
    const std::string text = badLimitText(m_c.settings, index);
    m_c.host.logError("FrmMain.TimerShutDown_Timer", text);
    m_c.host.showBalloon(text, BalloonIcon::Warning);
}

void ShutdownCheck::gShutdownClear(int index) {
    vrx::gShutdownClear(m_c.safety, m_c.state, index);
}

void ShutdownCheck::linkLost() {
    m_countdown.abandon();
    m_countdown.mClearLatch();
    m_c.state.ControlBytes[ct::PowerOff] = kPowerOffNone;
}

} // namespace vrx
