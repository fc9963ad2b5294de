#include <gtest/gtest.h>

#include <algorithm>

#include "core/alarm_rig.h"

namespace vrx {
namespace {

using test::AlarmRig;
using test::kStamp;

constexpr std::int16_t kBeeperOn = 1, kBeeperOff = 2;

bool contains(const std::vector<std::string>& v, const std::string& item) {
    return std::find(v.begin(), v.end(), item) != v.end();
}

TEST(AlarmResponse, PumpAlarmBeepsAndForcesTheOutputsOnce) {
    AlarmRig rig;
    rig.s.pump.PumpAlarmOn[0] = 1;
    rig.state.StatusText[st::PumpTach] = "0";
    rig.s.temp.TempWavFile.fill("/snd/a.wav");
    rig.sound.playableFiles = {"/snd/a.wav"};
    rig.s.pump.PumpGroup = 0;
    rig.s.pump.PumpLevel = {0, 5, 0};
    for (std::size_t row = 0; row < 3; ++row)
        rig.s.sys.PumpLevelTable(row, 10) = 20;
    rig.control(ct::PumpPower) = 4;
    rig.control(ct::PumpPower + 1) = 4;

    rig.ticks(2);
    EXPECT_EQ(rig.control(ct::Beeper), kBeeperOn);
    EXPECT_TRUE(rig.sound.loops().empty());
    for (std::size_t f = 0; f < 6; ++f)
        EXPECT_EQ(rig.control(ct::FanPower + f), 100) << f;
    EXPECT_EQ(rig.control(ct::PumpPower), 31);
    EXPECT_EQ(rig.control(ct::PumpPower + 1), 31);
    EXPECT_TRUE(rig.host.menusLocked);
    EXPECT_EQ(rig.s.pump.PumpGroup, 1);
    EXPECT_EQ(rig.s.pump.PumpLevel, (std::array<Int16, 3>{12, 12, 12}));
    for (std::size_t row = 0; row < 3; ++row) {
        EXPECT_EQ(rig.s.sys.PumpLevelTable(row, 10), 32);
        EXPECT_EQ(rig.s.sys.PumpLevelTable(row, 9), 29); // other levels keep their steps
    }
    // Saved once, after the settings were forced.
    EXPECT_EQ(rig.host.saves, 1);
    const auto lock = std::find(rig.host.events.begin(), rig.host.events.end(), "lock 1");
    ASSERT_NE(lock, rig.host.events.end());
    EXPECT_EQ(*std::next(lock), "save");
    EXPECT_EQ(rig.safety.AlarmActive, kTrue);
    EXPECT_EQ(rig.safety.AlarmCleared, kFalse);
    EXPECT_EQ(rig.logText(), kStamp + "Pump(RPM), ch1, 0, 2000\r\n" + kStamp + "Pump(RPM), ch1, 0, 2000\r\n");
}

TEST(AlarmResponse, SmallBoardForcesItsFansAndBothPumps) {
    AlarmRig rig(1);
    rig.temp(0, 70);
    for (std::size_t f = 3; f < 6; ++f)
        rig.control(ct::FanPower + f) = 55;
    rig.s.temp.TempWavFile[0] = "/snd/a.wav";
    rig.sound.playableFiles = {"/snd/a.wav"};
    rig.safety.SoundIndex = 8; // past the small board's channels: the rotation starts again
    rig.check.mChkAlarm();
    EXPECT_EQ(rig.sound.loops(), std::vector<std::string>{"/snd/a.wav"});
    for (std::size_t f = 0; f < 6; ++f)
        EXPECT_EQ(rig.control(ct::FanPower + f), f < 3 ? 100 : 55) << f;
    EXPECT_EQ(rig.control(ct::PumpPower), 31);
    EXPECT_EQ(rig.control(ct::PumpPower + 1), 31);
}

TEST(AlarmResponse, SilentModeKeepsEverythingButTheSound) {
    AlarmRig rig;
    rig.temp(0, 60);
    rig.s.pump.PumpAlarmOn[0] = 1;
    rig.state.StatusText[st::PumpTach] = "0";
    rig.s.temp.TempWavFile[0] = "/snd/a.wav";
    rig.sound.playableFiles = {"/snd/a.wav"};
    rig.s.sys.AlarmMute = kTrue;
    rig.ticks(3);
    EXPECT_TRUE(rig.sound.loops().empty());
    EXPECT_EQ(rig.control(ct::Beeper), kBeeperOff);
    const std::string perCheck =
        kStamp + "Temp.(C), ch1, 60, 55\r\n" + kStamp + "Pump(RPM), ch1, 0, 2000\r\n";
    EXPECT_EQ(rig.logText(), perCheck + perCheck + perCheck);
    EXPECT_EQ(rig.host.tempLooks.at(0), AlarmLook::Alarm);
    EXPECT_EQ(rig.control(ct::FanPower), 100);
    EXPECT_TRUE(rig.host.menusLocked);

    // Back to alarm mode: the beeper and the sound return; silent again: the next check stops it.
    rig.check.mSetAlarmMode(false, false);
    rig.ticks(20); // the rotation passes the channel twice: its sound starts once and keeps looping
    EXPECT_EQ(rig.sound.loops(), std::vector<std::string>{"/snd/a.wav"});
    EXPECT_EQ(rig.control(ct::Beeper), kBeeperOn);
    rig.check.mSetAlarmMode(true, false);
    EXPECT_EQ(rig.sound.calls.back(), "loop:/snd/a.wav"); // the switch itself stops nothing
    rig.check.mChkAlarm();
    EXPECT_EQ(rig.sound.calls.back(), "stop");
    EXPECT_EQ(rig.safety.SoundChannel, kNoSoundChannel);
    EXPECT_EQ(rig.control(ct::Beeper), kBeeperOff);
}

TEST(AlarmResponse, TwoSoundsAlternateWithTheRotation) {
    AlarmRig rig;
    rig.temp(1, 60);
    rig.temp(3, 60);
    rig.s.temp.TempWavFile[1] = "/snd/one.wav";
    rig.s.temp.TempWavFile[3] = "/snd/three.wav";
    rig.sound.playableFiles = {"/snd/one.wav", "/snd/three.wav"};
    // Tick k looks at channel (k - 1) mod 10.
    const std::vector<std::size_t> loopsAfterTick = {0, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 4};
    for (std::size_t k = 0; k < loopsAfterTick.size(); ++k) {
        rig.check.mChkAlarm();
        EXPECT_EQ(rig.sound.loops().size(), loopsAfterTick[k]) << "tick " << k + 1;
        EXPECT_EQ(rig.control(ct::Beeper), kBeeperOff);
    }
    EXPECT_EQ(rig.sound.loops(),
              (std::vector<std::string>{"/snd/one.wav", "/snd/three.wav", "/snd/one.wav", "/snd/three.wav"}));
    EXPECT_EQ(rig.safety.SoundChannel, 3);
}

TEST(AlarmResponse, RecoveredChannelStopsItsSoundAndRestartsOnTheRotation) {
    AlarmRig rig;
    rig.temp(1, 60);
    rig.temp(3, 60); // no sound file: the beeper stands in
    rig.s.temp.TempWavFile[1] = "/snd/one.wav";
    rig.sound.playableFiles = {"/snd/one.wav"};
    rig.ticks(2);
    EXPECT_EQ(rig.sound.loops().size(), 1u);
    EXPECT_EQ(rig.safety.SoundChannel, 1);
    EXPECT_EQ(rig.control(ct::Beeper), kBeeperOn);

    rig.temp(1, 40);
    rig.check.mChkAlarm();
    EXPECT_EQ(rig.sound.calls.back(), "stop");
    EXPECT_EQ(rig.safety.SoundChannel, kNoSoundChannel);

    rig.temp(1, 60);
    rig.ticks(8); // channels 3..9 and 0
    EXPECT_EQ(rig.sound.loops().size(), 1u);
    rig.check.mChkAlarm(); // channel 1 again
    EXPECT_EQ(rig.sound.loops().size(), 2u);
    EXPECT_FALSE(contains(rig.sound.lookedUp, ""));
    EXPECT_FALSE(contains(rig.sound.lookedUp, "1234"));
}

TEST(AlarmResponse, ChannelWithoutAPlayableSoundUsesTheBeeper) {
    struct Row {
        const char* path;
        bool playable;
    };
    for (const Row& r : {Row{"", false}, Row{"/snd/missing.wav", false}, Row{"/snd/a.wav", true}}) {
        SCOPED_TRACE(r.path);
        AlarmRig rig;
        rig.temp(0, 60);
        rig.s.temp.TempWavFile[0] = r.path;
        rig.sound.playableFiles = {"/snd/a.wav"};
        rig.check.mChkAlarm();
        EXPECT_EQ(rig.control(ct::Beeper), r.playable ? kBeeperOff : kBeeperOn);
        EXPECT_EQ(rig.sound.loops().size(), r.playable ? 1u : 0u);
        EXPECT_EQ(rig.safety.SoundChannel, r.playable ? 0 : kNoSoundChannel);
        EXPECT_EQ(rig.sound.lookedUp,
                  *r.path ? std::vector<std::string>{r.path} : std::vector<std::string>{});
    }
}

TEST(AlarmResponse, ClearRestoresTheFansOnceAndKeepsThePumps) {
    AlarmRig rig;
    rig.check.mChkAlarm(); // the first check after start-up runs the clear actions
    EXPECT_EQ(rig.host.events.back(), "lock 0");
    EXPECT_EQ(rig.sound.calls, std::vector<std::string>{"stop"});

    rig.s.fan.FanLevel = {12, 0, 5, 14, 12, 12, 12}; // group, then Auto, Level 3, Disable, Level 10 x3
    rig.s.sys.FanLevelTable(4, 10) = 70;
    rig.temp(0, 60);
    rig.s.temp.TempWavFile[0] = "/snd/a.wav";
    rig.sound.playableFiles = {"/snd/a.wav"};
    rig.check.mChkAlarm();
    EXPECT_EQ(rig.safety.SoundChannel, 0);
    rig.temp(0, 40);
    rig.host.events.clear();
    rig.ticks(2);
    const std::array<std::int16_t, 6> fans = {0, 30, 0, 70, 100, 100};
    for (std::size_t f = 0; f < 6; ++f)
        EXPECT_EQ(rig.control(ct::FanPower + f), fans[f]) << f;
    EXPECT_EQ(rig.control(ct::PumpPower), 31);
    EXPECT_EQ(rig.control(ct::PumpPower + 1), 31);
    EXPECT_EQ(rig.s.pump.PumpLevel, (std::array<Int16, 3>{12, 12, 12}));
    EXPECT_EQ(rig.sound.calls.back(), "stop");
    EXPECT_EQ(rig.safety.SoundChannel, kNoSoundChannel);
    EXPECT_EQ(rig.safety.SoundIndex, 0);
    EXPECT_EQ(rig.safety.AlarmCleared, kTrue);
    EXPECT_EQ(rig.safety.AlarmActive, kFalse);
    EXPECT_EQ(rig.host.events, (std::vector<std::string>{"temp 0 normal", "lock 0"}));
    EXPECT_EQ(rig.host.saves, 1); // only the entry saved
}

TEST(AlarmResponse, ModeSwitch) {
    struct Row {
        bool silent, quiet;
        Int16 muteBefore, muteAfter; // quiet (start-up) leaves the setting alone
        const char* balloon;         // "" = none
    };
    const Row rows[] = {{true, true, 0, 0, ""},
                        {false, true, kTrue, kTrue, ""},
                        {true, false, 0, kTrue, "i1:Silent Mode"},
                        {false, false, kTrue, 0, "i1:Alarm Mode"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.silent) + std::to_string(r.quiet));
        AlarmRig rig;
        rig.s.sys.AlarmMute = r.muteBefore;
        rig.check.mSetAlarmMode(r.silent, r.quiet);
        EXPECT_EQ(rig.host.modeImages, std::vector<bool>{r.silent});
        EXPECT_EQ(rig.host.balloons,
                  *r.balloon ? std::vector<std::string>{r.balloon} : std::vector<std::string>{});
        EXPECT_EQ(rig.s.sys.AlarmMute, r.muteAfter);
        EXPECT_TRUE(rig.sound.calls.empty());
    }
}

} // namespace
} // namespace vrx
