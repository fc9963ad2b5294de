#pragma once
#include "link/controller_state.h"
#include "settings/settings_record.h"

namespace vrx {

// Control frame byte positions.
namespace ct {
inline constexpr std::size_t Header = 0, One = 1, TempAlarm = 2, TempShutdown = 12, TempUnit = 22, FanPower = 23,
                             PumpPower = 29, FlowModel1 = 31, Tube1 = 32, FlowModel2 = 33, Tube2 = 34,
                             BoardType = 35, Beeper = 36, PowerOff = 37, Spare38 = 38, Checksum = 39;
}

// Fills ControlBytes from the settings at start-up and sets LayoutBoardType.
void InitControlFrame(const Settings& s, ControllerState& state);

} // namespace vrx
