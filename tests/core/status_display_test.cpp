#include "app/status_display.h"
#include "link/control_frame.h"
#include "measure/status_text.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

struct Rig {
    Settings s;
    ControllerState st;
    Rig() {
        SetDefaults(s, "/vrx/");
        InitControlFrame(s, st);
    }
    StatusDisplay show(bool pumpTest = false) {
        mChangeData(s, st);
        return gDisplayOn(s, st, pumpTest);
    }
};

TEST(StatusDisplay, TemperatureTextsAndBars) {
    struct Case {
        int code, unit;
        const char* text;
        int bar;
    };
    const Case cases[] = {
        {254, 1, "S-S", 0}, {1, 1, "S-0", 0},     {0, 1, "", 0},        {32, 1, "-30 C", 0},
        {97, 1, "35 C", 65}, {192, 1, "130 C", 160}, {97, 2, "95 F", 65}, {32, 2, "-22 F", 0},
        {192, 2, "266 F", 160}, {254, 2, "S-S", 0},
    };
    for (const auto& c : cases) {
        Rig r;
        r.s.temp.TempUnit = static_cast<Int16>(c.unit);
        r.st.StatusBytes[2] = static_cast<Int16>(c.code);
        const auto d = r.show();
        EXPECT_EQ(d.temps[0].text, c.text) << c.code << " unit " << c.unit;
        EXPECT_EQ(d.temps[0].bar, c.bar) << c.code;
    }
}

TEST(StatusDisplay, FansPumpsAndFlows) {
    Rig r;
    r.st.StatusBytes[12] = 50;      // turning
    r.st.ControlBytes[23] = 0;      // but switched off
    r.st.StatusBytes[13] = 40;
    r.st.StatusBytes[18] = 100;
    r.st.StatusBytes[20] = 0;
    auto d = r.show();
    EXPECT_EQ(d.fans[0].text, "Disable");
    EXPECT_EQ(d.fans[1].text, "1,200 RPM");
    EXPECT_EQ(d.fans[1].bar, 100);
    EXPECT_EQ(d.pumps[0].speedText, "3,000 RPM");
    EXPECT_EQ(d.pumps[0].driveText, "Level 10 (12.73v)");
    EXPECT_EQ(d.pumps[0].bar, 32);
    EXPECT_EQ(d.flows[0].text, "");
    EXPECT_EQ(d.flows[0].tag, "0");

    r.s.pump.PumpLevel[1] = 0; // Auto
    r.st.ControlBytes[29] = 31;
    EXPECT_EQ(r.show().pumps[0].driveText, "Auto (12.73v)");
    r.s.pump.PumpLevel[1] = 12;
    r.st.ControlBytes[29] = 0;
    EXPECT_EQ(r.show(true).pumps[0].driveText, " (7.58v)");

    // 8 counts on model 2 with the wide tubing are 2.008 LPM: shown as gallons, tagged in litres.
    r.s.pump.FlowMeterModel[0] = 2;
    r.s.pump.TubeSize[0] = 1;
    r.st.StatusBytes[20] = 8;
    r.s.pump.FlowUnit = 2;
    d = r.show();
    EXPECT_EQ(d.flows[0].text, "0.53 GPM");
    EXPECT_EQ(d.flows[0].tag, "2.0");
    r.s.pump.FlowUnit = 1;
    EXPECT_EQ(r.show().flows[0].text, "2.0 LPM");

    r.s.pump.FlowMeterModel[0] = 1;
    r.s.pump.TubeSize[0] = 2;   // 0.276 LPM per count
    r.st.StatusBytes[20] = 7;   // 1.932 LPM
    r.s.pump.FlowUnit = 2;
    d = r.show();
    EXPECT_EQ(d.flows[0].tag, "1.9");
    EXPECT_EQ(d.flows[0].text, "0.51 GPM");
}

TEST(StatusDisplay, SmallControllerCoversItsRowsOnly) {
    Rig r;
    for (std::size_t i = 2; i < 12; ++i) r.st.StatusBytes[i] = 97;
    auto d = r.show();
    EXPECT_EQ(d.temperatureRows, 5);
    EXPECT_EQ(d.fanRows, 3);
    EXPECT_EQ(d.deviceRows, 1);
    EXPECT_EQ(d.temps[5].text, "");
    r.s.sys.BoardType = 2;
    d = r.show();
    EXPECT_EQ(d.temps[9].text, "35 C");
    EXPECT_EQ(d.deviceRows, 2);
}

} // namespace
} // namespace vrx
