#pragma once
// One entry's auto-mode curve as the settings record holds it, for either kind of output.
#include <array>

#include "outputs/levels.h"
#include "settings/settings_record.h"

namespace vrx {

struct AutoCurve {
    int sensor = 0;             // driving temperature channel 0..9
    std::array<int, 3> temp{};  // T0 < T1 < T2, whole degrees C
    std::array<int, 3> power{}; // P0 < P1 < P2, percent
    bool noHysteresis = false;
    bool operator==(const AutoCurve&) const = default;
};

// Entry 0 is the group curve, then fans 1..6 or pumps 1..2.
AutoCurve autoCurve(const Settings& s, OutputKind kind, int entry);
void setAutoCurve(Settings& s, OutputKind kind, int entry, const AutoCurve& curve);

} // namespace vrx
