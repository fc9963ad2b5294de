#include "link/control_frame.h"

#include "outputs/levels.h"

namespace vrx {

void InitControlFrame(const Settings& s, ControllerState& state) {
    auto& b = state.ControlBytes;
    b[ct::Header] = 207;
    b[ct::One] = 1;
    for (std::size_t i = 0; i < 10; ++i) {
        b[ct::TempAlarm + i] = static_cast<std::int16_t>(s.temp.TempAlarmLimit[i] + 62);
        b[ct::TempShutdown + i] = static_cast<std::int16_t>(s.temp.TempShutdownLimit[i] + 62);
    }
    b[ct::TempUnit] = s.temp.TempUnit;

    // Values a damaged file may hold are kept in the bytes' ranges by manualOut.
    const bool fanGroup = s.fan.FanGroup == 1;
    for (int n = 1; n <= kFans; ++n) {
        const int row = fanGroup ? 0 : n;
        b[ct::FanPower + static_cast<std::size_t>(n - 1)] = manualOut(s, OutputKind::Fan, row, s.fan.FanLevel[static_cast<std::size_t>(row)]);
    }

    // Pumps not at a fixed level keep their byte until auto mode writes it.
    const bool pumpGroup = s.pump.PumpGroup == 1;
    for (int n = 1; n <= kPumps; ++n) {
        const int row = pumpGroup ? 0 : n;
        const int level = s.pump.PumpLevel[static_cast<std::size_t>(row)];
        if (isFixedLevel(effectiveLevel(OutputKind::Pump, level)))
            b[ct::PumpPower + static_cast<std::size_t>(n - 1)] = manualOut(s, OutputKind::Pump, row, level);
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
