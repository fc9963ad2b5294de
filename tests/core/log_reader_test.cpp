// Reading recordings back: files from the writer, files without a name block, everything that
// is no recording, files cut short, and the bound on how much of a file is ever read.
#include <gtest/gtest.h>

#include "core/log_fixture.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_file_access.h"
#include "fakes/fake_log_host.h"
#include "recording/log_writer.h"

namespace vrx {
namespace {

using test::logFile;
using test::logSettings;
using test::parsed;
using test::readings;

constexpr std::size_t kSettingsAt = 177; // the settings line in a file with a name block
constexpr std::size_t kDataAt = kLogHeaderSize;

std::string replaced(std::string s, std::size_t at, const std::string& text) {
    return s.replace(at, text.size(), text);
}

// A data line with field 1 as given and the other nineteen empty.
std::string lineWithField1(const std::string& field) {
    return "14:30:05," + field + "," + std::string(19, ',') + "0001\r\n";
}

const std::string kHeader = *buildLogHeader(logSettings(), test::kLogStart, 60);
const std::string kTwoLines =
    logFile(logSettings(), 60,
            {readings({"-30", "130", "35"}),
             readings({"5",     "",    "S-S", "", "", "", "",      "", "",    "",
                       "1,230", "900", "",    "", "", "", "2,400", "", "1.5", "12.3"})});

TEST(LogReader, AFileTheWriterWroteLoadsWithItsNamesSettingsAndValues) {
    test::FakeFileAccess disk;
    disk.folders.insert("/vrx/Logs/");
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeLogHost host;
    Settings s = logSettings();
    s.temp.TempName[0] = "W\xc3\xa4rme"; // UTF-8, stored in Windows-1252
    s.temp.TempName[1] = "VeryLongName";
    s.pump.FlowName[1] = "Loop";
    s.pump.FlowMeterModel = {2, 1};
    s.pump.TubeSize = {1, 2};
    s.temp.TempRecord[3] = 0;
    s.fan.FanRecord[5] = 0;
    ControllerState state;
    state.StatusText = readings({"-30",   "130", "35", "40", "S-O", "",    "",      "", "",    "",
                                 "1,230", "",    "",   "",   "",    "600", "2,400", "", "1.5", "12.3"});
    LogWriter writer(s, state, {clock, dialogs, host});
    ASSERT_TRUE(writer.mRecording({}));
    for (int i = 0; i < 3; ++i) {
        clock.advanceMs(1000);
        writer.TimerLog_Timer();
    }
    const std::string path = writer.LogFilePath();
    const std::string bytes = disk.files.at(path);

    const LogLoad load = mResetData(path);
    ASSERT_TRUE(load.ok()) << load.failure.description;
    const Recording& r = *load.recording;
    EXPECT_EQ(r.names[0], "W\xc3\xa4rme");
    EXPECT_EQ(r.names[1], "VeryLong");
    EXPECT_EQ(r.names[10], "Fan1");
    EXPECT_EQ(r.names[16], "Pump1");
    EXPECT_EQ(r.names[19], "Loop");
    EXPECT_EQ(r.LogLineLimit, 3600);
    EXPECT_EQ(r.LogFlowModel, (std::array<std::string, 2>{"16", "17"}));
    EXPECT_EQ(r.LogTubeCode, (std::array<std::string, 2>{"10", "06"}));
    EXPECT_EQ(r.LogBoardFlag, 'Y');
    EXPECT_EQ(r.startDate, "12/08/26");
    EXPECT_FALSE(r.recorded(4));
    EXPECT_FALSE(r.recorded(16));
    EXPECT_TRUE(r.recorded(20));
    ASSERT_EQ(r.loadedLines(), 3);
    EXPECT_EQ(r.time(1), "21:30:06");
    EXPECT_EQ(r.time(3), "21:30:08");
    const struct {
        int channel;
        double value;
    } values[] = {{1, -30},       {2, 130},       {3, 35},    {4, kNoValue}, {5, kNoValue}, {11, 1230},
                  {12, kNoValue}, {16, kNoValue}, {17, 2400}, {19, 1.5},     {20, 12.3}};
    for (const auto& v : values)
        for (int line = 1; line <= 3; ++line)
            EXPECT_EQ(r.value(v.channel, line), v.value) << "channel " << v.channel << " line " << line;
    EXPECT_EQ(r.value(1, 4), kNoValue);
    EXPECT_EQ(r.value(1, 0), kNoValue);

    // The same file from its settings line on: default names, everything else the same.
    const Recording bare = parsed(bytes.substr(kSettingsAt));
    EXPECT_EQ(bare.names[0], "CH.1");
    EXPECT_EQ(bare.names[9], "CH.10");
    EXPECT_EQ(bare.names[15], "Fan.6");
    EXPECT_EQ(bare.names[17], "Pump.2");
    EXPECT_EQ(bare.names[18], "Flow Meter.1");
    EXPECT_EQ(bare.lines, r.lines);
    EXPECT_EQ(bare.LogTimes, r.LogTimes);
    EXPECT_EQ(bare.LogChannelOn, r.LogChannelOn);
}

TEST(LogReader, WhatIsNoRecordingIsRejectedWithoutAModel) {
    const std::string validLine = lineWithField1(" 35");
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty file", ""},
        {"header only", kHeader},
        {"name block without its end", replaced(kHeader, 173, "  ") + validLine},
        {"names but no settings line", kHeader.substr(0, kSettingsAt) + validLine},
        {"settings line without its line end", replaced(kHeader, 228, "  ") + validLine},
        {"limit above 3600", replaced(kTwoLines, kSettingsAt + 9, "3601")},
        {"limit 0", replaced(kTwoLines, kSettingsAt + 9, "0000")},
        {"limit not a number", replaced(kTwoLines, kSettingsAt + 9, "06a0")},
        {"limit with a blank", replaced(kTwoLines, kSettingsAt + 9, " 600")},
        {"negative limit", replaced(kTwoLines, kSettingsAt + 9, "-060")},
        {"temperature flag not a digit", replaced(kTwoLines, kSettingsAt + 30, "x")},
        {"flow flag not a digit", replaced(kTwoLines, kSettingsAt + 50, "-")},
        {"settings fields out of place", replaced(kTwoLines, kSettingsAt + 13, "x")},
        {"month 13", replaced(kTwoLines, kSettingsAt, "13")},
        {"30 February", replaced(kTwoLines, kSettingsAt, "02/30")},
        {"short data line", kHeader + "14:30:05" + std::string(19, ',') + "0001\r\n"},
        {"no comma after the time", replaced(kTwoLines, kDataAt + 8, ";")},
        {"hour 25", replaced(kTwoLines, kDataAt, "25")},
        {"time without colons", replaced(kTwoLines, kDataAt, "14-30-05")},
        {"only a line without its line end", kHeader + "14:30:05, 35"},
        {"CR without LF", kHeader + "14:30:05," + std::string(20, ',') + "0001\rx" + validLine},
        {"bad line after good ones", kTwoLines + lineWithField1("3x")},
    };
    for (const auto& c : cases) {
        const LogParse p = parseRecording(c.bytes);
        EXPECT_FALSE(p.recording) << c.what;
        EXPECT_FALSE(p.reason.empty()) << c.what;
    }
}

TEST(LogReader, FieldsAreReadAsStrictDecimalNumbers) {
    const struct {
        const char* field;
        std::optional<double> value;
    } cases[] = {
        {" 35", 35},    {"-30", -30}, {"130", 130},
        {"12.3", 12.3}, {"-0", 0},    {"0000000000000035", 35},
        {"nan", {}},    {"inf", {}},  {"-inf", {}},
        {"0x1f", {}},   {"1e3", {}},  {"35x", {}},
        {"+35", {}},    {"3 5", {}},  {"35 ", {}},
        {".", {}},      {"-", {}},    {"1.", {}},
        {".5", {}},     {"   ", {}},  {"00000000000000035", {}}, // longer than any field can be
    };
    for (const auto& c : cases) {
        const LogParse p = parseRecording(kHeader + lineWithField1(c.field));
        ASSERT_EQ(p.recording.has_value(), c.value.has_value()) << '"' << c.field << "\" " << p.reason;
        if (c.value) {
            EXPECT_EQ(p.recording->value(1, 1), *c.value) << c.field;
            EXPECT_EQ(p.recording->value(2, 1), kNoValue);
        }
    }
}

TEST(LogReader, AFileCutShortLoadsTheLinesItHas) {
    std::vector<StatusTextArray> lines;
    for (int n = 1; n <= 5; ++n)
        lines.push_back(readings({std::to_string(20 + n)}));
    const std::string full = logFile(logSettings(), 60, lines);
    const std::size_t lineSize = (full.size() - kLogHeaderSize) / 5;
    const struct {
        int k;
        std::size_t partial; // bytes of line k + 1 written before its line end
    } cases[] = {{1, 0}, {1, 12}, {4, 0}, {4, lineSize - 2}, {5, 0}};
    for (const auto& c : cases) {
        const Recording r = parsed(full.substr(0, kLogHeaderSize + lineSize * c.k + c.partial));
        EXPECT_EQ(r.LogLineLimit, 60);
        ASSERT_EQ(r.loadedLines(), c.k) << c.partial;
        EXPECT_EQ(r.value(1, c.k), 20 + c.k);
        EXPECT_EQ(r.value(1, c.k + 1), kNoValue);
        EXPECT_EQ(r.time(c.k + 1), "");
    }
}

TEST(LogReader, LinesPastTheLimitAreIgnored) {
    std::vector<StatusTextArray> lines(62, readings({"30"}));
    const std::string file = logFile(logSettings(), 60, lines) + "not a data line\r\n";
    EXPECT_EQ(parsed(file).loadedLines(), 60);
    // An unusual limit still loads, and its lines are counted against it.
    EXPECT_EQ(parsed(replaced(file, kSettingsAt + 9, "0005")).loadedLines(), 5);
}

TEST(LogReader, NoMoreIsReadThanAFullHourOfTheLongestLinesCanNeed) {
    // The longest line the writer can write sets the bound.
    Settings s = logSettings();
    const StatusTextArray widest =
        readings({"-30",   "130",   "-30",   "130",   "-30",   "130",   "-30",   "130",   "-30",  "130",
                  "7,650", "7,650", "7,650", "7,650", "7,650", "7,650", "7,650", "7,650", "77.5", "77.5"});
    std::vector<StatusTextArray> hour(kLogMaxLines, widest);
    const std::string full = logFile(s, kLogMaxLines, hour);
    ASSERT_EQ(full.size(), kMaxLogFileBytes);
    EXPECT_EQ(parsed(full + "trailing bytes").loadedLines(), kLogMaxLines);

    // Lines padded past what the writer writes reach the bound early; the rest of the file, even
    // a broken line, is never read.
    test::FakeFileAccess disk;
    std::string wide = "14:30:05,";
    for (int c = 0; c < kLogChannels; ++c)
        wide += std::string(14, ' ') + "35,";
    wide += "0001\r\n";
    std::string file = *buildLogHeader(s, test::kLogStart, kLogMaxLines);
    for (int n = 0; n < 3000; ++n)
        file += n == 2500 ? lineWithField1("broken") : wide;
    disk.files["/logs/wide.log"] = file;
    const LogLoad load = mResetData("/logs/wide.log");
    ASSERT_TRUE(load.ok()) << load.failure.description;
    EXPECT_EQ(static_cast<std::size_t>(load.recording->loadedLines()),
              (kMaxLogFileBytes - kLogHeaderSize) / wide.size());
}

TEST(LogReader, LoadFailuresNameTheMessageAndTheLogEntry) {
    test::FakeFileAccess disk;
    disk.folders.insert("/logs/");
    disk.files["/logs/good.log"] = kTwoLines;
    disk.files["/logs/bad.log"] = kHeader;
    const struct {
        const char* path;
        int message;
        const char* procedure;
    } cases[] = {
        {"/logs/good.log", 0, ""},
        {"/logs/missing.log", kMessageFileNotFound, ""},
        {"/logs/bad.log", kMessageNotARecording, "FrmxPlayer.mResetData"},
        {"/logs/", kMessageNotARecording, "FrmxPlayer.mLoadBin"},
    };
    for (const auto& c : cases) {
        const LogLoad load = mResetData(c.path);
        EXPECT_EQ(load.ok(), c.message == 0) << c.path;
        EXPECT_EQ(load.messageNumber, c.message) << c.path;
        EXPECT_EQ(load.procedure, c.procedure) << c.path;
        EXPECT_EQ(load.failure.ok(), std::string(c.procedure).empty()) << c.path;
    }
    EXPECT_EQ(mResetData("/logs/missing.log").message(), "File Not found.");
    EXPECT_EQ(mResetData("/logs/bad.log").message(), "This is not a valid VRX recording file.");
}

} // namespace
} // namespace vrx
