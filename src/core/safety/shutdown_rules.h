#pragma once
// The shutdown rules of single channels: how a reading compares with its shutdown limit, how the
// source of a countdown is described, and the shared clear of a channel's power-off latch.
#include <string>

#include "link/controller_state.h"
#include "safety/safety_state.h"
#include "settings/settings_record.h"

namespace vrx {

// What one enabled rule says about its channel now. NoReading and BadLimit decide nothing: they
// neither start nor end a countdown.
enum class Verdict { Inside, Passed, NoReading, BadLimit };

struct RuleReading {
    Verdict verdict = Verdict::NoReading;
    double reading = 0; // temperature C, pump rpm, flow in the flow unit
    double limit = 0;   // same unit as reading
};

// Temperature channel i: the reading code against its limit byte 12+i; at the limit counts as passed.
RuleReading temperatureRule(const ControllerState& state, int i);
// Pump j: passed when the limit is at or above the speed, so a stopped pump passes.
RuleReading pumpRule(const Settings& settings, const ControllerState& state, int j);
// Flow meter j: passed when the limit is at or above the flow, both in the flow unit (GPM to "0.00").
RuleReading flowRule(const Settings& settings, const ControllerState& state, int j);

// The rule of a shutdown index (0..9 temperature, 10..11 flow, 12..13 pump) evaluated now.
RuleReading shutdownRule(const Settings& settings, const ControllerState& state, int index);
// Whether the rule of a shutdown index is switched on (the setting is exactly 1).
bool shutdownRuleOn(const Settings& settings, int index);
// Switches the rule of a shutdown index off.
void switchShutdownRuleOff(Settings& settings, int index);

// The countdown window's description of a source: "Pump : P1,   1500 RPM".
std::string shutdownSourceText(const Settings& settings, int index);

// Kind, channel and limit text of the power-off line of a source.
struct PowerOffLine {
    std::string kind;
    int channel = 0;
    std::string value;
};
PowerOffLine powerOffLine(const Settings& settings, const ControllerState& state, int index);

// ShutdownLatch(index) = 0; with no latch left the hardware power-off request is withdrawn.
void gShutdownClear(SafetyState& safety, ControllerState& state, int index);

inline constexpr std::int16_t kPowerOffRequested = 1;
inline constexpr std::int16_t kPowerOffNone = 2;

} // namespace vrx
