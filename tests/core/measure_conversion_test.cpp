#include <gtest/gtest.h>

#include "measure/flow.h"
#include "measure/number_value.h"
#include "measure/temperature.h"
#include "measure/volt_table.h"

namespace vrx {
namespace {

TEST(MeasureTemperature, TextsInBothUnits) {
    struct Case {
        int code;
        const char* play;
        const char* celsius;
        const char* fahrenheit;
    };
    const Case cases[] = {
        {62, "0", "0 C", "32 F"},
        {32, "-30", "-30 C", "-22 F"},
        {192, "130", "130 C", "266 F"},
        {97, "35", "35 C", "95 F"},
        {31, "", "", ""},
        {193, "", "", ""},
        {1, "", "", ""},
        {254, "", "", ""},
        {-31, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(mPlayTemp(c.code), c.play);
        EXPECT_EQ(TempText(c.code, 1), c.celsius);
        EXPECT_EQ(TempText(c.code, 2), c.fahrenheit);
    }
}

TEST(MeasureTemperature, ThresholdLabels) {
    EXPECT_EQ(gTempFVal(25, 2), "77");
    EXPECT_EQ(gTempFVal(25, 1), "25");
    EXPECT_EQ(gTempFVal(-30, 2), "-22");
    EXPECT_EQ(gTempFVal(-18, 0), "0"); // -0.4 F rounds to 0, never "-0"
    EXPECT_EQ(gTempFVal(100, 1), "100");
}

TEST(MeasureVolt, TableEndsAndPumpBytes) {
    EXPECT_EQ(VoltText(1), "7.58");
    EXPECT_EQ(VoltText(5), "7.65");
    EXPECT_EQ(VoltText(32), "12.73");
    EXPECT_EQ(VoltText(100), "12.73");
    EXPECT_EQ(VoltText(0), "");
    EXPECT_EQ(VoltText(33), "");
    EXPECT_EQ(PumpVoltText(0), "7.58");
    EXPECT_EQ(PumpVoltText(31), "12.73");
    EXPECT_EQ(PumpVoltText(32), "");
    EXPECT_EQ(PumpVoltText(-1), "");
    EXPECT_EQ(PumpVoltText(99), ""); // 100 is a step, not a pump byte
}

TEST(MeasureFlow, FactorsAndDisplay) {
    EXPECT_DOUBLE_EQ(FlowFactor(1, 1), 0.304);
    EXPECT_DOUBLE_EQ(FlowFactor(1, 2), 0.276);
    EXPECT_DOUBLE_EQ(FlowFactor(2, 1), 0.251);
    EXPECT_DOUBLE_EQ(FlowFactor(2, 2), 0.159);
    EXPECT_DOUBLE_EQ(FlowFactor(0, 7), 0.159); // unknown codes count as 2

    EXPECT_EQ(flowDisplayText(flowLpm(10, 2, 2), 1), "1.6 LPM");
    EXPECT_EQ(flowDisplayText(2.0, 2), "0.53 GPM");
    EXPECT_EQ(flowDisplayText(2.0, 1), "2.0 LPM");
}

TEST(MeasureNumberValue, AcceptsUsNumbersOnly) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"2.0", 2.0},         {"2,000", 2000.0},        {" -0.5 ", -0.5},
        {".5", 0.5},          {"1e3", 1000.0},          {"7", 7.0},
        {"", std::nullopt},   {"abc", std::nullopt},    {"1.2.3", std::nullopt},
        {",5", std::nullopt}, {"2,0.5x", std::nullopt}, {"-", std::nullopt},
        {"1e", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numberValue(c.text), c.value);
    }
}

TEST(MeasureNumberValue, WholeNumbersWithinARangeOnly) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"7", 7},
        {" -12 ", -12},
        {"+3", 3},
        {"100", 100},
        {"-100", -100},
        {"101", std::nullopt},
        {"-101", std::nullopt},
        {"12.5", std::nullopt},
        {"3.0", std::nullopt},
        {"1e2", std::nullopt},
        {"1,0", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"7a", std::nullopt},
        {"- 7", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(wholeNumberIn(c.text, -100, 100), c.value);
    }
}

TEST(MeasureFlow, UnitSwitchConvertsLimitsBothWays) {
    PumpFlowSettings pump;
    pump.FlowAlarmLimit = {"2.0", "2.0"};
    pump.FlowShutdownLimit = {"0.5", "0.5"};

    EXPECT_TRUE(convertFlowLimits(pump, kFlowUnitGpm));
    EXPECT_EQ(pump.FlowAlarmLimit[0], "0.53");
    EXPECT_EQ(pump.FlowShutdownLimit[1], "0.13");

    EXPECT_TRUE(convertFlowLimits(pump, kFlowUnitLpm));
    EXPECT_EQ(pump.FlowAlarmLimit[1], "2.0");
    EXPECT_EQ(pump.FlowShutdownLimit[0], "0.5");

    EXPECT_EQ(convertFlowLimit("2,000", kFlowUnitGpm), "528.36");
}

TEST(MeasureFlow, UnreadableLimitStaysAndOthersStillConvert) {
    PumpFlowSettings pump;
    pump.FlowAlarmLimit = {"abc", "2.0"};
    pump.FlowShutdownLimit = {"0.5", ""};
    EXPECT_FALSE(convertFlowLimits(pump, kFlowUnitGpm));
    EXPECT_EQ(pump.FlowAlarmLimit[0], "abc");
    EXPECT_EQ(pump.FlowAlarmLimit[1], "0.53");
    EXPECT_EQ(pump.FlowShutdownLimit[0], "0.13");
    EXPECT_EQ(pump.FlowShutdownLimit[1], "");
}

} // namespace
} // namespace vrx
