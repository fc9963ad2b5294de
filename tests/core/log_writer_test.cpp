// Recording: start, one line a second, full files, continuation, stop, and what happens when the
// disk fails under a running recording.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "diag/messages.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "fakes/fake_log_host.h"
#include "measure/status_text.h"
#include "recording/log_format.h"
#include "recording/log_writer.h"

namespace vrx {
namespace {

using test::FakeLogHost;
using Procedures = std::vector<std::string>;

constexpr const char* kFolder = "/vrx/Logs/";
constexpr const char* kFirst = "/vrx/Logs/VRX.log";

struct Rig {
    test::FakeFileAccess disk;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    FakeLogHost host;
    Settings s;
    ControllerState state;
    std::unique_ptr<LogWriter> writer;

    explicit Rig(Int16 periodIndex = 0, Int16 continuous = 1) {
        SetDefaults(s, "/vrx/");
        s.sys.BoardType = 2;
        s.sys.RecordPeriodIndex = periodIndex;
        s.sys.RecordContinuous = continuous;
        disk.folders.insert(kFolder);
        state.StatusText[kFirstTempEntry] = "35";
        state.StatusText[kFirstSpeedEntry] = "1,230";
        writer = std::make_unique<LogWriter>(s, state, LogWriterServices{clock, dialogs, host});
    }
    bool start() { return writer->mRecording({}); }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            clock.advanceMs(1000);
            writer->TimerLog_Timer();
        }
    }
    std::size_t lines(const std::string& path) const {
        const std::string& f = disk.files.at(path);
        return f.size() < kLogHeaderSize ? 0 : static_cast<std::size_t>(std::count(f.begin() + kLogHeaderSize, f.end(), '\n'));
    }
};

TEST(LogWriter, StartWritesTheHeaderAndShowsTheRecording) {
    Rig r;
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.disk.files.at(kFirst).size(), kLogHeaderSize);
    EXPECT_EQ(r.s.sys.Recording, 1);
    EXPECT_TRUE(r.host.indicator);
    EXPECT_TRUE(r.host.timerLog);
    EXPECT_EQ(r.writer->LogRecordLimit(), 60);
    r.tick();
    EXPECT_EQ(r.disk.files.at(kFirst).substr(kLogHeaderSize), "21:30:06, 35,,,,,,,,,,1230,,,,,,,,,,0001\r\n");
    r.writer->stop();
    r.tick();
    EXPECT_EQ(r.lines(kFirst), 1u);
    EXPECT_FALSE(r.host.indicator);
    EXPECT_FALSE(r.host.timerLog);
    EXPECT_EQ(r.s.sys.Recording, 0);
    EXPECT_TRUE(r.host.errors.empty());
}

TEST(LogWriter, AFullFileEndsTheRecordingOrContinuesInANewFile) {
    const struct {
        Int16 continuous;
        bool runsOn;
    } cases[] = {{1, true}, {0, false}, {-1, false}};
    for (const auto& c : cases) {
        Rig r(0, c.continuous);
        ASSERT_TRUE(r.start());
        r.tick(60);
        EXPECT_EQ(r.lines(kFirst), 60u);
        EXPECT_NE(r.disk.files.at(kFirst).find("0060\r\n"), std::string::npos);
        r.tick(); // 21:31:06, one second after the 60th line
        EXPECT_EQ(r.writer->recording(), c.runsOn) << c.continuous;
        const std::string next = "/vrx/Logs/VRX_120826213106.log";
        if (c.runsOn) {
            ASSERT_EQ(r.disk.files.count(next), 1u);
            EXPECT_EQ(r.disk.files.at(next).size(), kLogHeaderSize);
            r.tick();
            EXPECT_EQ(r.disk.files.at(next).substr(kLogHeaderSize, 9), "21:31:07,");
            EXPECT_EQ(r.disk.files.at(next).substr(r.disk.files.at(next).size() - 6), "0001\r\n");
            EXPECT_EQ(r.writer->LogFilePath(), next);
            EXPECT_TRUE(r.host.errors.empty());
        } else {
            EXPECT_EQ(r.disk.files.count(next), 0u);
            ASSERT_EQ(r.host.errors.size(), 1u);
            EXPECT_EQ(r.host.errors[0].procedure, "FrmMain.TimerLog_Timer");
            EXPECT_EQ(r.host.errors[0].number, 0);
            EXPECT_TRUE(r.host.told.empty()); // a normal end is no failure
        }
        EXPECT_EQ(r.lines(kFirst), 60u);
    }
}

