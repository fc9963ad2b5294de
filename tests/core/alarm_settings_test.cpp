#include "safety/alarm_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diag/messages.h"
#include "fakes/fake_alarm_sound.h"
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

AlarmSettings loaded(const Settings& s) {
    AlarmSettings a;
    a.mFirstSetup(s);
    return a;
}

ControlArray untouchedFrame() {
    ControlArray c;
    c.fill(kUntouched);
    return c;
}

TEST(AlarmSettings, LoadShowsLimitsInTheDisplayUnitAndTheStoredTexts) {
    struct Case {
        Int16 tempUnit;
        Int16 limit;
        const char* label;
    };
    // Fahrenheit is cut, not rounded: 1 C is 33.8 F and shows as 33.
    const Case cases[] = {{1, 55, "55   C"},  {2, 55, "131   F"}, {2, 1, "33   F"}, {2, 0, "32   F"},
                          {2, 99, "210   F"}, {2, 12, "53   F"},  {1, 0, "0   C"}};
    for (const auto& c : cases) {
        Settings s = defaults();
        s.temp.TempUnit = c.tempUnit;
        s.temp.TempAlarmLimit[4] = c.limit;
        EXPECT_EQ(loaded(s).limitLabel(4), c.label) << c.limit;
    }

    Settings s = defaults(1);
    s.sys.AlarmMute = kTrue;
    s.temp.TempName[2] = "CPU";
    s.temp.TempAlarmOn[2] = 0;
    s.temp.TempAlarmLimit[3] = 150; // a damaged file: the slider ends at 99
    s.pump.FlowUnit = 2;
    s.pump.PumpAlarmLimit[0] = "1500";
    s.pump.PumpAlarmLimit[1] = "fast";
    s.pump.FlowAlarmLimit[0] = " 0.5 ";
    s.pump.PumpAlarmOn[0] = 1;
    const AlarmSettings a = loaded(s);
    EXPECT_TRUE(a.silent());
    EXPECT_EQ(a.channels(), 5);
    EXPECT_EQ(a.devices(), 1);
    EXPECT_EQ(a.channelName(2), "CPU");
    EXPECT_FALSE(a.channelOn(2));
    EXPECT_TRUE(a.channelOn(3));
    EXPECT_EQ(a.limit(3), 99);
    EXPECT_EQ(a.flowUnit(), "GPM");
    EXPECT_EQ(a.limits().pump[0].text, "1,500");
    EXPECT_EQ(a.limits().pump[1].text, "fast");
    EXPECT_EQ(a.limits().flow[0].text, " 0.5 ");
    EXPECT_TRUE(a.limits().pump[0].on);
    EXPECT_FALSE(a.limits().flow[0].on);
    EXPECT_FALSE(loaded(defaults()).silent());
    EXPECT_EQ(loaded(defaults()).flowUnit(), "LPM");
}

TEST(AlarmSettings, SliderMovesAloneOrAsAGroupFromTheReferences) {
    struct Case {
        const char* what;
        Int16 group;
        int board;
        std::vector<std::pair<int, int>> moves; // (slider, value) in order
        std::vector<int> expected;              // all ten sliders afterwards
    };
    // Channels start at 50 + i.
    const Case cases[] = {
        {"group off moves one", kGroupOff, 2, {{3, 70}}, {50, 51, 52, 70, 54, 55, 56, 57, 58, 59}},
        {"group on: slider 3 by +4 moves all by +4",
         kGroupOn,
         2,
         {{3, 57}},
         {54, 55, 56, 57, 58, 59, 60, 61, 62, 63}},
        {"small board: channels 6..10 stay",
         kGroupOn,
         1,
         {{0, 45}},
         {45, 46, 47, 48, 49, 55, 56, 57, 58, 59}},
        {"back onto the reference restores the spacing",
         kGroupOn,
         2,
         {{3, 60}, {3, 53}},
         {50, 51, 52, 53, 54, 55, 56, 57, 58, 59}},
        {"moves are measured from the references, not chained",
         kGroupOn,
         2,
         {{0, 52}, {0, 49}},
         {49, 50, 51, 52, 53, 54, 55, 56, 57, 58}},
        {"others stop at the slider's ends",
         kGroupOn,
         2,
         {{0, 95}},
         {95, 96, 97, 98, 99, 99, 99, 99, 99, 99}},
    };
    for (const auto& c : cases) {
        Settings s = defaults(c.board);
        s.sys.SliderGroup = c.group;
        for (std::size_t i = 0; i < 10; ++i)
            s.temp.TempAlarmLimit[i] = static_cast<Int16>(50 + i);
        AlarmSettings a = loaded(s);
        for (const auto& [k, v] : c.moves)
            a.Slider1_Scroll(k, v);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(a.limit(i), c.expected[static_cast<std::size_t>(i)]) << c.what << " channel " << i;
    }
}

