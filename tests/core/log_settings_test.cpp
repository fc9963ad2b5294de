// The recording settings dialog's model: what it shows, what each control writes, the chooser,
// Record and Stop, and which controls a running recording locks.
#include <gtest/gtest.h>

#include <memory>

#include "diag/messages.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "fakes/fake_log_host.h"
#include "recording/log_settings.h"

namespace vrx {
namespace {

constexpr const char* kFolder = "/vrx/Logs/";

struct Rig {
    test::FakeFileAccess disk;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeLogHost host;
    Settings s;
    ControllerState state;
    std::unique_ptr<LogWriter> writer;

    explicit Rig(Int16 board = 2) {
        SetDefaults(s, "/vrx/");
        s.sys.BoardType = board;
        s.sys.RecordPeriodIndex = 0; // one-minute files
        s.sys.RecordContinuous = 0;
        disk.folders = {kFolder, "/data/"};
        writer = std::make_unique<LogWriter>(s, state, LogWriterServices{clock, dialogs, host});
    }
    void tick(int n) {
        for (int i = 0; i < n; ++i) {
            clock.advanceMs(1000);
            writer->TimerLog_Timer();
        }
    }
};

LogControls idle() { return {true, false, true, true, true}; }
LogControls locked() { return {false, true, false, false, false}; }
// Reopened while a recording runs: only Record and Stop show it.
LogControls reopened() { return {false, true, true, true, true}; }

void expectControls(const LogControls& got, const LogControls& want, const char* what) {
    EXPECT_EQ(got.record, want.record) << what;
    EXPECT_EQ(got.stop, want.stop) << what;
    EXPECT_EQ(got.channels, want.channels) << what;
    EXPECT_EQ(got.periodList, want.periodList) << what;
    EXPECT_EQ(got.folderButton, want.folderButton) << what;
}

TEST(LogSettings, OpeningShowsTheSettings) {
    Rig r;
    r.s.sys.RecordContinuous = 1;
    r.s.sys.RecordPeriodIndex = 2;
    r.s.fan.FanRecord[4] = 0;
    LogSettings m(r.s, *r.writer, r.dialogs);
    EXPECT_EQ(m.TxtPath(), "/vrx/Logs/VRX.log");
    EXPECT_FALSE(m.NamePicked());
    EXPECT_TRUE(m.continuous());
    EXPECT_EQ(m.periodIndex(), 2);
    EXPECT_FALSE(m.channel(LogGroup::Fan, 4));
    EXPECT_TRUE(m.channel(LogGroup::Fan, 3));
    expectControls(m.controls(), idle(), "idle");
    EXPECT_FALSE(m.checkTimer());
}

TEST(LogSettings, EachControlWritesItsSettingAtOnce) {
    Rig r;
    LogSettings m(r.s, *r.writer, r.dialogs);
    const struct {
        LogGroup group;
        int index;
        Int16* value;
    } cases[] = {{LogGroup::Temp, 0, &r.s.temp.TempRecord[0]}, {LogGroup::Temp, 9, &r.s.temp.TempRecord[9]},
                 {LogGroup::Fan, 5, &r.s.fan.FanRecord[5]},    {LogGroup::Pump, 1, &r.s.pump.PumpRecord[1]},
                 {LogGroup::Flow, 0, &r.s.pump.FlowRecord[0]}};
    for (const auto& c : cases) {
        m.setChannel(c.group, c.index, false);
        EXPECT_EQ(*c.value, 0) << c.index;
        m.setChannel(c.group, c.index, true);
        EXPECT_EQ(*c.value, 1) << c.index;
    }
    EXPECT_THROW(m.setChannel(LogGroup::Pump, 2, true), std::out_of_range);
    m.setContinuous(true);
    EXPECT_EQ(r.s.sys.RecordContinuous, 1);
    m.setContinuous(false);
    EXPECT_EQ(r.s.sys.RecordContinuous, 0);
    m.setPeriodIndex(3);
    EXPECT_EQ(r.s.sys.RecordPeriodIndex, 3);
    m.setPeriodIndex(7); // not a list position
    EXPECT_EQ(r.s.sys.RecordPeriodIndex, 3);
}

TEST(LogSettings, AStoredPeriodOutsideTheListShowsAsOneHour) {
    const struct {
        Int16 stored;
        int shown;
    } cases[] = {{0, 0}, {1, 1}, {3, 3}, {4, 3}, {-1, 3}};
    for (const auto& c : cases) {
        Rig r;
        r.s.sys.RecordPeriodIndex = c.stored;
        EXPECT_EQ(LogSettings(r.s, *r.writer, r.dialogs).periodIndex(), c.shown) << c.stored;
    }
}

TEST(LogSettings, SmallBoardShowsOnlyItsChannels) {
    const struct {
        LogGroup group;
        int large, small;
    } cases[] = {{LogGroup::Temp, 10, 5}, {LogGroup::Fan, 6, 3}, {LogGroup::Pump, 2, 1}, {LogGroup::Flow, 2, 1}};
    for (const Int16 board : {Int16{1}, Int16{2}}) {
        Rig r(board);
        LogSettings m(r.s, *r.writer, r.dialogs);
        for (const auto& c : cases) {
            const int shown = board == 1 ? c.small : c.large;
            for (int i = 0; i < c.large; ++i) EXPECT_EQ(m.channelShown(c.group, i), i < shown) << board << " " << i;
        }
    }
}

TEST(LogSettings, TheChooserAdoptsTheConfirmedFileOrChangesNothing) {
    const struct {
        const char* chosen;
        bool picked;
        const char* path;
        const char* folder;
    } cases[] = {
        {"", false, "/vrx/Logs/VRX.log", kFolder},
        {"/data/run1.log", true, "/data/run1.log", "/data/"},
        {"/data/", false, "/vrx/Logs/VRX.log", kFolder},
        // Only a final ".log" is taken off, so Record writes run1.txt.log, never run1.txt.
        {"/data/run1.txt", true, "/data/run1.txt.log", "/data/"},
    };
    for (const auto& c : cases) {
        Rig r;
        LogSettings m(r.s, *r.writer, r.dialogs);
        r.dialogs.nextSaveFiles = {c.chosen};
        EXPECT_EQ(m.mPickLogFile(), c.picked) << c.chosen;
        ASSERT_EQ(r.dialogs.saveRequests.size(), 1u);
        EXPECT_EQ(r.dialogs.saveRequests[0].title, "Log File Name");
        EXPECT_EQ(r.dialogs.saveRequests[0].filter, "Log Files (*.log)|*.log|All Files(*.*)|*.*");
        EXPECT_EQ(r.dialogs.saveRequests[0].folder, kFolder);
        EXPECT_EQ(m.NamePicked(), c.picked) << c.chosen;
        EXPECT_EQ(m.TxtPath(), c.path) << c.chosen;
        EXPECT_EQ(r.s.sys.LogFolder, c.folder) << c.chosen;
        EXPECT_EQ(r.writer->LogFilePath(), c.path) << c.chosen;
    }
}

TEST(LogSettings, AChosenFileIsReplacedWithoutASecondQuestionButOnlyInThisOpening) {
    const struct {
        bool reopened;
        std::size_t questions;
        bool replaced;
    } cases[] = {{false, 0, true}, {true, 1, false}};
    for (const auto& c : cases) {
        Rig r;
        r.disk.files["/data/run1.log"] = "old";
        LogSettings m(r.s, *r.writer, r.dialogs);
        r.dialogs.nextSaveFiles = {"/data/run1.log"};
        ASSERT_TRUE(m.mPickLogFile());
        if (c.reopened) m.mFirstSetup();
        EXPECT_EQ(m.NamePicked(), !c.reopened);
        r.dialogs.nextResults = {1}; // "No" to the overwrite question
        EXPECT_EQ(m.record(), c.replaced);
        EXPECT_EQ(r.dialogs.own.size(), c.questions);
        EXPECT_EQ(r.disk.files.at("/data/run1.log") == "old", !c.replaced);
    }
}

TEST(LogSettings, AChosenNameContinuesInItsFolder) {
    Rig r;
    r.s.sys.RecordContinuous = 1;
    LogSettings m(r.s, *r.writer, r.dialogs);
    r.dialogs.nextSaveFiles = {"/data/run1.log"};
    ASSERT_TRUE(m.mPickLogFile());
    ASSERT_TRUE(m.record());
    r.tick(61);
    EXPECT_EQ(r.writer->LogFilePath(), "/data/run1_120826213106.log");
    EXPECT_EQ(r.disk.files.count("/data/run1_120826213106.log"), 1u);
    EXPECT_EQ(r.s.sys.LogFolder, "/data/");
}

TEST(LogSettings, RecordLocksStopAndTheEndOfARecordingUnlock) {
    Rig r;
    LogSettings m(r.s, *r.writer, r.dialogs);
    ASSERT_TRUE(m.record());
    expectControls(m.controls(), locked(), "recording");
    EXPECT_TRUE(m.checkTimer());
    m.TimCheck_Timer();
    expectControls(m.controls(), locked(), "still recording");
    m.stop();
    expectControls(m.controls(), idle(), "stopped");
    EXPECT_EQ(r.s.sys.Recording, 0);
    EXPECT_FALSE(r.host.indicator);
    EXPECT_FALSE(r.host.timerLog);
    EXPECT_FALSE(m.checkTimer());

    // A single file that fills up ends the recording by itself; the check notices it.
    ASSERT_TRUE(m.record());
    r.tick(61);
    ASSERT_FALSE(r.writer->recording());
    expectControls(m.controls(), locked(), "before the check");
    m.TimCheck_Timer();
    expectControls(m.controls(), idle(), "after the check");
    EXPECT_FALSE(m.checkTimer());
}

TEST(LogSettings, ARecordThatDoesNotStartLeavesTheDialogIdle) {
    Rig r;
    r.s.sys.LogFolder = "/gone/";
    LogSettings m(r.s, *r.writer, r.dialogs);
    EXPECT_FALSE(m.record()); // warned, then the chooser was cancelled
    ASSERT_EQ(r.dialogs.standard.size(), 1u);
    EXPECT_EQ(r.dialogs.standard[0].text, "  " + MessageText(118));
    EXPECT_EQ(r.dialogs.saveRequests.size(), 1u);
    expectControls(m.controls(), idle(), "not started");
    EXPECT_FALSE(m.checkTimer());
}

TEST(LogSettings, ReopeningDuringARecordingKeepsItsFile) {
    Rig r;
    r.s.sys.RecordContinuous = 1;
    {
        LogSettings first(r.s, *r.writer, r.dialogs);
        ASSERT_TRUE(first.record());
    }
    r.tick(61); // now writing a continuation file
    LogSettings m(r.s, *r.writer, r.dialogs);
    EXPECT_EQ(m.TxtPath(), "/vrx/Logs/VRX_120826213106.log");
    expectControls(m.controls(), reopened(), "reopened");
    EXPECT_FALSE(m.checkTimer());
    // A choice made now applies from the next file on; the file being written stays.
    r.dialogs.nextSaveFiles = {"/data/run2.log"};
    ASSERT_TRUE(m.mPickLogFile());
    EXPECT_EQ(m.TxtPath(), "/data/run2.log");
    EXPECT_EQ(r.writer->LogFilePath(), "/vrx/Logs/VRX_120826213106.log");
    m.stop();
    expectControls(m.controls(), idle(), "stopped");
}

} // namespace
} // namespace vrx
