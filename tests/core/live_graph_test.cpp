#include "recording/live_graph.h"

#include <gtest/gtest.h>

#include <set>

namespace vrx {
namespace {

struct Rig {
    Settings s;
    ControllerState st;
    LiveGraph g;
    explicit Rig(int board = 2, int cycleMode = 1) {
        SetDefaults(s, "/vrx/");
        s.sys.BoardType = static_cast<Int16>(board);
        s.sys.CycleMode = static_cast<Int16>(cycleMode);
        s.temp.TempGraphOn.fill(1);
        s.fan.FanGraphOn.fill(1);
        s.pump.PumpGraphOn.fill(1);
        s.pump.FlowGraphOn.fill(1);
        g.reset(s);
    }
    // Every channel reads something drawable: 35 C, 3000 rpm, 2.0 l/min.
    void allValid() {
        for (int b = 2; b <= 11; ++b)
            st.StatusBytes[b] = 97;
        for (int b = 12; b <= 19; ++b)
            st.StatusBytes[b] = 100;
        st.StatusText[20] = st.StatusText[21] = "2.0";
    }
    bool tick() { return g.TimerGraph_Timer(s, st); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            tick();
    }
};

std::set<int> segmentsAt(const std::vector<GraphLine>& lines, std::int32_t color) {
    std::set<int> ks;
    for (const auto& l : lines)
        if (l.color == color) ks.insert(l.x1 / kGraphStep);
    return ks;
}

TEST(LiveGraph, ResetFillsNoValuePatternAndPicksGroup) {
    const std::pair<int, int> modeToGroup[] = {{0, 1}, {1, 1}, {3, 3}, {4, 4}, {9, 1}, {-2, 1}};
    for (const auto& [mode, group] : modeToGroup) {
        Rig r(2, mode);
        EXPECT_EQ(r.g.cycleCurrent(), group) << "mode " << mode;
        EXPECT_EQ(r.g.cycleCounter(), 0);
        for (int c = 1; c <= 20; ++c) {
            EXPECT_EQ(r.g.sample(c, 0), c <= 10 ? -31 : 0) << c;
            EXPECT_EQ(r.g.sample(c, 60), c <= 10 ? -31 : 0) << c;
        }
        EXPECT_TRUE(r.g.mDrawGraph(GroupTemperature, r.s).empty());
    }
}

TEST(LiveGraph, NewSampleFromStatusAndShift) {
    Rig r;
    struct Case {
        int byteIndex;
        int code;
        double value;
    };
    // Temperatures: open, shorted, nothing received yet (0) and cleared after a link loss (-31)
    // are all "no reading".
    const Case cases[] = {{2, 1, -31},  {3, 254, -31},  {4, 97, 35},    {5, 32, -30},
                          {6, 192, 130}, {7, 0, -31},   {8, -31, -31},  {12, 100, 3000},
                          {17, 0, 0},   {18, 255, 7650}, {19, 50, 1500}};
    for (const auto& c : cases)
        r.st.StatusBytes[static_cast<std::size_t>(c.byteIndex)] = static_cast<Int16>(c.code);
    r.st.StatusText[20] = "";
    r.st.StatusText[21] = "2.5";
    r.tick();
    for (const auto& c : cases)
        EXPECT_EQ(r.g.sample(c.byteIndex - 1, 60), c.value) << "byte " << c.byteIndex;
    EXPECT_EQ(r.g.sample(19, 60), 0);
    EXPECT_EQ(r.st.StatusText[20], "0"); // the empty text is written back
    EXPECT_EQ(r.g.sample(20, 60), 2.5);

    r.st.StatusBytes[4] = 100;
    r.st.StatusText[21] = "1,200.5";
    r.tick();
    EXPECT_EQ(r.g.sample(3, 59), 35);
    EXPECT_EQ(r.g.sample(3, 60), 38);
    EXPECT_EQ(r.g.sample(20, 59), 2.5);
    EXPECT_EQ(r.g.sample(20, 60), 1200.5);
    r.ticks(59);
    EXPECT_EQ(r.g.sample(3, 0), 35);
    EXPECT_EQ(r.g.sample(3, 1), 38);
    EXPECT_EQ(r.g.sample(11, 0), 3000);
}

TEST(LiveGraph, AutoCycleChangesGroupOnExactTicks) {
    // The counter starts at 0, so the first change needs one tick more than the later ones.
    Rig r(2, 0);
    r.s.sys.CycleTimeIndex = 0;
    std::vector<std::pair<int, int>> changes; // tick, group after it
    for (int t = 1; t <= 26; ++t)
        if (r.tick()) changes.push_back({t, r.g.cycleCurrent()});
    const std::vector<std::pair<int, int>> expected = {{6, 2}, {11, 3}, {16, 4}, {21, 1}, {26, 2}};
    EXPECT_EQ(changes, expected);

    const std::pair<int, int> firstChange[] = {{1, 11}, {2, 21}, {3, 31}, {7, 31}};
    for (const auto& [index, tick] : firstChange) {
        Rig p(2, 0);
        p.s.sys.CycleTimeIndex = static_cast<Int16>(index);
        int t = 1;
        while (!p.tick())
            ++t;
        EXPECT_EQ(t, tick) << "time index " << index;
    }
}

TEST(LiveGraph, FixedGroupStopsCycling) {
    Rig r(2, 0);
    r.s.sys.CycleTimeIndex = 0;
    r.ticks(7);
    EXPECT_EQ(r.g.cycleCurrent(), 2);
    r.g.chooseGroup(GroupPump, r.s);
    EXPECT_EQ(r.s.sys.CycleMode, 3);
    EXPECT_EQ(r.s.sys.CycleItem, 3);
    for (int t = 0; t < 40; ++t)
        EXPECT_FALSE(r.tick());
    EXPECT_EQ(r.g.cycleCurrent(), 3);
}

TEST(LiveGraph, MenuChoicesAndChecks) {
    Rig r(2, 2);
    r.g.chooseTime(2, r.s);
    EXPECT_EQ(r.s.sys.CycleMode, 0);
    EXPECT_EQ(r.s.sys.CycleTimeIndex, 2);
    EXPECT_EQ(r.s.sys.CycleItem, 7);
    EXPECT_EQ(r.g.cycleCurrent(), 2);
    auto checks = LiveGraph::menuChecks(r.s);
    EXPECT_EQ(checks.time, (std::array<bool, 4>{false, false, true, false}));
    EXPECT_EQ(checks.group, (std::array<bool, 5>{}));

    r.g.chooseGroup(GroupFlow, r.s);
    EXPECT_EQ(r.g.cycleCurrent(), 4);
    checks = LiveGraph::menuChecks(r.s);
    EXPECT_EQ(checks.group, (std::array<bool, 5>{false, false, false, false, true}));
    EXPECT_EQ(checks.time, (std::array<bool, 4>{}));

    // Out-of-range choices change nothing.
    const Settings before = r.s;
    r.g.chooseGroup(5, r.s);
    r.g.chooseTime(4, r.s);
    EXPECT_EQ(r.s, before);
    EXPECT_EQ(r.g.cycleCurrent(), 4);
}

TEST(LiveGraph, TemperatureLineStopsAtOpenSensor) {
    Rig r;
    const std::int32_t color = r.s.temp.TempColor[0];
    r.st.StatusBytes[2] = 97;
    r.tick();
    // One valid sample after "no reading" is a point, not a line rising from below the chart.
    EXPECT_TRUE(segmentsAt(r.g.mDrawGraph(GroupTemperature, r.s), color).empty());
    r.tick();
    EXPECT_EQ(segmentsAt(r.g.mDrawGraph(GroupTemperature, r.s), color), (std::set<int>{59}));
    r.tick();
    r.st.StatusBytes[2] = 1;
    r.ticks(2);
    // Samples 56..58 valid, 59..60 open: the segments between 56..58 are drawn, none into 59 or 60.
    EXPECT_EQ(segmentsAt(r.g.mDrawGraph(GroupTemperature, r.s), color), (std::set<int>{56, 57}));
}

TEST(LiveGraph, StoppingFanDrawsOneSegmentToTheBottom) {
    Rig r;
    const std::int32_t color = r.s.fan.FanColor[0];
    r.st.StatusBytes[12] = 100;
    r.ticks(3);
    r.st.StatusBytes[12] = 0;
    r.ticks(3);
    auto lines = r.g.mDrawGraph(GroupFan, r.s);
    EXPECT_EQ(segmentsAt(lines, color), (std::set<int>{55, 56, 57}));
    for (const auto& l : lines) {
        if (l.color == color && l.x1 == 57 * kGraphStep) {
            EXPECT_EQ(l.y2, kGraphHeight);
        }
    }
    r.st.StatusBytes[12] = 100;
    r.ticks(2); // the segment rising from 0 is not drawn, the next one is
    EXPECT_EQ(segmentsAt(r.g.mDrawGraph(GroupFan, r.s), color), (std::set<int>{53, 54, 55, 59}));
}

TEST(LiveGraph, FlowDrawsEverySegmentEvenAtZero) {
    Rig r;
    EXPECT_EQ(r.g.mDrawGraph(GroupFlow, r.s).size(), 2u * 60u);
}

TEST(LiveGraph, BoardLimitsLinesWhateverGraphOnSays) {
    struct Case {
        int group, board, channels;
    };
    const Case cases[] = {{1, 1, 5}, {1, 2, 10}, {1, 0, 5}, {1, 7, 5}, {2, 1, 3},
                          {2, 2, 6}, {3, 1, 1},  {3, 2, 2}, {4, 1, 1}, {4, 2, 2}};
    for (const auto& c : cases) {
        Rig r(c.board);
        r.allValid();
        r.ticks(61);
        EXPECT_EQ(r.g.mDrawGraph(c.group, r.s).size(), 60u * static_cast<unsigned>(c.channels))
            << "group " << c.group << " board " << c.board;
    }
    Rig r(2);
    r.allValid();
    r.ticks(61);
    r.s.temp.TempGraphOn[3] = 0;
    r.s.temp.TempGraphOn[4] = -1; // only exactly 1 draws
    const auto lines = r.g.mDrawGraph(GroupTemperature, r.s);
    EXPECT_EQ(lines.size(), 60u * 8u);
    EXPECT_TRUE(segmentsAt(lines, r.s.temp.TempColor[3]).empty());
    EXPECT_EQ(lines.front().y1, 1900 - 27 * 35);
}

TEST(LiveGraph, ScaleRoundsToWholeUnitsHalfToEven) {
    struct Case {
        int group;
        double value;
        int y;
    };
    const Case cases[] = {{1, 25, 1225}, {1, -31, 2737}, {1, 70, 10},    {2, 3000, 1090}, {3, 7000, 10},
                          {2, 0, 1900},  {4, 2.5, 1562}, {4, 1.5, 1698}, {4, 0, 1900}};
    for (const auto& c : cases)
        EXPECT_EQ(LiveGraph::yOf(c.group, c.value), c.y) << c.group << " " << c.value;
}

TEST(LiveGraph, TemperatureLineHeightIndependentOfUnit) {
    Rig celsius, fahrenheit;
    celsius.s.temp.TempUnit = 1;
    fahrenheit.s.temp.TempUnit = 2;
    for (Rig* r : {&celsius, &fahrenheit}) {
        for (int b = 3; b <= 11; ++b)
            r->st.StatusBytes[static_cast<std::size_t>(b)] = 1;
        r->st.StatusBytes[2] = 87; // 25 C
        r->ticks(3);
    }
    const auto c = celsius.g.mDrawGraph(GroupTemperature, celsius.s);
    const auto f = fahrenheit.g.mDrawGraph(GroupTemperature, fahrenheit.s);
    ASSERT_EQ(c.size(), 2u);
    ASSERT_EQ(f.size(), 2u);
    for (std::size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c[i].y2, 1225);
        EXPECT_EQ(f[i].y2, c[i].y2);
        EXPECT_EQ(f[i].y1, c[i].y1);
    }
}

TEST(LiveGraph, AxisTitlesAndLabels) {
    using Labels = std::array<std::string, 9>;
    struct Case {
        int group, tempUnit, flowUnit;
        Labels labels;
    };
    const Case cases[] = {
        {1, 1, 1, {"Temperature (C)", "0", "10", "20", "30", "40", "50", "60", "70"}},
        {1, 2, 1, {"Temperature (F)", "32", "50", "68", "86", "104", "122", "140", "158"}},
        {2, 1, 1, {"Fan (RPM)", "0", "1,000", "2,000", "3,000", "4,000", "5,000", "6,000", "7,000"}},
        {3, 2, 2, {"Pump (RPM)", "0", "1,000", "2,000", "3,000", "4,000", "5,000", "6,000", "7,000"}},
        {4, 1, 1, {"Flowmeter (LPM)", "0", "2.0", "4.0", "6.0", "8.0", "10.0", "12.0", "14.0"}},
        {4, 1, 2, {"Flowmeter (GPM)", "0", "0.53", "1.06", "1.59", "2.11", "2.64", "3.17", "3.70"}},
    };
    for (const auto& c : cases) {
        Rig r;
        r.s.temp.TempUnit = static_cast<Int16>(c.tempUnit);
        r.s.pump.FlowUnit = static_cast<Int16>(c.flowUnit);
        EXPECT_EQ(LiveGraph::gSetGraphAxis(c.group, r.s), c.labels) << c.group;
    }
}

TEST(LiveGraph, GridLines) {
    const auto lines = LiveGraph::mGraphLine(0x404040);
    ASSERT_EQ(lines.size(), 61u + 8u);
    EXPECT_EQ(lines[60].x1, 4800);
    EXPECT_EQ(lines[60].y2, 1900);
    EXPECT_EQ(lines.back().y1, 1890);
    EXPECT_EQ(lines.back().x2, 5400);
    for (const auto& l : lines)
        EXPECT_EQ(l.color, 0x404040);
}

TEST(LiveGraph, LegendOnBothBoards) {
    for (int board : {1, 2}) {
        Rig r(board);
        r.s.fan.FanGraphOn[1] = 0;
        const auto marks = LiveGraph::gSetSColor(r.s);
        for (int i = 0; i < 20; ++i) {
            const bool exists = board == 2 || i < 5 || (i >= 10 && i < 13) || i == 16 || i == 18;
            const bool visible = exists && i != 11;
            EXPECT_EQ(marks[static_cast<std::size_t>(i)].visible, visible)
                << "board " << board << " mark " << i;
        }
        EXPECT_EQ(marks[0].color, r.s.temp.TempColor[0]);
        EXPECT_EQ(marks[10].color, r.s.fan.FanColor[0]);
        EXPECT_EQ(marks[16].color, r.s.pump.PumpColor[0]);
        EXPECT_EQ(marks[18].color, r.s.pump.FlowColor[0]);
    }
}

} // namespace
} // namespace vrx
