// The log format's texts: header bytes for every controller and flow meter choice, data lines for
// present, open, shorted and missing readings, line limits and file names.
#include <gtest/gtest.h>

#include "measure/status_text.h"
#include "recording/log_format.h"

namespace vrx {
namespace {

Settings defaults() {
    Settings s;
    SetDefaults(s, "/vrx/");
    return s;
}

const LocalDateTime kDate{2011, 6, 14, 14, 30, 5};

struct HeaderCase {
    Int16 board, model1, model2, tube1, tube2;
    const char* settingsLine;
};

class LogHeaderTest : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(LogHeaderTest, Is230BytesWithTheSettingsLineAt178) {
    const HeaderCase c = GetParam();
    Settings s = defaults();
    s.sys.BoardType = c.board;
    s.pump.FlowMeterModel = {c.model1, c.model2};
    s.pump.TubeSize = {c.tube1, c.tube2};
    s.temp.TempRecord[1] = 0;
    s.fan.FanRecord[5] = 0;
    s.pump.FlowRecord[0] = 0;
    const auto header = buildLogHeader(s, kDate, 60);
    ASSERT_TRUE(header);
    ASSERT_EQ(header->size(), kLogHeaderSize);
    EXPECT_EQ(header->substr(0, 19), "stx    Ch 1    Ch 2");
    EXPECT_EQ(header->substr(83, 2), "\r\n");
    EXPECT_EQ(header->substr(85, 9), "   Fan1  ");
    EXPECT_EQ(header->substr(129, 24), "      Pump1      Pump2  ");
    EXPECT_EQ(header->substr(173, 4), "&&\r\n");
    EXPECT_EQ(header->substr(177), std::string(c.settingsLine) + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    BoardsMetersTubing, LogHeaderTest,
    ::testing::Values(HeaderCase{1, 1, 1, 1, 1, "06/14/11 0060 17 17 10 10 N 1011111111 111110 11 01"},
                      HeaderCase{2, 1, 1, 1, 1, "06/14/11 0060 17 17 10 10 Y 1011111111 111110 11 01"},
                      HeaderCase{2, 2, 1, 2, 1, "06/14/11 0060 16 17 06 10 Y 1011111111 111110 11 01"},
                      HeaderCase{2, 1, 2, 1, 2, "06/14/11 0060 17 16 10 06 Y 1011111111 111110 11 01"},
                      HeaderCase{1, 2, 2, 2, 2, "06/14/11 0060 16 16 06 06 N 1011111111 111110 11 01"}),
    [](const ::testing::TestParamInfo<HeaderCase>& info) {
        const HeaderCase& c = info.param;
        return "Board" + std::to_string(c.board) + "Models" + std::to_string(c.model1) + std::to_string(c.model2) +
               "Tubes" + std::to_string(c.tube1) + std::to_string(c.tube2);
    });

TEST(LogHeader, AnUnknownModelTubingOrBoardValueFailsTheHeader) {
    const struct {
        const char* what;
        void (*spoil)(Settings&);
    } cases[] = {
        {"model 0", [](Settings& s) { s.pump.FlowMeterModel[0] = 0; }},
        {"model 3", [](Settings& s) { s.pump.FlowMeterModel[1] = 3; }},
        {"tubing 0", [](Settings& s) { s.pump.TubeSize[1] = 0; }},
        {"board 3", [](Settings& s) { s.sys.BoardType = 3; }},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        c.spoil(s);
        EXPECT_FALSE(buildLogHeader(s, kDate, 3600)) << c.what;
    }
}

TEST(LogHeader, NamesArePaddedLeftOrCutToTheirFieldSoTheHeaderStays230Bytes) {
    Settings s = defaults();
    s.temp.TempName[0] = "CPU";
    s.temp.TempName[1] = "VeryLongTemperatureName";
    s.fan.FanName[0] = "Gr\xC3\xB6\xC3\x9F" "e";      // UTF-8, one byte each on disk
    s.pump.FlowName[1] = "AFlowNameOfTwentyChars";
    s.pump.PumpName[0] = "\xE2\x82\xAC";              // the euro sign, 0x80 on disk
    const auto header = buildLogHeader(s, kDate, 3600);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->size(), kLogHeaderSize);
    EXPECT_EQ(header->substr(3, 16), "     CPUVeryLong");
    EXPECT_EQ(header->substr(85, 7), "  Gr\xF6\xDF" "e");
    EXPECT_EQ(header->substr(129, 11), std::string(10, ' ') + "\x80");
    EXPECT_EQ(header->substr(162, 11), "AFlowNameOf");
    EXPECT_EQ(header->substr(173, 2), "&&");
}

StatusTextArray readings() {
    StatusTextArray t{};
    const char* temps[] = {"35", "-30", "5", "130", "S-O", "S-S", "", "40", "41", "42"};
    for (std::size_t i = 0; i < 10; ++i) t[kFirstTempEntry + i] = temps[i];
    const char* speeds[] = {"900", "1,230", "", "60", "7,650", "0", "2,400", ""};
    for (std::size_t i = 0; i < 8; ++i) t[kFirstSpeedEntry + i] = speeds[i];
    t[kFirstFlowEntry] = "1.5";
    t[kFirstFlowEntry + 1] = "12.3";
    return t;
}

TEST(LogLine, FieldsHaveTheirWidthsAndMissingReadingsLeaveEmptyFields) {
    const struct {
        const char* what;
        void (*select)(Settings&);
        int lineNumber;
        const char* line;
    } cases[] = {
        {"all recorded", [](Settings&) {}, 1,
         "14:30:05, 35,-30,  5,130,,,, 40, 41, 42, 900,1230,,  60,7650,   0,2400,, 1.5,12.3,0001\r\n"},
        {"none recorded",
         [](Settings& s) {
             s.temp.TempRecord.fill(0);
             s.fan.FanRecord.fill(0);
             s.pump.PumpRecord.fill(0);
             s.pump.FlowRecord.fill(0);
         },
         3600, "14:30:05,,,,,,,,,,,,,,,,,,,,,3600\r\n"},
        {"some not recorded",
         [](Settings& s) {
             s.temp.TempRecord[0] = 0;
             s.fan.FanRecord[1] = 0;
             s.pump.PumpRecord[0] = 0;
             s.pump.FlowRecord[1] = 0;
         },
         42, "14:30:05,,-30,  5,130,,,, 40, 41, 42, 900,,,  60,7650,   0,,, 1.5,,0042\r\n"},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        c.select(s);
        EXPECT_EQ(buildLogLine(s, readings(), kDate, c.lineNumber), std::string(c.line)) << c.what;
    }
}

TEST(LogLine, AFullLineIs103CharactersPlusCrLf) {
    StatusTextArray t{};
    for (std::size_t i = 0; i < 10; ++i) t[kFirstTempEntry + i] = "100";
    for (std::size_t i = 0; i < 8; ++i) t[kFirstSpeedEntry + i] = "1,500";
    t[kFirstFlowEntry] = t[kFirstFlowEntry + 1] = "10.0";
    EXPECT_EQ(buildLogLine(defaults(), t, kDate, 7)->size(), 105u);
}

TEST(LogLine, ASpeedTextThatIsNoNumberFailsTheLine) {
    for (const char* bad : {"abc", "1.5", "12a", ","}) {
        StatusTextArray t = readings();
        t[kFirstSpeedEntry + 7] = bad;
        EXPECT_FALSE(buildLogLine(defaults(), t, kDate, 1)) << bad;
    }
}

TEST(LogFiles, LimitsAndNames) {
    const struct {
        Int16 index;
        int limit;
    } limits[] = {{0, 60}, {1, 600}, {2, 1800}, {3, 3600}, {-1, 3600}, {4, 3600}, {300, 3600}};
    for (const auto& c : limits) EXPECT_EQ(logRecordLimit(c.index), c.limit) << c.index;
    EXPECT_EQ(firstLogPath("/vrx/Logs/", "VRX"), "/vrx/Logs/VRX.log");
    EXPECT_EQ(continuationLogPath("/vrx/Logs/", "VRX", kDate), "/vrx/Logs/VRX_061411143005.log");
    EXPECT_EQ(continuationLogPath("/d/", "run1", {2009, 1, 2, 3, 4, 5}), "/d/run1_010209030405.log");
    EXPECT_EQ(suffixedLogPath("/d/run1_010209030405.log", 2), "/d/run1_010209030405_2.log");
}

} // namespace
} // namespace vrx
