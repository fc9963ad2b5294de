#pragma once
// The reading grid of the main window: what each row shows for the current readings.
#include <array>
#include <string>

#include "link/controller_state.h"
#include "settings/settings_record.h"

namespace vrx {

struct TempRowView {
    std::string text;
    int bar = 0; // 0..160
};
struct FanRowView {
    std::string text;
    int bar = 0; // 0..100
};
struct PumpRowView {
    std::string speedText;
    std::string driveText;
    int bar = 0; // 1..32
};
struct FlowRowView {
    std::string text;
    std::string tag = "0"; // litres per minute, "0.0"
};

struct StatusDisplay {
    std::array<TempRowView, 10> temps;
    std::array<FanRowView, 6> fans;
    std::array<PumpRowView, 2> pumps;
    std::array<FlowRowView, 2> flows;
    int temperatureRows = 5, fanRows = 3, deviceRows = 1; // rows the controller type shows
};

// Rows a controller type refreshes; others are left as they are.
StatusDisplay gDisplayOn(const Settings& s, const ControllerState& state, bool pumpTestRunning);

} // namespace vrx
