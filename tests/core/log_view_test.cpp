// What the viewer shows of a recording: interval and time labels, start and end, read-outs at
// the cursor in both units, temperature extremes, and the small board's missing channels.
#include <gtest/gtest.h>

#include "core/log_fixture.h"
#include "recording/log_view.h"

namespace vrx {
namespace {

using test::logFile;
using test::logSettings;
using test::parsed;
using test::readings;

TEST(LogView, TheLineLimitGivesIntervalStepsAndTimeLabels) {
    const struct {
        int limit;
        const char* interval;
        int cursorStep, gridStep;
        const char* lastLabel;
    } cases[] = {
        {60, "1 min", 120, 120, "00:01:00"},  {600, "10 min", 12, 120, "00:10:00"},
        {1800, "30 min", 4, 240, "00:30:00"}, {3600, "1 hour", 2, 120, "01:00:00"},
        {500, "Unknown", 7, 9, "00:00:00"}, // an unknown limit keeps the previous steps
    };
    for (const auto& c : cases) {
        EXPECT_EQ(intervalText(c.limit), c.interval);
        EXPECT_EQ(cursorStepFor(c.limit, 7), c.cursorStep) << c.limit;
        EXPECT_EQ(gridStepFor(c.limit, 9), c.gridStep) << c.limit;
        const auto labels = timeLabels(c.limit);
        EXPECT_EQ(labels[0], "00:00:00");
        EXPECT_EQ(labels[4], c.lastLabel) << c.limit;
    }
    EXPECT_EQ(timeLabels(600)[1], "00:02:30");
}

TEST(LogView, TheEndIsTheStartPlusTheLineLimitAcrossDaysMonthsAndYears) {
    const struct {
        const char* date;
        const char* time;
        const char* limit;
        const char* start;
        const char* end;
    } cases[] = {
        {"06/14/11", "14:30:05", "0600", "06/14/11 14:30:05", "06/14/11, 14:40:05"},
        {"06/30/11", "23:30:00", "3600", "06/30/11 23:30:00", "07/01/11, 00:30:00"},
        {"12/31/11", "23:59:30", "0060", "12/31/11 23:59:30", "01/01/12, 00:00:30"},
        {"02/28/12", "23:59:59", "0001", "02/28/12 23:59:59", "02/29/12, 00:00:00"},
        {"02/28/13", "23:59:59", "0001", "02/28/13 23:59:59", "03/01/13, 00:00:00"},
    };
    for (const auto& c : cases) {
        const std::string file = std::string(c.date) + " " + c.limit +
                                 " 17 16 10 06 Y 1111111111 111111 11 11\r\n" + c.time + "," +
                                 std::string(20, ',') + "0001\r\n";
        const Recording r = parsed(file);
        EXPECT_EQ(startText(r), c.start);
        EXPECT_EQ(endText(r), c.end);
        EXPECT_EQ(flowModelText(r, 0), "[ZRT-VX17]");
        EXPECT_EQ(flowModelText(r, 1), "[ZRT-VX16]");
        EXPECT_EQ(tubingText(r, 0), "Tubing(I.D.) : 10/13mm");
        EXPECT_EQ(tubingText(r, 1), "Tubing(I.D.) : 6mm");
    }
}

// Line 1 empty everywhere, line 2 with readings, line 3 with the out-of-range marks.
Recording cursorFixture(Int16 board) {
    Settings s = logSettings();
    s.sys.BoardType = board;
    return parsed(logFile(s, 60,
                          {readings({}),
                           readings({"-30",   "130", "35", "",    "21", "40", "",      "",    "",    "",
                                     "1,230", "0",   "",   "900", "",   "",   "2,400", "600", "1.5", "12.3"}),
                           readings({"-31", "131", "36"})}));
}

TEST(LogView, ReadOutsAtTheCursorInEitherUnit) {
    const Recording full = cursorFixture(2);
    const Recording small = cursorFixture(1);
    using Texts = std::array<std::string, kLogChannels>;
    const Texts empty{};
    const Texts c2 = {"-30",
                      "130",
                      "35",
                      "",
                      "21",
                      "40",
                      "",
                      "",
                      "",
                      "",
                      "1,230 RPM",
                      "",
                      "",
                      "900 RPM",
                      "",
                      "",
                      "2,400 RPM",
                      "600 RPM",
                      "1.50 LPM / 0.4 GPM",
                      "12.30 LPM / 3.2 GPM"};
    Texts f2 = c2;
    for (auto [i, f] : {std::pair{0, "-22"}, {1, "266"}, {2, "95"}, {4, "70"}, {5, "104"}})
        f2[static_cast<std::size_t>(i)] = f;
    Texts small2 = c2;
    for (int i : {5, 13, 17, 19})
        small2[static_cast<std::size_t>(i)] = "";
    Texts c3{};
    c3[2] = "36";
    const struct {
        const Recording* r;
        int p;
        char unit;
        Texts texts;
        const char* point;
    } cases[] = {
        {&full, 0, 'C', empty, "00:00:00 []"},      {&full, 1, 'C', empty, "00:00:01 [14:30:05]"},
        {&full, 2, 'C', c2, "00:00:02 [14:30:06]"}, {&full, 2, 'F', f2, "00:00:02 [14:30:06]"},
        {&full, 3, 'C', c3, "00:00:03 [14:30:07]"}, {&full, 4, 'C', empty, "00:00:04 []"},
        {&full, 99, 'C', empty, "00:01:39 []"},     {&small, 2, 'C', small2, "00:00:02 [14:30:06]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mShowPoint(*c.r, c.p, {c.unit, true}), c.texts) << "p " << c.p << " unit " << c.unit;
        EXPECT_EQ(pointText(*c.r, c.p), c.point);
    }
    // The unit button twice gives back every figure as it was.
    const ViewUnits back = mTempChang(mTempChang({}));
    EXPECT_EQ(back.temp, 'C');
    EXPECT_EQ(mShowPoint(full, 2, back), c2);
    EXPECT_FALSE(mFlowUnitChang({}).flowLpm);
}

TEST(LogView, TemperatureExtremesSkipMissingValuesAndConvertToFahrenheit) {
    Settings s = logSettings();
    s.temp.TempRecord[3] = 0; // channel 4 not recorded, although the file has values for it below
    const std::string file =
        logFile(s, 60,
                {readings({"35", "", "-31", "", "20"}), readings({"-5", "", "131", "", "20"}),
                 readings({"", "", "", "", "20"})}) +
        "14:30:08, 40,,, 50, 20," + std::string(15, ',') + "0004\r\n";
    const auto e = mMaxMin(parsed(file));
    const struct {
        int channel;
        std::optional<double> max, min;
    } cases[] = {{1, 40, -5}, {2, {}, {}}, {3, {}, {}}, {4, {}, {}}, {5, 20, 20}};
    for (const auto& c : cases) {
        EXPECT_EQ(e[static_cast<std::size_t>(c.channel - 1)].max, c.max) << c.channel;
        EXPECT_EQ(e[static_cast<std::size_t>(c.channel - 1)].min, c.min) << c.channel;
    }
    EXPECT_EQ(temperatureFigure(*e[0].max, 'F'), "104");
    EXPECT_EQ(temperatureFigure(*e[0].min, 'F'), "23");
    EXPECT_EQ(temperatureFigure(*e[0].min, 'C'), "-5");
}

TEST(LogView, AxisLabelsFollowTheUnitsWhileStoredValuesDoNot) {
    const auto c = temperatureAxisLabels('C');
    const auto f = temperatureAxisLabels('F');
    EXPECT_EQ(c[0], "130");
    EXPECT_EQ(c[16], "-30");
    EXPECT_EQ(f[0], "266");
    EXPECT_EQ(f[1], "248");
    EXPECT_EQ(f[16], "-22");
    const auto lpm = flowAxisLabels(true);
    const auto gpm = flowAxisLabels(false);
    EXPECT_EQ(lpm[0], "0.0");
    EXPECT_EQ(lpm[25], "25.0");
    EXPECT_EQ(gpm[1], "0.26");
    EXPECT_EQ(gpm[25], "6.60");
    EXPECT_EQ(flowCaption(false), "Flow Meter (GPM)");
}

} // namespace
} // namespace vrx
