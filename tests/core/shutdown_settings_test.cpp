#include "safety/shutdown_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/messages.h"
#include "fakes/fake_dialogs.h"
#include "link/control_frame.h"

namespace vrx {
namespace {

constexpr Int16 kUntouched = 77;

Settings defaults(int boardType = 2) {
    Settings s;
    SetDefaults(s, "/vrx/");
    s.sys.BoardType = static_cast<Int16>(boardType);
    return s;
}

ShutdownSettings loaded(Settings& s) {
    ShutdownSettings d;
    EXPECT_FALSE(d.mFrmDataSet(s));
    return d;
}

ControlArray untouchedFrame() {
    ControlArray c;
    c.fill(kUntouched);
    return c;
}

TEST(ShutdownSettings, OpeningRaisesAShutdownTemperatureNotAboveItsAlarmTo100AtOnce) {
    struct Case {
        Int16 alarm, shutdown;
        int slider; // and the settings afterwards
    };
    const Case cases[] = {{55, 58, 58}, {55, 56, 56}, {55, 55, 100}, {60, 58, 100}, {0, 0, 100}};
    for (const auto& c : cases) {
        Settings s = defaults(1);
        s.temp.TempAlarmLimit[8] = c.alarm; // a channel the small board hides is kept too
        s.temp.TempShutdownLimit[8] = c.shutdown;
        const ShutdownSettings d = loaded(s);
        EXPECT_EQ(d.limit(8), c.slider) << c.alarm << "/" << c.shutdown;
        EXPECT_EQ(s.temp.TempShutdownLimit[8], c.slider) << c.alarm << "/" << c.shutdown;
    }
}

TEST(ShutdownSettings, LoadShowsLabelsActionDelayAndLimits) {
    Settings s = defaults(1);
    s.temp.TempUnit = 2;
    s.temp.TempShutdownLimit[0] = 61; // 141.8 F
    s.temp.TempShutdownOn[1] = 0;
    s.sys.ShutdownAction = 0;
    s.sys.ShutdownDelay = 15;
    s.pump.FlowUnit = 2;
    s.pump.PumpShutdownLimit[0] = "1500";
    s.pump.PumpShutdownOn[0] = 1;
    s.pump.FlowShutdownLimit[0] = "0.13";
    const ShutdownSettings d = loaded(s);
    EXPECT_EQ(d.limitLabel(0), "141");
    EXPECT_EQ(d.unitLabel(), "  F");
    EXPECT_TRUE(d.channelOn(0));
    EXPECT_FALSE(d.channelOn(1));
    EXPECT_EQ(d.action(), 0);
    EXPECT_EQ(d.delay(), 15);
    EXPECT_EQ(d.delayIndex(), 45);
    EXPECT_EQ(d.limits().pump[0], (LimitBox{true, "1,500"}));
    EXPECT_EQ(d.limits().flow[0], (LimitBox{false, "0.13"}));
    EXPECT_EQ(d.flowUnit(), "GPM");
    EXPECT_EQ(d.channels(), 5);

    Settings c = defaults();
    const ShutdownSettings e = loaded(c);
    EXPECT_EQ(e.limitLabel(0), "58");
    EXPECT_EQ(e.unitLabel(), "  C");
    EXPECT_EQ(e.action(), 1);
    EXPECT_EQ(e.delayIndex(), 0);

    const std::vector<std::string> items = ShutdownSettings::delayItems();
    ASSERT_EQ(items.size(), 60u);
    EXPECT_EQ(items.front(), "60");
    EXPECT_EQ(items[45], "15");
    EXPECT_EQ(items.back(), "1");
}

TEST(ShutdownSettings, ADelayOutsideTheListSelects60AndIsReportedButTheRestLoads) {
    for (const Int16 delay : {Int16{0}, Int16{61}, Int16{-1}}) {
        Settings s = defaults();
        s.sys.ShutdownDelay = delay;
        s.sys.ShutdownAction = 0;
        s.temp.TempShutdownLimit[3] = 70;
        ShutdownSettings d;
        const std::optional<std::string> error = d.mFrmDataSet(s);
        ASSERT_TRUE(error) << delay;
        EXPECT_NE(error->find(std::to_string(delay)), std::string::npos);
        EXPECT_EQ(d.delay(), 60) << delay;
        EXPECT_EQ(d.limit(3), 70) << delay;
        EXPECT_EQ(d.action(), 0) << delay;
    }
    for (const int index : {-3, 0, 59, 80}) {
        ShutdownSettings d;
        d.setDelayIndex(index);
        EXPECT_GE(d.delay(), 1);
        EXPECT_LE(d.delay(), 60);
    }
}

TEST(ShutdownSettings, SliderMovesKeepShutdownAboveAlarm) {
    struct Case {
        const char* what;
        Int16 group;
        std::vector<std::pair<int, int>> moves;
        std::vector<int> expected; // all ten sliders afterwards
    };
    // Alarm 50 on every channel except 55 on channel 2; shutdown 60 + i.
    const Case cases[] = {
        {"alone, above the alarm", kGroupOff, {{1, 70}}, {60, 70, 62, 63, 64, 65, 66, 67, 68, 69}},
        {"alone, onto the alarm: 1 C above", kGroupOff, {{1, 50}}, {60, 51, 62, 63, 64, 65, 66, 67, 68, 69}},
        {"alone, below the alarm: 1 C above", kGroupOff, {{2, 10}}, {60, 61, 56, 63, 64, 65, 66, 67, 68, 69}},
        {"group: all follow", kGroupOn, {{0, 55}}, {55, 56, 57, 58, 59, 60, 61, 62, 63, 64}},
        {"group: channel 2 would reach its alarm, nothing moves",
         kGroupOn,
         {{0, 53}},
         {60, 61, 62, 63, 64, 65, 66, 67, 68, 69}},
        {"group: a refused move after an accepted one springs back to the accepted one",
         kGroupOn,
         {{0, 56}, {0, 50}},
         {56, 57, 58, 59, 60, 61, 62, 63, 64, 65}},
        {"group: others stop at 100", kGroupOn, {{0, 95}}, {95, 96, 97, 98, 99, 100, 100, 100, 100, 100}},
        {"group: back onto the reference restores",
         kGroupOn,
         {{5, 80}, {5, 65}},
         {60, 61, 62, 63, 64, 65, 66, 67, 68, 69}},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        s.sys.SliderGroup = c.group;
        s.temp.TempAlarmLimit.fill(50);
        s.temp.TempAlarmLimit[2] = 55;
        for (std::size_t i = 0; i < 10; ++i)
            s.temp.TempShutdownLimit[i] = static_cast<Int16>(60 + i);
        ShutdownSettings d = loaded(s);
        for (const auto& [k, v] : c.moves)
            d.Slider1_Scroll(k, v);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(d.limit(i), c.expected[static_cast<std::size_t>(i)]) << c.what << " channel " << i;
    }
}

TEST(ShutdownSettings, GroupShiftByTheWholeTravelMovesOnlyTheSliderAboveItsAlarm) {
    Settings s = defaults();
    s.sys.SliderGroup = kGroupOn;
    s.temp.TempAlarmLimit.fill(0);
    s.temp.TempShutdownLimit.fill(1);
    ShutdownSettings d = loaded(s);
    d.Slider1_Scroll(3, 100); // d = 99
    EXPECT_EQ(d.limit(3), 100);
    EXPECT_EQ(d.limit(4), 1);
}

TEST(ShutdownSettings, SaveStoresTheFieldsAndRebuildsAllTenShutdownBytes) {
    struct Case {
        int action;
        int delayIndex;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 59}, Case{1, 30}}) {
        Settings s = defaults(1);
        ShutdownSettings d = loaded(s);
        d.setAction(c.action);
        d.setDelayIndex(c.delayIndex);
        d.ChkChAll_Click(true);
        d.setChannelOn(7, false); // hidden on the small board, still sent
        d.setChannelOn(2, false);
        d.Slider1_Scroll(0, 90);
        d.limits().pump[0] = {true, " 1,200 "};
        d.limits().flow[0] = {true, " 0.8 "};
        d.limits().pump[1].text = "not in use";
        ControlArray control = untouchedFrame();
        ASSERT_TRUE(d.save(s, control));
        EXPECT_EQ(s.sys.ShutdownAction, c.action);
        EXPECT_EQ(s.sys.ShutdownDelay, 60 - c.delayIndex);
        EXPECT_EQ(s.temp.TempShutdownLimit[0], 90);
        EXPECT_EQ(s.temp.TempShutdownOn[2], 0);
        EXPECT_EQ(s.temp.TempShutdownOn[7], 0);
        EXPECT_EQ(s.temp.TempShutdownOn[9], 1);
        EXPECT_EQ(control[ct::TempShutdown + 0], 90 + 62);
        EXPECT_EQ(control[ct::TempShutdown + 1], 58 + 62);
        EXPECT_EQ(control[ct::TempShutdown + 2], ShutdownSettings::kOffCode);
        EXPECT_EQ(control[ct::TempShutdown + 7], 162);
        EXPECT_EQ(control[ct::TempShutdown + 9], 58 + 62);
        EXPECT_EQ(control[ct::TempAlarm], kUntouched);
        EXPECT_EQ(s.pump.PumpShutdownLimit[0], "1,200");
        EXPECT_EQ(s.pump.PumpShutdownOn[0], 1);
        EXPECT_EQ(s.pump.FlowShutdownLimit[0], "0.8");
        EXPECT_EQ(s.pump.FlowShutdownOn[0], 1);
        EXPECT_EQ(s.pump.PumpShutdownLimit[1], "1500");
    }
}

