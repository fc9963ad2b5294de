#include "link/checksum.h"
#include "link/control_frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace vrx {
namespace {

Settings defaults() {
    Settings s;
    SetDefaults(s, "/vrx/");
    return s;
}

TEST(InitControlFrame, DefaultFrameMatchesTheKnownBytesAndChecksum) {
    ControllerState st;
    InitControlFrame(defaults(), st);
    const std::vector<int> expected = {207, 1,   117, 117, 117, 117, 117, 117, 117, 117, 117, 117, 120, 120,
                                       120, 120, 120, 120, 120, 120, 120, 120, 1,   100, 100, 100, 100, 100,
                                       100, 31,  31,  1,   1,   1,   1,   1,   2,   2,   0};
    ASSERT_EQ(expected.size(), 39u);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(st.ControlBytes[i], expected[i]) << "byte " << i;
    EXPECT_EQ(Checksum8(st.ControlBytes.begin(), st.ControlBytes.begin() + 39), 178);
    EXPECT_EQ(st.LayoutBoardType, 1);
}

TEST(InitControlFrame, GroupAndIndividualOutputs) {
    struct Case {
        const char* what;
        std::int16_t fanGroup, pumpGroup;
        std::array<std::int16_t, 7> fanLevel;
        std::array<std::int16_t, 3> pumpLevel;
        std::array<int, 6> fans;
        std::array<int, 2> pumps;
    };
    const Case cases[] = {
        {"a setting never stored counts as Level 10", 1, 1, {2, 12, 12, 12, 12, 12, 12}, {-7, 0, 0}, {100, 100, 100, 100, 100, 100}, {31, 31}},
        {"group at level 5", 1, 1, {7, 3, 3, 3, 3, 3, 3}, {7, 12, 12}, {50, 50, 50, 50, 50, 50}, {16, 16}},
        {"individual fans, disable and auto", 0, 0, {12, 3, 14, 0, 12, 4, 8}, {0, 12, 0}, {10, 0, 0, 100, 20, 60}, {31, 0}},
        {"group pump in auto leaves pumps alone", 1, 1, {12, 0, 0, 0, 0, 0, 0}, {0, 12, 12}, {100, 100, 100, 100, 100, 100}, {0, 0}},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        s.fan.FanGroup = c.fanGroup;
        s.pump.PumpGroup = c.pumpGroup;
        s.fan.FanLevel = c.fanLevel;
        s.pump.PumpLevel = c.pumpLevel;
        ControllerState st;
        InitControlFrame(s, st);
        for (std::size_t n = 0; n < 6; ++n) EXPECT_EQ(st.ControlBytes[23 + n], c.fans[n]) << c.what << " fan " << n + 1;
        for (std::size_t n = 0; n < 2; ++n) EXPECT_EQ(st.ControlBytes[29 + n], c.pumps[n]) << c.what << " pump " << n + 1;
    }
}

TEST(InitControlFrame, LimitsUnitsAndMetersComeFromTheSettings) {
    Settings s = defaults();
    s.temp.TempAlarmLimit[3] = 40;
    s.temp.TempAlarmOn[3] = 0; // the substitute code is the alarm dialog's business, not start-up's
    s.temp.TempShutdownLimit[9] = 70;
    s.temp.TempUnit = 2;
    s.pump.FlowMeterModel = {2, 1};
    s.pump.TubeSize = {1, 2};
    s.sys.BoardType = 2;
    s.sys.FanLevelTable(0, 10) = 95;
    ControllerState st;
    InitControlFrame(s, st);
    EXPECT_EQ(st.ControlBytes[5], 102);
    EXPECT_EQ(st.ControlBytes[21], 132);
    EXPECT_EQ(st.ControlBytes[22], 2);
    EXPECT_EQ(st.ControlBytes[23], 95);
    EXPECT_EQ((std::array<int, 5>{st.ControlBytes[31], st.ControlBytes[32], st.ControlBytes[33], st.ControlBytes[34],
                                  st.ControlBytes[35]}),
              (std::array<int, 5>{2, 1, 1, 2, 2}));
    EXPECT_EQ(st.LayoutBoardType, 2);
}

TEST(Checksum8, Examples) {
    const std::uint8_t identify[] = {207, 3};
    const std::uint8_t keepAlive[] = {207, 7};
    const std::uint8_t high[] = {255, 255};
    EXPECT_EQ(Checksum8(std::begin(identify), std::end(identify)), 210);
    EXPECT_EQ(Checksum8(std::begin(keepAlive), std::end(keepAlive)), 214);
    EXPECT_EQ(Checksum8(std::begin(high), std::end(high)), 254);
}

} // namespace
} // namespace vrx
