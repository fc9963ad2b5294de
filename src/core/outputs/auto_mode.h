#pragma once
// Auto mode: outputs follow the temperature of a chosen channel through a three-point curve with
// an optional hysteresis band, evaluated once a second.
#include <array>

#include "link/controller_state.h"
#include "outputs/auto_curve.h"
#include "outputs/output_bytes.h"

namespace vrx {

class AutoMode {
public:
    AutoMode(const Settings& settings, const ControllerState& state, OutputBytes& bytes)
        : m_settings(settings), m_state(state), m_bytes(bytes) {}

    // Power in percent of curve `unit` for the temperature of `channel`; updates the curve's
    // hysteresis flag.
    int mAutoPw(OutputKind kind, int channel, int unit);
    // Writes the bytes of every output in Auto, unless an alarm owns the outputs.
    void mChkAutoPw(bool anyAlarm);

    // -1 once the curve's temperature reached T1, until it falls to T0 (the upper branch).
    int hysteresisFlag(OutputKind kind, int unit) const;

private:
    int& flag(OutputKind kind, int unit);
    int evaluate(OutputKind kind, int unit, const AutoCurve& curve, int code);
    bool channelExists(int channel) const;

    const Settings& m_settings;
    const ControllerState& m_state;
    OutputBytes& m_bytes;
    std::array<int, 7> FanHystUpper{};
    std::array<int, 3> PumpHystUpper{};
};

} // namespace vrx