TEST(AlarmSettings, AShiftByTheWholeTravelAndTheGroupMenuReferences) {
    Settings s = defaults();
    s.sys.SliderGroup = kGroupOn;
    s.temp.TempAlarmLimit.fill(40);
    s.temp.TempAlarmLimit[0] = 0;
    AlarmSettings a = loaded(s);
    a.Slider1_Scroll(0, 99); // d = 99 moves only the slider itself
    EXPECT_EQ(a.limit(0), 99);
    EXPECT_EQ(a.limit(1), 40);

    // Group off, spread the sliders, then the menu: the new spacing is what group moves keep.
    a.mnu_group(kGroupOff);
    a.Slider1_Scroll(1, 30);
    a.mnu_group(kGroupOn);
    a.takeReferences();
    a.Slider1_Scroll(2, 45);
    EXPECT_EQ(a.limit(0), 99);
    EXPECT_EQ(a.limit(1), 35);
    EXPECT_EQ(a.limit(9), 45);

    Settings stored = defaults();
    EXPECT_FALSE(loaded(stored).storeSliderGroup(stored)); // loaded as is: nothing to save
    EXPECT_TRUE(a.storeSliderGroup(stored));
    EXPECT_EQ(stored.sys.SliderGroup, kGroupOn);
    EXPECT_FALSE(a.storeSliderGroup(stored));
}

