#include "safety/alarm_check.h"

#include <gtest/gtest.h>

#include "core/alarm_rig.h"

namespace vrx {
namespace {

using test::AlarmRig;
using test::kStamp;

TEST(AlarmCheck, TemperatureChannels) {
    struct Row {
        const char* what;
        int board, channel, code, limitByte;
        Int16 alarmOn;
        AlarmLook look;
        const char* logLine; // "" = no alarm
    };
    const Row rows[] = {
        {"equal to the limit", 2, 2, 117, 117, 1, AlarmLook::Alarm, "Temp.(C), ch3, 55, 55"},
        {"above the limit", 2, 9, 123, 117, 1, AlarmLook::Alarm, "Temp.(C), ch10, 61, 55"},
        {"below the limit", 2, 2, 116, 117, 1, AlarmLook::Normal, ""},
        {"open sensor", 2, 0, 1, 0, 1, AlarmLook::NoSensor, ""},
        {"shorted sensor", 2, 0, 254, 117, 1, AlarmLook::NoSensor, ""},
        {"alarm off", 2, 4, 150, 117, 0, AlarmLook::Normal, ""},
        {"on only when exactly 1", 2, 4, 150, 117, -1, AlarmLook::Normal, ""},
        {"switched off at the last save", 2, 4, 150, 160, 1, AlarmLook::Normal, ""},
        {"no frame yet after a link", 2, 1, 0, 0, 1, AlarmLook::Normal, ""},
        {"display cleared", 2, 1, -31, 0, 1, AlarmLook::Normal, ""},
        {"last channel of a small board", 1, 4, 130, 117, 1, AlarmLook::Alarm, "Temp.(C), ch5, 68, 55"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        AlarmRig rig(r.board);
        rig.s.temp.TempAlarmOn[static_cast<std::size_t>(r.channel)] = r.alarmOn;
        rig.state.StatusBytes[st::Temp + static_cast<std::size_t>(r.channel)] =
            static_cast<std::int16_t>(r.code);
        rig.control(ct::TempAlarm + static_cast<std::size_t>(r.channel)) =
            static_cast<std::int16_t>(r.limitByte);
        rig.check.mChkAlarm();
        const bool alarm = *r.logLine != 0;
        EXPECT_EQ(rig.safety.AlarmState[static_cast<std::size_t>(r.channel)], alarm ? -1 : 0);
        EXPECT_EQ(rig.safety.anyAlarm(), alarm);
        EXPECT_EQ(rig.host.tempLooks.at(r.channel), r.look);
        EXPECT_EQ(rig.logText(), alarm ? kStamp + r.logLine + "\r\n" : "");
        EXPECT_EQ(rig.host.menusLocked, alarm); // mAlarm ran either way
    }
}

TEST(AlarmCheck, PumpAndFlowMeters) {
    struct Row {
        const char* what;
        const char *pumpLimit, *speed, *flowLimit, *flow;
        Int16 flowUnit;
        const char* logLines;
    };
    const Row rows[] = {
        {"speed equal to the limit", "2,000", "2,000", "2.0", "5.0", 1, "Pump(RPM), ch2, 2000, 2000"},
        {"stopped pump", "2,000", "0", "2.0", "5.0", 1, "Pump(RPM), ch2, 0, 2000"},
        {"speed above the limit", "2,000", "2,010", "2.0", "5.0", 1, ""},
        {"limit fraction to the even whole", "2,000.5", "2,000", "2.0", "5.0", 1,
         "Pump(RPM), ch2, 2000, 2000"},
        {"limit half up to the even whole", "1,999.5", "2,000", "2.0", "5.0", 1,
         "Pump(RPM), ch2, 2000, 2000"},
        {"no pump reading", "2,000", "", "2.0", "5.0", 1, ""},
        {"flow equal to the limit", "2,000", "3,000", "2.0", "2.0", 1, "Flow rate(LPM), ch2, 2.0, 2.0"},
        {"no flow", "2,000", "3,000", "2.0", "0.0", 1, "Flow rate(LPM), ch2, 2.0, 0.0"},
        {"no flow reading", "2,000", "3,000", "2.0", "", 1, ""},
        // 2.1 LPM is 0.5548 GPM, shown and compared as 0.55; the line keeps the LPM text.
        {"gallons, two decimals", "2,000", "3,000", "0.55", "2.1", 2, "Flow rate(LPM), ch2, 0.55, 2.1"},
        {"gallons above the limit", "2,000", "3,000", "0.54", "2.1", 2, ""},
        {"both in alarm, pump first", "2,000", "1,500", "2.0", "1.5", 1,
         "Pump(RPM), ch2, 1500, 2000|Flow rate(LPM), ch2, 2.0, 1.5"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        AlarmRig rig;
        rig.s.pump.PumpAlarmOn = {1, 1};
        rig.s.pump.FlowAlarmOn = {1, 1};
        rig.s.pump.PumpAlarmLimit[1] = r.pumpLimit;
        rig.s.pump.FlowAlarmLimit[1] = r.flowLimit;
        rig.s.pump.FlowUnit = r.flowUnit;
        rig.s.pump.FlowAlarmLimit[0] = r.flowUnit == 1 ? "2.0" : "0.53";
        rig.state.StatusText[st::PumpTach + 1] = r.speed;
        rig.state.StatusText[st::FlowCount + 1] = r.flow;
        rig.check.mChkAlarm();
        std::string expected;
        for (std::string rest = r.logLines; !rest.empty();) {
            const auto bar = rest.find('|');
            expected += kStamp + rest.substr(0, bar) + "\r\n";
            rest = bar == std::string::npos ? "" : rest.substr(bar + 1);
        }
        EXPECT_EQ(rig.logText(), expected);
        const bool pump = expected.find("Pump") != std::string::npos,
                   flow = expected.find("Flow") != std::string::npos;
        EXPECT_EQ(rig.safety.AlarmState[kAlarmPump + 1], pump ? -1 : 0);
        EXPECT_EQ(rig.safety.AlarmState[kAlarmFlow + 1], flow ? -1 : 0);
        EXPECT_EQ(rig.host.pumpAlarms.at(1), pump);
        EXPECT_EQ(rig.host.flowAlarms.at(1), flow);
        EXPECT_EQ(rig.safety.AlarmState[kAlarmPump] | rig.safety.AlarmState[kAlarmFlow], 0);
        EXPECT_TRUE(rig.host.errors.empty());
    }
}

TEST(AlarmCheck, SmallBoardChecksItsOwnChannelsOnly) {
    AlarmRig rig(1);
    for (int c = 5; c < 10; ++c)
        rig.temp(c, 90);
    rig.s.pump.PumpAlarmOn = {1, 1};
    rig.s.pump.FlowAlarmOn = {1, 1};
    rig.state.StatusText[st::PumpTach + 1] = "0";
    rig.state.StatusText[st::FlowCount + 1] = "0.0";
    rig.safety.AlarmState[7] = kTrue; // left from a larger board before the link changed
    rig.check.mChkAlarm();
    EXPECT_FALSE(rig.safety.anyAlarm());
    EXPECT_EQ(rig.logText(), "");
    EXPECT_EQ(rig.host.tempLooks.size(), 5u);
    EXPECT_EQ(rig.host.pumpAlarms.count(1) + rig.host.flowAlarms.count(1), 0u);
}

TEST(AlarmCheck, LooksAreShownOnlyWhenTheyChange) {
    AlarmRig rig;
    rig.ticks(2);
    EXPECT_EQ(rig.host.events.size(), 10u + 2 + 2 + 1); // every look once, then the clear's unlock
    rig.host.events.clear();
    rig.temp(3, 70);
    rig.state.StatusBytes[st::Temp + 4] = 254;
    rig.ticks(3);
    EXPECT_EQ(rig.host.events,
              (std::vector<std::string>{"temp 3 alarm", "temp 4 nosensor", "lock 1", "save"}));
    rig.host.events.clear();
    rig.temp(3, 50);
    rig.check.mChkAlarm();
    EXPECT_EQ(rig.host.events, (std::vector<std::string>{"temp 3 normal", "lock 0"}));
}

// A limit text that is no number switches off that rule alone; the user hears of it once per
// time it goes bad.
TEST(AlarmCheck, BadLimitTextDisablesOnlyItsRule) {
    AlarmRig rig;
    rig.s.pump.PumpAlarmOn = {1, 1};
    rig.s.pump.FlowAlarmOn = {1, 0};
    rig.s.pump.PumpAlarmLimit = {"abc", ""};
    rig.s.pump.FlowAlarmLimit = {"9.0", "?"}; // flow 2 is off: its text is never read
    rig.state.StatusText[st::PumpTach] = "0";
    rig.temp(0, 60);
    rig.ticks(3);
    EXPECT_EQ(rig.host.errors, (std::vector<std::string>{
                                   "FrmMain.mChkAlarm: The alarm limit of Pump 1 is not a number: \"abc\"",
                                   "FrmMain.mChkAlarm: The alarm limit of Pump 2 is not a number: \"\""}));
    ASSERT_EQ(rig.host.balloons.size(), 2u);
    EXPECT_EQ(rig.host.balloons[0],
              "w5:The alarm limit of Pump 1 (\"abc\") is not a number. This alarm is off "
              "until the limit is corrected.");
    EXPECT_EQ(rig.safety.AlarmState[kAlarmPump], 0);
    EXPECT_EQ(rig.safety.AlarmState[0], kTrue);
    EXPECT_EQ(rig.safety.AlarmState[kAlarmFlow], kTrue);
    EXPECT_EQ(rig.control(ct::FanPower), 100); // the response still ran

    rig.s.pump.PumpAlarmLimit[0] = "2,000";
    rig.check.mChkAlarm();
    EXPECT_EQ(rig.safety.AlarmState[kAlarmPump], kTrue);
    rig.s.pump.PumpAlarmLimit[0] = "2.000,0";
    rig.ticks(2);
    EXPECT_EQ(rig.host.errors.size(), 3u);
    EXPECT_EQ(rig.host.balloons.size(), 3u);
    EXPECT_EQ(rig.host.errors.back(),
              "FrmMain.mChkAlarm: The alarm limit of Pump 1 is not a number: \"2.000,0\"");
}

} // namespace
} // namespace vrx
