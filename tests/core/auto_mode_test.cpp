#include "outputs/auto_mode.h"

#include <gtest/gtest.h>

#include "link/control_frame.h"
#include "link/status_frame.h"

namespace vrx {
namespace {

constexpr int code(int celsius) {
    return celsius + 62;
}

struct Rig {
    Settings s;
    ControllerState state;
    std::vector<std::string> errors;
    OutputBytes bytes{state, [this](const std::string& p, const std::string& d) { errors.push_back(p + ": " + d); }};
    AutoMode autoMode{s, state, bytes};
    Rig() {
        SetDefaults(s, "/vrx/");
        s.sys.BoardType = 2;
        InitControlFrame(s, state);
        for (std::size_t c = 0; c < 10; ++c) state.StatusBytes[st::Temp + c] = code(30);
    }
    void temp(int channel, int celsius) { state.StatusBytes[st::Temp + static_cast<std::size_t>(channel)] = static_cast<std::int16_t>(code(celsius)); }
    int fanByte(int f) const { return state.ControlBytes[ct::FanPower + static_cast<std::size_t>(f - 1)]; }
    int pumpByte(int p) const { return state.ControlBytes[ct::PumpPower + static_cast<std::size_t>(p - 1)]; }
};

TEST(AutoMode, DefaultCurveWithAndWithoutHysteresis) {
    // 15/55/85 C, 30/50/90 %.
    struct Step {
        int celsius, withoutHysteresis, withHysteresis;
    };
    const Step steps[] = {{10, 30, 30}, {50, 30, 30}, {56, 51, 51}, {40, 30, 50}, {55, 50, 50}, {70, 70, 70},
                          {85, 90, 90}, {100, 90, 90}, {40, 30, 50}, {15, 30, 30}, {40, 30, 30}};
    Rig r;
    r.s.fan.FanNoHysteresis[1] = 1;
    r.s.fan.FanNoHysteresis[2] = 0;
    for (const Step& step : steps) {
        r.temp(0, step.celsius);
        EXPECT_EQ(r.autoMode.mAutoPw(OutputKind::Fan, 0, 1), step.withoutHysteresis) << step.celsius << " C";
        EXPECT_EQ(r.autoMode.mAutoPw(OutputKind::Fan, 0, 2), step.withHysteresis) << step.celsius << " C";
    }
}

TEST(AutoMode, NoReadingDrivesTheTopAndKeepsTheFlag) {
    Rig r;
    r.s.fan.FanNoHysteresis[1] = 0;
    r.temp(0, 60);
    r.autoMode.mAutoPw(OutputKind::Fan, 0, 1);
    ASSERT_EQ(r.autoMode.hysteresisFlag(OutputKind::Fan, 1), -1);
    // Open, shorted, nothing received yet, cleared after a link loss.
    for (int c : {1, 254, 0, -31}) {
        r.state.StatusBytes[st::Temp] = static_cast<std::int16_t>(c);
        EXPECT_EQ(r.autoMode.mAutoPw(OutputKind::Fan, 0, 1), 90) << c;
        EXPECT_EQ(r.autoMode.hysteresisFlag(OutputKind::Fan, 1), -1);
    }
    // A channel the controller type does not have, or no channel at all.
    r.temp(7, 20);
    r.temp(0, 20);
    r.s.sys.BoardType = 1;
    EXPECT_EQ(r.autoMode.mAutoPw(OutputKind::Fan, 7, 3), 90);
    EXPECT_EQ(r.autoMode.mAutoPw(OutputKind::Fan, 4, 3), 30);
    EXPECT_EQ(r.autoMode.mAutoPw(OutputKind::Fan, 10, 3), 90);
    EXPECT_EQ(r.autoMode.mAutoPw(OutputKind::Fan, -1, 3), 90);
}

TEST(AutoMode, DamagedCurveWithEqualTemperaturesNeverTurnsOff) {
    Rig r;
    r.s.fan.FanAutoTempMid[4] = 60;
    r.s.fan.FanAutoTempHigh[4] = 60;
    r.temp(0, 60);
    EXPECT_EQ(r.autoMode.mAutoPw(OutputKind::Fan, 0, 4), 90);
}

TEST(AutoMode, TickWritesOnlyOutputsInAutoAndPumpSteps) {
    Rig r;
    r.s.fan.FanGroup = 0;
    r.s.fan.FanLevel = {12, 0, 5, 0, 14, 0, 0};
    r.s.fan.FanAutoSensor[3] = 2;
    r.temp(0, 70);
    r.temp(2, 85);
    r.s.pump.PumpGroup = 0;
    r.s.pump.PumpLevel = {12, 0, 0};
    r.s.pump.PumpAutoLevelMid[1] = 50; // 55 C on pump 1: 50 %
    r.s.pump.PumpAutoLevelLow[2] = 30;
    r.s.pump.PumpAutoSensor[1] = 1;
    r.s.pump.PumpAutoSensor[2] = 2;
    r.temp(1, 55);
    r.s.pump.PumpAutoTempLow[2] = 90; // 85 C is below T0: 30 %
    r.s.pump.PumpAutoTempMid[2] = 95;
    r.s.pump.PumpAutoTempHigh[2] = 99;
    const std::int16_t fan2 = r.state.ControlBytes[ct::FanPower + 1];
    r.autoMode.mChkAutoPw(false);
    EXPECT_EQ(r.fanByte(1), 70);
    EXPECT_EQ(r.state.ControlBytes[ct::FanPower + 1], fan2);
    EXPECT_EQ(r.fanByte(3), 90);
    EXPECT_EQ(r.pumpByte(1), 16) << "50 % is 15.5, even 16";
    EXPECT_EQ(r.pumpByte(2), 9) << "30 % is 9.3";

    r.s.pump.PumpAutoLevelHigh[2] = 90;
    r.temp(2, 100);
    r.autoMode.mChkAutoPw(false);
    EXPECT_EQ(r.pumpByte(2), 28) << "90 % is 27.9";

    // An alarm owns the outputs: nothing changes, whatever the temperatures do.
    r.temp(0, 20);
    r.temp(2, 20);
    const ControlArray before = r.state.ControlBytes;
    r.autoMode.mChkAutoPw(true);
    EXPECT_EQ(r.state.ControlBytes, before);
}

TEST(AutoMode, GroupModeUsesEntryZeroForEveryOutput) {
    Rig r;
    r.s.fan.FanGroup = 1;
    r.s.fan.FanLevel.fill(0);
    r.s.fan.FanAutoSensor[0] = 5;
    r.s.fan.FanAutoLevelHigh[1] = 20; // entries 1..6 are not read in group mode
    r.temp(5, 100);
    r.s.pump.PumpGroup = 1;
    r.s.pump.PumpLevel.fill(0);
    r.s.pump.PumpAutoLevelHigh[0] = 100;
    r.temp(0, 100);
    r.autoMode.mChkAutoPw(false);
    for (int f = 1; f <= 6; ++f) EXPECT_EQ(r.fanByte(f), 90) << f;
    EXPECT_EQ(r.pumpByte(1), 31);
    EXPECT_EQ(r.pumpByte(2), 31);

    // A stored power above 100 still gives a byte in range, logged once.
    r.s.fan.FanAutoLevelHigh[0] = 140;
    r.autoMode.mChkAutoPw(false);
    r.autoMode.mChkAutoPw(false);
    EXPECT_EQ(r.fanByte(1), 100);
    EXPECT_EQ(r.errors.size(), 1u);
}

} // namespace
} // namespace vrx
