#include "outputs/output_levels.h"
#include "outputs/output_menus.h"

#include <gtest/gtest.h>

#include "fakes/fake_outputs_host.h"
#include "link/control_frame.h"
#include "safety/safety_state.h"

namespace vrx {
namespace {

struct Rig {
    Settings s;
    ControllerState st;
    test::FakeOutputsHost host;
    OutputBytes bytes{st, [this](const std::string& p, const std::string& d) { host.logError(p, d); }};
    OutputLevels levels{s, bytes, host};
    explicit Rig(int board = 2) {
        SetDefaults(s, "/vrx/");
        s.sys.BoardType = static_cast<Int16>(board);
        InitControlFrame(s, st);
    }
    int fanByte(int f) const { return st.ControlBytes[ct::FanPower + static_cast<std::size_t>(f - 1)]; }
    int pumpByte(int p) const { return st.ControlBytes[ct::PumpPower + static_cast<std::size_t>(p - 1)]; }
    std::vector<int> fanBytes() const {
        std::vector<int> v;
        for (int f = 1; f <= 6; ++f) v.push_back(fanByte(f));
        return v;
    }
};

TEST(LevelModel, ConversionsAndManualOutputs) {
    const std::pair<int, const char*> volts[] = {{0, "7.58"},  {5, "7.58"},  {6, "7.59"},  {59, "8.18"},
                                                 {60, "8.26"}, {61, "8.26"}, {62, "8.34"}, {94, "11.40"},
                                                 {95, "12.73"}, {100, "12.73"}, {101, ""}, {-1, ""}};
    for (const auto& [percent, text] : volts) EXPECT_EQ(PercentVoltText(percent), text) << percent;
    const int steps[] = {0, 5, 9, 12, 15, 18, 21, 23, 25, 26, 27, 28, 29, 30, 31};
    for (int n = 1; n <= 15; ++n) EXPECT_EQ(TestLevelStep(n), steps[n - 1]) << n;
    EXPECT_EQ(StepByte(32), 31);

    Settings s;
    SetDefaults(s, "/vrx/");
    s.fan.FanLevel = {0, 3, 12, 14, 0, 7, 12};
    s.pump.PumpLevel = {0, 3, 0};
    const int fanOut[] = {10, 100, 0, 0, 50, 100};
    for (int f = 1; f <= 6; ++f) EXPECT_EQ(FanManualOut(s, f), fanOut[f - 1]) << f;
    EXPECT_EQ(PumpManualOut(s, 1), 4); // step 5
    EXPECT_EQ(PumpManualOut(s, 2), 0);

    // Stored values the menus never write still give a byte in range.
    s.fan.FanLevel[1] = -4;   // counts as Level 10
    s.sys.FanLevelTable(2, 10) = 250;
    s.pump.PumpLevel[1] = 14; // no Disable for pumps: Level 10
    s.sys.PumpLevelTable(1, 10) = -3;
    EXPECT_EQ(FanManualOut(s, 1), 100);
    EXPECT_EQ(FanManualOut(s, 2), 100);
    EXPECT_EQ(PumpManualOut(s, 1), 0);
}

TEST(LevelCommands, SingleFanChoiceEndsGroupModeAndWritesOnlyItsByte) {
    Rig r;
    r.levels.mFanSelect(0, 5); // all fans Level 3
    EXPECT_EQ(r.fanBytes(), (std::vector<int>{30, 30, 30, 30, 30, 30}));
    r.levels.mFanSelect(2, 9);
    EXPECT_EQ(r.s.fan.FanGroup, 0);
    EXPECT_EQ(r.s.fan.FanLevel, (std::array<Int16, 7>{5, 5, 9, 5, 5, 5, 5}));
    EXPECT_EQ(r.fanBytes(), (std::vector<int>{30, 70, 30, 30, 30, 30}));
    r.levels.mFanSelect(4, kLevelDisable);
    EXPECT_EQ(r.fanByte(4), 0);
    EXPECT_EQ(r.host.saves, 3);

    const OutputMenu menu = buildOutputMenu(r.s, OutputKind::Fan);
    EXPECT_EQ(menu.submenus[0].checked, -1) << "no check in All Fans after an individual choice";
    EXPECT_EQ(menu.submenus[2].checked, 9);
    EXPECT_EQ(menu.submenus[4].checked, kLevelDisable);
    EXPECT_EQ(menu.submenus[1].checked, 5);
}

TEST(LevelCommands, GroupLevelOverwritesThatLevelOfEveryFan) {
    Rig r;
    r.s.sys.FanLevelTable(3, 5) = 65;
    r.s.sys.FanLevelTable(3, 6) = 66;
    r.levels.mFanSelect(0, 7); // All Fans, Level 5 (50 %)
    EXPECT_EQ(r.s.fan.FanGroup, 1);
    EXPECT_EQ(r.s.sys.FanLevelTable(3, 5), 50);
    EXPECT_EQ(r.s.sys.FanLevelTable(3, 6), 66);
    EXPECT_EQ(r.fanBytes(), (std::vector<int>{50, 50, 50, 50, 50, 50}));
    const OutputMenu menu = buildOutputMenu(r.s, OutputKind::Fan);
    EXPECT_EQ(menu.submenus[3].captions[7], "Level 5 (50%)");
    EXPECT_EQ(menu.submenus[3].captions[8], "Level 6 (66%)");
    for (const auto& sub : menu.submenus) EXPECT_EQ(sub.checked, 7);

    r.levels.mFanSelect(0, kLevelDisable);
    EXPECT_EQ(r.s.fan.FanLevel, (std::array<Int16, 7>{14, 14, 14, 14, 14, 14, 14}));
    EXPECT_EQ(r.fanBytes(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    for (int f = 1; f <= 6; ++f) EXPECT_EQ(FanManualOut(r.s, f), 0);
}

TEST(LevelCommands, PumpsAutoAndAdjustAndTheSmallBoard) {
    Rig r(1);
    r.levels.mPumpSelect(0, 12);
    EXPECT_EQ(r.pumpByte(1), 31);
    EXPECT_EQ(r.pumpByte(2), 31) << "group commands drive both pumps on the small board too";
    r.levels.mPumpSelect(1, kLevelDisable); // not a pump item
    EXPECT_EQ(r.s.pump.PumpLevel[1], 12);
    r.levels.mPumpSelect(2, kLevelFirst);
    EXPECT_EQ(r.pumpByte(2), 4);
    EXPECT_EQ(r.s.pump.PumpGroup, 0);

    r.levels.mFanSelect(3, kLevelAuto);
    r.levels.mPumpSelect(0, kLevelAdjust);
    EXPECT_EQ(r.host.opened, (std::vector<std::string>{"auto fan 3", "adjust pump 0"}));
    EXPECT_EQ(r.s.fan.FanLevel[3], 12) << "Auto waits for the editor's Save";

    const OutputMenu fans = buildOutputMenu(r.s, OutputKind::Fan);
    EXPECT_EQ(fans.visible, (std::vector<bool>{true, true, true, false, false, false, true, true}));
    const OutputMenu pumps = buildOutputMenu(r.s, OutputKind::Pump);
    EXPECT_EQ(pumps.items, (std::vector<std::string>{"Pump1", "Pump2", "", "All Pumps", "Pump Characteristics"}));
    EXPECT_EQ(pumps.visible, (std::vector<bool>{true, false, true, false, true}));
    EXPECT_EQ(pumps.submenus[1].captions[3], "Level 1 (7.65V)");
    EXPECT_EQ(pumps.submenus[1].captions[14], "");
    EXPECT_EQ(pumps.submenus[0].checked, -1);
}

TEST(LevelCommands, KeyboardGroupLevelsAndAuto) {
    Rig r;
    r.levels.mAllFansLevel(kLevelFirst);
    r.levels.mAllPumpsLevel(kLevelLast);
    EXPECT_EQ(r.host.balloons, (std::vector<std::string>{"i:All Fans Level 1 (10%)", "i:All Pumps Level 10 (12.73)"}));
    EXPECT_EQ(r.fanBytes(), (std::vector<int>{10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(r.pumpByte(1), 31);
    EXPECT_EQ(r.host.pauses, (std::vector<int>{2000})) << "pumps settle before the next exchange";

    r.levels.mAllAuto("FAN");
    r.levels.mAllAuto("PUMP");
    EXPECT_EQ(r.s.fan.FanLevel, (std::array<Int16, 7>{}));
    EXPECT_EQ(r.s.pump.PumpLevel, (std::array<Int16, 3>{}));
    EXPECT_EQ(r.fanBytes(), (std::vector<int>{10, 10, 10, 10, 10, 10})) << "Auto leaves the bytes to the next evaluation";
    EXPECT_EQ(r.host.balloons.back(), "i:Pump Auto Mode");
    EXPECT_EQ(r.host.saves, 4);

}

TEST(LevelCommands, AnAlarmHoldsOutputsUpAndSaysWhy) {
    Rig r;
    SafetyState safety;
    r.bytes.setAlarmGuard([&] { return safety.anyAlarm(); });
    r.levels.alarmReason = [&] { return safety.alarmReason(r.s.sys.BoardType); };
    EXPECT_EQ(safety.alarmReason(2), "");
    safety.AlarmState[kAlarmPump] = -1;
    EXPECT_EQ(safety.alarmReason(2), "Pump alarm state.");
    safety.AlarmState[kAlarmFlow + 1] = -1;
    EXPECT_EQ(safety.alarmReason(2), "Flowmeter alarm state.");
    safety.AlarmState[3] = -1;

    r.levels.mAllFansLevel(kLevelFirst); // F1 would lower every fan
    EXPECT_EQ(r.fanBytes(), (std::vector<int>{100, 100, 100, 100, 100, 100}));
    EXPECT_EQ(r.host.balloons.back(), "w:Temperature alarm state.");
    EXPECT_EQ(r.s.fan.FanLevel[0], kLevelFirst) << "the choice is kept for when the alarm clears";

    r.levels.mAllPumpsLevel(kLevelFirst); // refused outright
    EXPECT_EQ(r.s.pump.PumpLevel[0], kLevelLast);
    EXPECT_EQ(r.pumpByte(1), 31);

    const std::size_t balloons = r.host.balloons.size();
    r.levels.mAllFansLevel(kLevelLast); // raising is never held back
    EXPECT_EQ(r.host.balloons.size(), balloons + 1) << "only the level balloon";

    safety.AlarmState.fill(0);
    r.levels.mFanSelect(2, 3);
    EXPECT_EQ(r.fanByte(2), 10);
}

TEST(LevelCommands, BadStoredPowersAreClampedAndLoggedOnce) {
    Rig r;
    r.s.sys.FanLevelTable(0, 4) = 300;
    r.levels.mFanSelect(0, 6);
    r.levels.mFanSelect(0, 6);
    EXPECT_EQ(r.fanBytes(), (std::vector<int>{100, 100, 100, 100, 100, 100}));
    ASSERT_EQ(r.host.errors.size(), 1u);
    EXPECT_EQ(r.host.errors[0].rfind("FrmPopup.mFanSelect: ", 0), 0u) << r.host.errors[0];
}

} // namespace
} // namespace vrx