TEST(AlarmSettings, SoundFileChosenRefusedClearedAndPreviewed) {
    struct Case {
        const char* what;
        std::string chosen; // "" = cancelled
        bool unplayable;
        bool taken;
        const char* title; // the channel's title afterwards
    };
    const Case cases[] = {
        {"a wav file", "/home/u/sounds/siren.wav", false, true, "siren.wav"},
        {"upper-case name", "/home/u/BELL.WAV", false, true, "BELL.WAV"},
        {"cancelled", "", false, false, "old.wav"},
        {"not a wav name", "/home/u/siren.mp3", false, false, "old.wav"},
        {"a .wav the sound service cannot play", "/home/u/broken.wav", true, false, "old.wav"},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        s.sys.LogFolder = "/data/Logs/";
        s.temp.TempWavTitle[6] = "old.wav";
        s.temp.TempWavFile[6] = "/old/old.wav";
        AlarmSettings a = loaded(s);
        test::FakeDialogs dialogs;
        test::FakeAlarmSound sound;
        dialogs.nextFiles.push_back(c.chosen);
        if (!c.unplayable) sound.playableFiles.insert(c.chosen);
        EXPECT_EQ(a.ImgFile_Click(6, dialogs, sound), c.taken) << c.what;
        EXPECT_EQ(a.soundTitle(6), c.title) << c.what;
        EXPECT_EQ(a.soundPath(6), c.taken ? c.chosen : "/old/old.wav") << c.what;
        ASSERT_EQ(dialogs.openRequests.size(), 1u);
        EXPECT_EQ(dialogs.openRequests[0].title, "Open WAVE file");
        EXPECT_EQ(dialogs.openRequests[0].filter, "WAVE Files (*.wav)|*.wav|All Files(*.*)|*.*");
        EXPECT_EQ(dialogs.openRequests[0].folder, "/data/Logs/");
        const bool refused = !c.taken && !c.chosen.empty();
        ASSERT_EQ(dialogs.standard.size(), refused ? 1u : 0u) << c.what;
        if (refused) {
            EXPECT_EQ(dialogs.standard[0].title, "Open wav file");
            EXPECT_EQ(dialogs.standard[0].text, MessageText(112) + "\n\n" + MessageText(113));
        }
    }

    Settings s = defaults();
    s.temp.TempWavTitle[1] = "ab";
    s.temp.TempWavFile[1] = "/s/ab";
    s.temp.TempWavTitle[2] = "abc";
    s.temp.TempWavFile[2] = "/s/abc";
    AlarmSettings a = loaded(s);
    EXPECT_EQ(a.soundTip(1), "");
    EXPECT_EQ(a.soundTip(2), " /s/abc ");
    test::FakeAlarmSound sound;
    sound.playableFiles = {"/s/abc"};
    EXPECT_TRUE(a.ImgWav_Click(2, sound));
    EXPECT_FALSE(a.ImgWav_Click(0, sound)); // no file: nothing plays
    a.mnu_clear(2);
    EXPECT_FALSE(a.ImgWav_Click(2, sound));
    EXPECT_EQ(sound.calls, std::vector<std::string>{"once:/s/abc"}); // a preview, never a loop
    EXPECT_EQ(a.soundTitle(2), "");
    EXPECT_EQ(a.soundTip(2), "");

    Settings saved = defaults();
    ControlArray control = untouchedFrame();
    ASSERT_TRUE(a.save(saved, control));
    EXPECT_EQ(saved.temp.TempWavTitle[2], "");
    EXPECT_EQ(saved.temp.TempWavFile[2], "");
    EXPECT_EQ(saved.temp.TempWavFile[1], "/s/ab");
}

TEST(AlarmSettings, SaveStoresTheFieldsAndRebuildsTheAlarmBytes) {
    Settings s = defaults(2);
    s.temp.TempShutdownLimit[0] = 60;
    s.temp.TempShutdownLimit[1] = 60;
    s.pump.FlowUnit = 2;
    AlarmSettings a = loaded(s);
    a.setSilent(true);
    a.setChannelOn(4, false);
    a.Slider1_Scroll(0, 70); // above its shutdown temperature: that becomes 100
    a.Slider1_Scroll(1, 60); // equal to it: stays
    a.Slider1_Scroll(9, 0);
    a.limits().pump[1] = {true, " 1500 "};
    a.limits().flow[1] = {true, " 0.26 "};
    ControlArray control = untouchedFrame();
    ASSERT_TRUE(a.save(s, control));

    EXPECT_EQ(s.sys.AlarmMute, kTrue);
    EXPECT_EQ(s.temp.TempAlarmLimit[0], 70);
    EXPECT_EQ(s.temp.TempShutdownLimit[0], 100);
    EXPECT_EQ(s.temp.TempShutdownLimit[1], 60);
    EXPECT_EQ(s.temp.TempAlarmOn[4], 0);
    EXPECT_EQ(s.temp.TempAlarmOn[5], 1);
    EXPECT_EQ(s.pump.PumpAlarmLimit[1], " 1500 "); // as typed
    EXPECT_EQ(s.pump.PumpAlarmOn[1], 1);
    EXPECT_EQ(s.pump.FlowAlarmLimit[1], "0.26"); // trimmed, in the unit it was typed in (GPM)
    EXPECT_EQ(control[ct::TempAlarm + 0], 70 + 62);
    EXPECT_EQ(control[ct::TempAlarm + 4], AlarmSettings::kOffCode);
    EXPECT_EQ(control[ct::TempAlarm + 5], 55 + 62);
    EXPECT_EQ(control[ct::TempAlarm + 9], 62);
    EXPECT_EQ(control[ct::TempShutdown], kUntouched); // the shutdown bytes wait for their own dialog

    // The next opening shows the pump limit grouped.
    EXPECT_EQ(loaded(s).limits().pump[1].text, "1,500");

    // A small board stores and sends channels 1..5 and pump 1 only.
    Settings small = defaults(1);
    AlarmSettings b = loaded(small);
    b.ChkChAll_Click(false);
    b.limits().pump[1].text = "not saved";
    ControlArray c2 = untouchedFrame();
    ASSERT_TRUE(b.save(small, c2));
    EXPECT_EQ(small.temp.TempAlarmOn[4], 0);
    EXPECT_EQ(small.temp.TempAlarmOn[5], 1);
    EXPECT_EQ(c2[ct::TempAlarm + 4], 160);
    EXPECT_EQ(c2[ct::TempAlarm + 5], kUntouched);
    EXPECT_EQ(small.pump.PumpAlarmLimit[1], "2,000");
    EXPECT_EQ(small.sys.AlarmMute, kFalse);
}

