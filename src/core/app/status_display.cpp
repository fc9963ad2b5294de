#include "app/status_display.h"

#include "link/control_frame.h"
#include "measure/flow.h"
#include "measure/temperature.h"
#include "measure/volt_table.h"
#include "text/format.h"

namespace vrx {
namespace {

TempRowView tempRow(int code, int unit) {
    if (isValidTempCode(code)) return {TempText(code, unit), code - kTempCodeMin};
    if (code == kSensorOpenCode) return {"S-0", 0};
    if (code == kSensorShortCode) return {"S-S", 0};
    return {"", 0};
}

std::string rpmText(const std::string& speed) { return speed == "0" || speed.empty() ? "" : speed + " RPM"; }

} // namespace

StatusDisplay gDisplayOn(const Settings& s, const ControllerState& st, bool pumpTestRunning) {
    StatusDisplay d;
    const int board = s.sys.BoardType == 2 ? 2 : 1;
    d.temperatureRows = 5 * board;
    d.fanRows = 3 * board;
    d.deviceRows = board;
    for (int i = 0; i < d.temperatureRows; ++i)
        d.temps[static_cast<std::size_t>(i)] = tempRow(st.StatusBytes[2 + static_cast<std::size_t>(i)], s.temp.TempUnit);
    for (int i = 0; i < d.fanRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int out = st.ControlBytes[ct::FanPower + k];
        d.fans[k] = {out == 0 ? "Disable" : rpmText(st.StatusText[12 + k]), out};
    }
    for (int i = 0; i < d.deviceRows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int b = st.ControlBytes[ct::PumpPower + k];
        const int level = s.pump.PumpLevel[k + 1];
        PumpRowView& p = d.pumps[k];
        p.bar = b + 1;
        p.speedText = rpmText(st.StatusText[18 + k]);
        if (level == 0) p.driveText = "Auto (" + VoltText(b + 1) + "v)";
        else if (pumpTestRunning) p.driveText = " (" + PumpVoltText(b) + "v)";
        else if (level >= 3 && level <= 12)
            p.driveText = "Level " + std::to_string(level - 2) + " (" +
                          VoltText(s.sys.PumpLevelTable(k + 1, static_cast<std::size_t>(level - 2))) + "v)";

        const int count = st.StatusBytes[20 + k];
        if (count <= 0) {
            d.flows[k] = {"", "0"};
        } else {
            const double lpm = flowLpm(count, s.pump.FlowMeterModel[k], s.pump.TubeSize[k]);
            d.flows[k] = {flowDisplayText(lpm, s.pump.FlowUnit), formatFixed(lpm, 1)};
        }
    }
    return d;
}

} // namespace vrx