TEST(LogWriter, PeriodIndexGivesTheLinesPerFileAndOutOfRangeReadsAsAnHour) {
    const struct {
        Int16 index;
        int limit;
        const char* code;
    } cases[] = {{1, 600, " 0600 "}, {2, 1800, " 1800 "}, {3, 3600, " 3600 "}, {-3, 3600, " 3600 "}, {9, 3600, " 3600 "}};
    for (const auto& c : cases) {
        Rig r(c.index, 0);
        ASSERT_TRUE(r.start());
        EXPECT_EQ(r.disk.files.at(kFirst).substr(177 + 8, 6), c.code);
        r.tick(c.limit);
        EXPECT_TRUE(r.writer->recording()) << c.index;
        r.tick();
        EXPECT_FALSE(r.writer->recording()) << c.index;
        EXPECT_EQ(r.lines(kFirst), static_cast<std::size_t>(c.limit));
    }
}

TEST(LogWriter, AnHourWithEveryChannelPresentIs378230Bytes) {
    Rig r(3, 0);
    for (std::size_t i = 0; i < 10; ++i) r.state.StatusText[kFirstTempEntry + i] = "5";
    for (std::size_t i = 0; i < 8; ++i) r.state.StatusText[kFirstSpeedEntry + i] = "900";
    r.state.StatusText[kFirstFlowEntry] = r.state.StatusText[kFirstFlowEntry + 1] = "1.5";
    ASSERT_TRUE(r.start());
    r.tick(3601);
    EXPECT_EQ(r.disk.files.at(kFirst).size(), 230u + 3600u * 105u);
    EXPECT_EQ(r.disk.files.at(kFirst).substr(r.disk.files.at(kFirst).size() - 11), " 1.5,3600\r\n");
}