TEST(ShutdownSettings, ARefusedLimitBoxLeavesEverythingAsItWas) {
    struct Case {
        const char* pump1;
        const char* flow1;
        LimitKind kind;
    };
    for (const Case& c : {Case{"", "0.5", LimitKind::Pump}, Case{"1500", "half", LimitKind::Flow}}) {
        Settings s = defaults();
        ShutdownSettings d = loaded(s);
        d.setAction(0);
        d.setDelayIndex(50);
        d.ChkChAll_Click(false);
        d.limits().pump[1].text = c.pump1;
        d.limits().flow[1].text = c.flow1;
        test::FakeDialogs dialogs;
        EXPECT_EQ(d.checkLimits(dialogs), (LimitField{c.kind, 1}));
        const Settings before = s;
        ControlArray control = untouchedFrame();
        EXPECT_FALSE(d.save(s, control));
        EXPECT_EQ(s, before);
        EXPECT_EQ(control, untouchedFrame());
        ASSERT_EQ(dialogs.standard.size(), 1u);
        EXPECT_EQ(dialogs.standard[0].title, "PC Shutdown");
        EXPECT_EQ(dialogs.standard[0].text, MessageText(c.kind == LimitKind::Pump ? 120 : 117));
    }
}

} // namespace
} // namespace vrx