TEST(AlarmSettings, ARefusedLimitBoxLeavesEverythingAsItWas) {
    struct Case {
        const char* what;
        int board;
        const char* pump0;
        const char* flow0;
        const char* pump1;
        const char* flow1;
        bool saved;
        LimitKind kind; // the refused box, when not saved
        int unit;
    };
    const Case cases[] = {
        {"all numbers", 2, " 1,500 ", "2.0", "1e3", "0", true, LimitKind::Pump, 0},
        {"empty pump", 2, "  ", "2.0", "1500", "2.0", false, LimitKind::Pump, 0},
        {"pump 1 before flow 1", 2, "x", "y", "1500", "2.0", false, LimitKind::Pump, 0},
        {"flow 1 before pump 2", 2, "1500", "2.0.1", "x", "2.0", false, LimitKind::Flow, 0},
        {"flow 2", 2, "1500", "2.0", "1500", "LPM", false, LimitKind::Flow, 1},
        {"negative pump", 2, "-5", "2.0", "1500", "2.0", false, LimitKind::Pump, 0},
        {"pump beyond 16 bits", 2, "32768", "2.0", "1500", "2.0", false, LimitKind::Pump, 0},
        {"pump at the top", 2, "32,767", "2.0", "1500", "1000", true, LimitKind::Pump, 0},
        {"flow beyond 1000", 2, "1500", "1000.5", "1500", "2.0", false, LimitKind::Flow, 0},
        {"small board ignores pump 2", 1, "1500", "2.0", "x", "y", true, LimitKind::Pump, 0},
    };
    for (const auto& c : cases) {
        Settings s = defaults(c.board);
        AlarmSettings a = loaded(s);
        a.setSilent(true);
        a.Slider1_Scroll(0, 80);
        a.limits().pump[0].text = c.pump0;
        a.limits().flow[0].text = c.flow0;
        a.limits().pump[1].text = c.pump1;
        a.limits().flow[1].text = c.flow1;
        test::FakeDialogs dialogs;
        const std::optional<LimitField> bad = a.checkLimits(dialogs);
        const Settings before = s;
        ControlArray control = untouchedFrame();
        EXPECT_EQ(a.save(s, control), c.saved) << c.what;
        if (c.saved) {
            EXPECT_FALSE(bad) << c.what;
            EXPECT_TRUE(dialogs.standard.empty()) << c.what;
            continue;
        }
        EXPECT_EQ(bad, (LimitField{c.kind, c.unit})) << c.what;
        EXPECT_EQ(s, before) << c.what;
        EXPECT_EQ(control, untouchedFrame()) << c.what;
        ASSERT_EQ(dialogs.standard.size(), 1u) << c.what;
        EXPECT_EQ(dialogs.standard[0].title, "Alarm");
        EXPECT_EQ(dialogs.standard[0].text, MessageText(c.kind == LimitKind::Pump ? 120 : 117)) << c.what;
        EXPECT_EQ(dialogs.standard[0].icon, BoxIcon::Warning);
    }
}

} // namespace
} // namespace vrx
