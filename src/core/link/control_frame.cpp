#include "link/control_frame.h"

namespace vrx {
namespace {
bool isLevel(std::int16_t setting) { return setting >= 3 && setting <= 12; }
} // namespace

std::int16_t fanOutputForLevel(const Settings& s, std::size_t row, std::int16_t level) {
    return isLevel(level) ? s.sys.FanLevelTable(row, static_cast<std::size_t>(level - 2)) : std::int16_t{0};
}

void InitControlFrame(const Settings& s, ControllerState& state) {
    auto& b = state.ControlBytes;
    b[ct::Header] = 207;
    b[ct::One] = 1;
    for (std::size_t i = 0; i < 10; ++i) {
        b[ct::TempAlarm + i] = static_cast<std::int16_t>(s.temp.TempAlarmLimit[i] + 62);
        b[ct::TempShutdown + i] = static_cast<std::int16_t>(s.temp.TempShutdownLimit[i] + 62);
    }
    b[ct::TempUnit] = s.temp.TempUnit;

    const bool fanGroup = s.fan.FanGroup == 1;
    for (std::size_t n = 1; n <= 6; ++n) {
        const std::size_t row = fanGroup ? 0 : n;
        b[ct::FanPower + n - 1] = fanOutputForLevel(s, row, s.fan.FanLevel[row]);
    }

    // Pumps not at a fixed level keep their byte until auto mode writes it.
    const bool pumpGroup = s.pump.PumpGroup == 1;
    for (std::size_t n = 1; n <= 2; ++n) {
        const std::size_t row = pumpGroup ? 0 : n;
        const std::int16_t level = s.pump.PumpLevel[row];
        if (isLevel(level))
            b[ct::PumpPower + n - 1] =
                static_cast<std::int16_t>(s.sys.PumpLevelTable(row, static_cast<std::size_t>(level - 2)) - 1);
    }

    b[ct::FlowModel1] = s.pump.FlowMeterModel[0];
    b[ct::Tube1] = s.pump.TubeSize[0];
    b[ct::FlowModel2] = s.pump.FlowMeterModel[1];
    b[ct::Tube2] = s.pump.TubeSize[1];
    b[ct::BoardType] = s.sys.BoardType;
    b[ct::Beeper] = 2;
    b[ct::PowerOff] = 2;
    b[ct::Spare38] = 0;
    state.LayoutBoardType = s.sys.BoardType;
}

} // namespace vrx
