#include "safety/shutdown_rules.h"

#include <algorithm>

#include "link/control_frame.h"
#include "link/status_frame.h"
#include "measure/flow.h"
#include "measure/number_value.h"
#include "measure/temperature.h"
#include "text/format.h"

namespace vrx {

namespace {

bool isShutdownIndex(int index) {
    return index >= 0 && index < kShutdownIndexes;
}

std::size_t at(int n) {
    return static_cast<std::size_t>(n);
}

// A pump or flow rule: passed while the reading is at or below the limit. A bad limit is reported
// before a missing reading, so a mistyped limit is found even while the link is still quiet.
RuleReading atOrBelowLimit(const std::string& limitText, const std::string& readingText, bool toGallons) {
    RuleReading r;
    const auto limit = numberValue(limitText);
    if (!limit) {
        r.verdict = Verdict::BadLimit;
        return r;
    }
    r.limit = *limit;
    const auto reading = numberValue(readingText);
    if (!reading) return r;
    r.reading = *reading;
    if (toGallons) r.reading = numberValue(formatFixed(r.reading / kLitresPerGallon, 2)).value_or(0);
    r.verdict = r.limit >= r.reading ? Verdict::Passed : Verdict::Inside;
    return r;
}

template <typename S> auto* ruleSwitch(S& settings, int index) {
    using Flag = decltype(&settings.temp.TempShutdownOn[0]);
    if (!isShutdownIndex(index)) return Flag{nullptr};
    if (index < kShutdownFlow) return &settings.temp.TempShutdownOn.at(at(index));
    if (index < kShutdownPump) return &settings.pump.FlowShutdownOn.at(at(index - kShutdownFlow));
    return &settings.pump.PumpShutdownOn.at(at(index - kShutdownPump));
}

} // namespace

RuleReading temperatureRule(const ControllerState& state, int i) {
    RuleReading r;
    const int code = state.StatusBytes.at(st::Temp + at(i));
    const int limit = state.ControlBytes.at(ct::TempShutdown + at(i));
    if (!isValidTempCode(code)) return r;
    r.reading = code - kTempCodeOffset;
    r.limit = limit - kTempCodeOffset;
    r.verdict = code >= limit ? Verdict::Passed : Verdict::Inside;
    return r;
}

RuleReading pumpRule(const Settings& settings, const ControllerState& state, int j) {
    return atOrBelowLimit(settings.pump.PumpShutdownLimit.at(at(j)),
                          state.StatusText.at(st::PumpTach + at(j)), false);
}

RuleReading flowRule(const Settings& settings, const ControllerState& state, int j) {
    return atOrBelowLimit(settings.pump.FlowShutdownLimit.at(at(j)),
                          state.StatusText.at(st::FlowCount + at(j)), settings.pump.FlowUnit == kFlowUnitGpm);
}

RuleReading shutdownRule(const Settings& settings, const ControllerState& state, int index) {
    if (!isShutdownIndex(index)) return {};
    if (index < kShutdownFlow) return temperatureRule(state, index);
    if (index < kShutdownPump) return flowRule(settings, state, index - kShutdownFlow);
    return pumpRule(settings, state, index - kShutdownPump);
}

bool shutdownRuleOn(const Settings& settings, int index) {
    const Int16* on = ruleSwitch(settings, index);
    return on != nullptr && *on == 1;
}

void switchShutdownRuleOff(Settings& settings, int index) {
    if (Int16* on = ruleSwitch(settings, index)) *on = 0;
}

std::string shutdownSourceText(const Settings& settings, int index) {
    const auto& p = settings.pump;
    if (index >= 0 && index < kShutdownFlow) {
        const auto i = at(index);
        return "Temperature sensor : " + settings.temp.TempName[i] + ",   " +
               std::to_string(settings.temp.TempShutdownLimit[i]) + " C";
    }
    if (index >= kShutdownFlow && index < kShutdownPump) {
        const auto j = at(index - kShutdownFlow);
        return "Flowmeter rate : " + p.FlowName[j] + ",   " + p.FlowShutdownLimit[j] +
               (p.FlowUnit == kFlowUnitGpm ? " GPM" : " LPM");
    }
    if (index >= kShutdownPump && index < kShutdownIndexes) {
        const auto j = at(index - kShutdownPump);
        return "Pump : " + p.PumpName[j] + ",   " + p.PumpShutdownLimit[j] + " RPM";
    }
    return "Temperature sensor : ";
}

PowerOffLine powerOffLine(const Settings& settings, const ControllerState& state, int index) {
    if (index >= 0 && index < kShutdownFlow)
        return {"T", index + 1,
                std::to_string(state.ControlBytes.at(ct::TempShutdown + at(index)) - kTempCodeOffset)};
    if (index >= kShutdownFlow && index < kShutdownPump)
        return {"F", index - 9, settings.pump.FlowShutdownLimit.at(at(index - kShutdownFlow))};
    if (index >= kShutdownPump && index < kShutdownIndexes)
        return {"P", index - 11, settings.pump.PumpShutdownLimit.at(at(index - kShutdownPump))};
    return {"", 0, ""};
}

void gShutdownClear(SafetyState& safety, ControllerState& state, int index) {
    if (isShutdownIndex(index)) safety.ShutdownLatch[at(index)] = 0;
    const bool anyLatch = std::any_of(safety.ShutdownLatch.begin(), safety.ShutdownLatch.end(),
                                      [](Int16 l) { return l == -1; });
    if (!anyLatch) state.ControlBytes[ct::PowerOff] = kPowerOffNone;
}

} // namespace vrx