TEST(LogWriter, SmallBoardClearsAbsentChannelsAfterTheFirstHeader) {
    Rig r;
    r.s.sys.BoardType = 1;
    ASSERT_TRUE(r.start());
    EXPECT_EQ(r.disk.files.at(kFirst).substr(177 + 26), "N 1111111111 111111 11 11\r\n");
    EXPECT_EQ(r.s.temp.TempRecord, (std::array<Int16, 10>{1, 1, 1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.s.fan.FanRecord, (std::array<Int16, 6>{1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(r.s.pump.PumpRecord, (std::array<Int16, 2>{1, 0}));
    EXPECT_EQ(r.s.pump.FlowRecord, (std::array<Int16, 2>{1, 0}));
}

TEST(LogWriter, MissingFolderWarnsThenOffersTheChooser) {
    const struct {
        bool picks;
        bool starts;
    } cases[] = {{false, false}, {true, true}};
    for (const auto& c : cases) {
        Rig r;
        r.disk.folders = {"/data/"};
        r.s.sys.LogFolder = "/gone/";
        const bool started = r.writer->mRecording([&] {
            if (c.picks) r.writer->adoptPickedFile("/data/run1.log");
            return c.picks;
        });
        EXPECT_EQ(started, c.starts);
        ASSERT_EQ(r.dialogs.standard.size(), 1u);
        EXPECT_EQ(r.dialogs.standard[0].title, "Log");
        EXPECT_EQ(r.dialogs.standard[0].text, "  " + MessageText(118));
        EXPECT_EQ(r.disk.files.count("/data/run1.log"), c.starts ? 1u : 0u);
        EXPECT_FALSE(r.disk.folders.count("/gone/")); // never created by the program
    }
}

TEST(LogWriter, AnExistingFileIsReplacedOnlyWhenTheUserConfirmedIt) {
    const struct {
        const char* what;
        bool picked;
        int answer;
        bool questioned, replaced;
    } cases[] = {
        {"asked, Yes", false, 0, true, true},
        {"asked, No", false, 1, true, false},
        {"asked, closed", false, 2, true, false},
        {"confirmed in the chooser", true, 1, false, true},
    };
    for (const auto& c : cases) {
        Rig r;
        r.disk.files[kFirst] = "old recording";
        if (c.picked) r.writer->adoptPickedFile(kFirst);
        r.dialogs.nextResults = {c.answer};
        EXPECT_EQ(r.start(), c.replaced) << c.what;
        EXPECT_EQ(r.dialogs.own.size(), c.questioned ? 1u : 0u) << c.what;
        if (c.questioned) {
            EXPECT_EQ(r.dialogs.own[0].title, "Log");
            EXPECT_EQ(r.dialogs.own[0].line1, MessageText(103));
            EXPECT_EQ(r.dialogs.own[0].widthTwips, 5600);
            EXPECT_EQ(r.dialogs.own[0].heightTwips, 1600);
            EXPECT_EQ(r.dialogs.own[0].mode, 1);
        }
        EXPECT_EQ(r.disk.files.at(kFirst) == "old recording", !c.replaced) << c.what;
    }
}

TEST(LogWriter, ARecordingJustMadeIsNotReplacedUnaskedByTheNextRecord) {
    Rig r;
    r.disk.files[kFirst] = "old";
    r.writer->adoptPickedFile(kFirst);
    ASSERT_TRUE(r.start());
    r.tick(3);
    r.writer->stop();
    r.dialogs.nextResults = {1};
    EXPECT_FALSE(r.start());
    EXPECT_EQ(r.dialogs.own.size(), 1u);
    EXPECT_EQ(r.lines(kFirst), 3u);
}

TEST(LogWriter, AChosenNameKeepsOnlyAFinalLogExtensionOff) {
    const struct {
        const char* chosen;
        const char* base;
        const char* folder;
    } cases[] = {{"/d/run1.log", "run1", "/d/"}, {"/d/run1", "run1", "/d/"}, {"/d/e/a.log.txt", "a.log.txt", "/d/e/"},
                 {"/d/.log", ".log", "/d/"}};
    for (const auto& c : cases) {
        Rig r;
        r.writer->adoptPickedFile(c.chosen);
        EXPECT_EQ(r.writer->LogBaseName(), c.base);
        EXPECT_EQ(r.s.sys.LogFolder, c.folder);
    }
}

TEST(LogWriter, ARunOnChosenNameContinuesUnderThatNameInThatFolder) {
    Rig r;
    r.disk.folders.insert("/data/");
    r.writer->adoptPickedFile("/data/run1.log");
    ASSERT_TRUE(r.start());
    r.tick(61);
    EXPECT_EQ(r.disk.files.count("/data/run1.log"), 1u);
    EXPECT_EQ(r.disk.files.count("/data/run1_120826213106.log"), 1u);
}

// ---- Faults of the disk and of the program's own state ----

TEST(LogWriterMends, AContinuationNameThatExistsGetsASuffix) {
    Rig r;
    const std::string taken = "/vrx/Logs/VRX_120826213106.log";
    r.disk.files[taken] = "someone else's";
    r.disk.files["/vrx/Logs/VRX_120826213106_2.log"] = "and another";
    ASSERT_TRUE(r.start());
    r.tick(62);
    EXPECT_EQ(r.disk.files.at(taken), "someone else's");
    EXPECT_EQ(r.disk.files.at("/vrx/Logs/VRX_120826213106_2.log"), "and another");
    EXPECT_EQ(r.lines("/vrx/Logs/VRX_120826213106_3.log"), 1u);
    EXPECT_TRUE(r.host.errors.empty());
}

TEST(LogWriterMends, FailuresWhileRecordingStopItLoggedAndToldOnce) {
    const struct {
        const char* what;
        int ticks; // before the fault
        void (*fault)(Rig&);
        Procedures logged;
        int number;
    } cases[] = {
        {"file removed", 5, [](Rig& r) { r.disk.files.erase(kFirst); },
         {"FrmMain.mLogSave", "FrmMain.TimerLog_Timer"}, ENOENT},
        {"disk full", 5, [](Rig& r) { r.disk.spaceLeft = 10; },
         {"FrmMain.mLogSave", "FrmMain.TimerLog_Timer"}, ENOSPC},
        {"folder read-only at the next file", 60, [](Rig& r) { r.disk.readOnlyFolders.insert(kFolder); },
         {"ModSub.gNewLogSave", "FrmMain.TimerLog_Timer"}, EACCES},
        {"folder removed at the next file", 60, [](Rig& r) { r.disk.folders.clear(); },
         {"ModSub.gNewLogSave", "FrmMain.TimerLog_Timer"}, ENOENT},
        {"reading not a number", 5, [](Rig& r) { r.state.StatusText[kFirstSpeedEntry] = "n/a"; },
         {"FrmMain.mLogSave", "FrmMain.TimerLog_Timer"}, EINVAL},
        {"flow meter setting spoiled", 60, [](Rig& r) { r.s.pump.TubeSize[0] = 7; },
         {"ModSub.gNewLogSave", "FrmMain.TimerLog_Timer"}, EINVAL},
    };
    for (const auto& c : cases) {
        Rig r;
        r.disk.files["/vrx/vrxsys.bin"] = "settings";
        ASSERT_TRUE(r.start());
        r.tick(c.ticks);
        c.fault(r);
        const std::string written = r.disk.files.count(kFirst) ? r.disk.files.at(kFirst) : "";
        r.tick(3);
        EXPECT_FALSE(r.writer->recording()) << c.what;
        EXPECT_FALSE(r.host.indicator) << c.what;
        EXPECT_FALSE(r.host.timerLog) << c.what;
        EXPECT_EQ(r.host.procedures(), c.logged) << c.what;
        EXPECT_EQ(r.host.errors.back().number, c.number) << c.what;
        EXPECT_EQ(r.host.told.size(), 1u) << c.what;
        EXPECT_EQ(r.disk.files.count(kFirst) ? r.disk.files.at(kFirst) : "", written) << c.what; // never re-created
        EXPECT_EQ(r.disk.files.at("/vrx/vrxsys.bin"), "settings") << c.what;
    }
}

TEST(LogWriterMends, AStartThatCannotWriteTheHeaderIsLoggedAndToldOnce) {
    const struct {
        const char* what;
        void (*fault)(Rig&);
        int number;
    } cases[] = {
        {"read-only folder", [](Rig& r) { r.disk.readOnlyFolders.insert(kFolder); }, EACCES},
        {"disk full", [](Rig& r) { r.disk.spaceLeft = 100; }, ENOSPC},
        {"bad flow meter model", [](Rig& r) { r.s.pump.FlowMeterModel[1] = 0; }, EINVAL},
    };
    for (const auto& c : cases) {
        Rig r;
        c.fault(r);
        EXPECT_FALSE(r.start()) << c.what;
        EXPECT_EQ(r.host.procedures(), (Procedures{"ModSub.gNewLogSave", "FrmLog.mRecording"})) << c.what;
        EXPECT_EQ(r.host.errors.back().number, c.number) << c.what;
        EXPECT_EQ(r.host.told.size(), 1u) << c.what;
        EXPECT_EQ(r.s.sys.Recording, 0) << c.what;
        EXPECT_FALSE(r.host.timerLog) << c.what;
        EXPECT_EQ(r.disk.files.count(kFirst), 0u) << c.what;
    }
}

TEST(LogWriterMends, ARecordingFlagLeftByACrashIsClearedAtLoad) {
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    FakeLogHost host;
    Settings s;
    SetDefaults(s, "/vrx/");
    s.sys.Recording = 1;
    ControllerState state;
    LogWriter writer(s, state, {clock, dialogs, host});
    EXPECT_EQ(s.sys.Recording, 0);
    EXPECT_FALSE(writer.recording());
}

TEST(LogWriterMends, DialogChangesWhileRecordingApplyFromTheNextFile) {
    Rig r;
    r.disk.folders.insert("/data/");
    ASSERT_TRUE(r.start());
    r.tick(10);
    r.s.sys.RecordPeriodIndex = 3;
    r.writer->adoptPickedFile("/data/other.log");
    EXPECT_EQ(r.writer->LogFilePath(), kFirst);
    r.tick(50);
    EXPECT_EQ(r.lines(kFirst), 60u);
    EXPECT_EQ(r.disk.files.count("/data/other.log"), 0u);
    r.tick(2);
    EXPECT_EQ(r.lines(kFirst), 60u); // the full file gets nothing more
    EXPECT_EQ(r.lines("/data/other_120826213106.log"), 1u);
    EXPECT_EQ(r.disk.files.at("/data/other_120826213106.log").substr(177 + 9, 4), "0060");
}

TEST(LogWriterMends, ChannelChangesWhileRecordingTakeEffectFromTheNextLine) {
    Rig r;
    ASSERT_TRUE(r.start());
    r.tick();
    r.s.temp.TempRecord[0] = 0;
    r.tick();
    const std::string& f = r.disk.files.at(kFirst);
    EXPECT_EQ(f.substr(177 + 28, 10), "1111111111"); // header keeps the selection it started with
    EXPECT_NE(f.find("21:30:06, 35,"), std::string::npos);
    EXPECT_NE(f.find("21:30:07,,"), std::string::npos);
}

} // namespace
} // namespace vrx
