// The pump characteristics test: what crosses the wire and when, what is stored, and that the
// outputs and the safety checks are always handed back.
#include "pumptest/pump_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

#include "fakes/fake_clock.h"
#include "fakes/fake_pump_test_host.h"

namespace vrx {
namespace {

using test::FakeClock;
using test::FakePumpTestHost;

constexpr std::array<std::int16_t, 8> kOutputsBefore = {40, 55, 0, 100, 70, 35, 17, 20}; // bytes 23..30

struct Rig {
    Settings settings;
    ControllerState state;
    SafetyState safety;
    bool running = false;
    FakePumpTestHost host;
    FakeClock clock;
    PumpTest test{settings, state, safety, running, host};
    // The pump byte the controller had at each second a tick ran.
    std::map<int, int> wire;
    std::map<int, int> sampledAt; // level -> second

    explicit Rig(int boardType = 2) {
        SetDefaults(settings, "/tmp/vrx-test/");
        settings.sys.BoardType = static_cast<Int16>(boardType);
        settings.pump.FlowMeterModel = {1, 2};
        settings.pump.TubeSize = {1, 2};
        for (std::size_t i = 0; i < kOutputsBefore.size(); ++i)
            state.ControlBytes[23 + i] = kOutputsBefore[i];
        for (std::size_t i = 0; i < 10; ++i) {
            state.StatusBytes[2 + i] = 62 + 35;   // 35 C
            state.ControlBytes[2 + i] = 62 + 60;  // alarm at 60 C
            state.ControlBytes[12 + i] = 62 + 70; // shutdown at 70 C
            settings.temp.TempAlarmOn[i] = 1;
            settings.temp.TempShutdownOn[i] = 1;
        }
        host.testRunning = &running;
        host.state = &state;
    }

    // The controller reports what it was last sent: speeds and counts follow the pump byte.
    void report() {
        const int pump = state.ControlBytes[29];
        state.StatusBytes[18] = static_cast<std::int16_t>(pump + 100);
        state.StatusBytes[19] = static_cast<std::int16_t>(pump + 101);
        state.StatusBytes[20] = static_cast<std::int16_t>(pump);
        state.StatusBytes[21] = static_cast<std::int16_t>(2 * pump);
    }

    // One tick of the 2-second timer; before it, whatever `before` changes at that second.
    void tick(const std::function<void(int second)>& before = {}) {
        clock.advanceMs(kTestTickMs);
        const int second = static_cast<int>(clock.ms / 1000);
        report();
        if (before) before(second);
        const int drawn = test.chart().drawnFrom;
        test.TimerTest();
        if (test.running()) {
            EXPECT_EQ(state.ControlBytes[29], state.ControlBytes[30]) << "at " << second << " s";
            wire[second] = state.ControlBytes[29];
        }
        if (test.chart().drawnFrom != drawn) sampledAt[test.chart().drawnFrom] = second;
    }

    void runToEnd(const std::function<void(int second)>& before = {}) {
        for (int i = 0; i < 200 && test.running(); ++i)
            tick(before);
    }

    bool outputsAsBefore() const {
        for (std::size_t i = 0; i < kOutputsBefore.size(); ++i)
            if (state.ControlBytes[23 + i] != kOutputsBefore[i]) return false;
        return true;
    }
};

// Level, the pump byte it sends, the second it is set, the second it is sampled.
struct LevelRow {
    int level, output, setAt, sampledAt;
};
constexpr LevelRow kLevels[] = {
    {15, 31, 2, 28},   {14, 30, 30, 40},  {13, 29, 42, 52},  {12, 28, 54, 64},  {11, 27, 66, 76},
    {10, 26, 78, 88},  {9, 25, 90, 100},  {8, 23, 102, 112}, {7, 21, 114, 124}, {6, 18, 126, 136},
    {5, 15, 138, 148}, {4, 12, 150, 160}, {3, 9, 162, 172},  {2, 5, 174, 184},  {1, 0, 186, 196},
};

TEST(PumpTestWire, EachLevelIsHeldThenSampledAndFullOutputClosesTheTest) {
    Rig rig;
    ASSERT_TRUE(rig.test.mStartTest());
    EXPECT_TRUE(rig.running);
    rig.runToEnd();
    ASSERT_FALSE(rig.test.running());
    EXPECT_EQ(rig.clock.ms, 202000) << "the test ends at second 202";

    for (const auto& row : kLevels) {
        SCOPED_TRACE("level " + std::to_string(row.level));
        for (int second = row.setAt; second <= row.sampledAt; second += 2)
            EXPECT_EQ(rig.wire[second], row.output);
        EXPECT_EQ(rig.sampledAt[row.level], row.sampledAt);
        // The sample is what the controller reported while that level was held.
        EXPECT_EQ(rig.test.chart().TestRpm[0][static_cast<std::size_t>(row.level)],
                  (row.output + 100) * 30.0);
    }
    EXPECT_EQ(rig.wire[198], 31);
    EXPECT_EQ(rig.wire[200], 31);
    EXPECT_EQ(rig.wire.size(), 100u) << "a byte for every tick from 2 s to 200 s";
    EXPECT_TRUE(rig.outputsAsBefore());
    EXPECT_FALSE(rig.running);
}

TEST(PumpTestWire, CompletedTestRestoresOutputsAndFlagBeforeItsMessage) {
    Rig rig;
    ASSERT_TRUE(rig.test.mStartTest());
    rig.runToEnd();
    EXPECT_TRUE(rig.host.shownWhileRunning.empty()) << rig.host.shownWhileRunning.front();
    EXPECT_EQ(rig.host.shownWithPumps.back(), "17,20");
    EXPECT_EQ(rig.host.events.back(), "msg 115");
    EXPECT_TRUE(rig.test.captureEnabled());
    EXPECT_TRUE(rig.test.startEnabled());
    EXPECT_TRUE(rig.test.chart().resultsInPicture);
}

TEST(PumpTestStore, ValuesLandAtLevelPlus17TimesColumn) {
    struct Case {
        int boardType;
        Int16 pumps;
    };
    for (const Case c : {Case{2, 1}, Case{1, 0}, Case{0, 0}}) {
        SCOPED_TRACE("board " + std::to_string(c.boardType));
        Rig rig(c.boardType);
        rig.settings.test.PumpTestValues.fill(-7); // an earlier result
        ASSERT_TRUE(rig.test.mStartTest());
        rig.runToEnd();
        const auto& data = rig.settings.test;
        EXPECT_EQ(data.PumpTestPumps, c.pumps);
        const bool second = c.pumps == 1;
        for (const auto& row : kLevels) {
            const auto l = static_cast<std::size_t>(row.level);
            EXPECT_EQ(data.PumpTestValues[l], (row.output + 100) * 30.0);
            EXPECT_EQ(data.PumpTestValues[l + 17], second ? (row.output + 101) * 30.0 : 0);
            EXPECT_DOUBLE_EQ(data.PumpTestValues[l + 34], std::round(row.output * 3.04) / 10);
            EXPECT_DOUBLE_EQ(data.PumpTestValues[l + 51],
                             second ? std::round(2 * row.output * 1.59) / 10 : 0);
        }
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(data.value(16, k), data.value(15, k)) << k;
        EXPECT_EQ(data.PumpTestPumpText[0], "3,930 RPM");
        EXPECT_EQ(data.PumpTestPumpText[1], "3,000 RPM");
        EXPECT_EQ(data.PumpTestFlowText[0], "9.4 LPM / 2.48 GPM");
        EXPECT_EQ(data.PumpTestFlowText[1], "0.0 LPM / 0.00 GPM");
        EXPECT_EQ(data.PumpTestPumpText[2], second ? "3,960 RPM" : "");
        EXPECT_EQ(data.PumpTestFlowText[2], second ? "9.9 LPM / 2.62 GPM" : "");
        EXPECT_EQ(data.PumpTestTubeText1, "10/13mm");
        EXPECT_EQ(data.PumpTestTubeText2, second ? "6mm" : "");
        EXPECT_EQ(rig.host.count("save"), 1);
    }
}

// Every way a running test can stop early: outputs back, flag cleared, no result, notice last.
TEST(PumpTestAbort, StopsAtOnceWithoutAResult) {
    struct Case {
        const char* name;
        std::function<void(Rig&)> happen;
        std::string notice; // "" for none
    };
    const Case cases[] = {
        {"link lost", [](Rig& r) { r.host.link = false; },
         "notice The pump test stopped: the controller is no longer connected.   "},
        {"alarm limit", [](Rig& r) { r.state.StatusBytes[5] = 62 + 60; },
         "notice The pump test stopped: Temperature 4 has reached its alarm limit.   "},
        {"shutdown limit", [](Rig& r) { r.state.StatusBytes[11] = 62 + 75; },
         "notice The pump test stopped: Temperature 10 has reached its shutdown limit.   "},
        {"tick error", [](Rig& r) { r.host.throwOnRefresh = 1; }, ""},
        {"close", [](Rig& r) { r.test.close(1200, 3400); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.settings.test.PumpTestPumps = 9;
        const PumpTestData before = rig.settings.test;
        ASSERT_TRUE(rig.test.mStartTest());
        for (int i = 0; i < 50; ++i)
            rig.tick(); // pumps well down
        ASSERT_NE(rig.state.ControlBytes[29], 17);
        rig.tick([&](int) { c.happen(rig); });
        EXPECT_FALSE(rig.test.running());
        EXPECT_FALSE(rig.running);
        EXPECT_TRUE(rig.outputsAsBefore());
        EXPECT_EQ(rig.settings.test, before);
        EXPECT_EQ(rig.host.count("msg 115"), 0);
        EXPECT_TRUE(rig.host.shownWhileRunning.empty());
        if (!c.notice.empty()) {
            EXPECT_EQ(rig.host.events.back(), c.notice);
            EXPECT_EQ(rig.host.shownWithPumps.back(), "17,20");
        }
        EXPECT_FALSE(rig.test.captureEnabled());
        EXPECT_TRUE(rig.test.startEnabled());
        const auto outputs = rig.state.ControlBytes;
        rig.tick();
        EXPECT_EQ(rig.state.ControlBytes, outputs) << "a later tick does nothing";
    }
}

TEST(PumpTestAbort, ErrorIsLoggedAndCloseKeepsPosition) {
    Rig rig;
    ASSERT_TRUE(rig.test.mStartTest());
    rig.tick([&](int) { rig.host.throwOnRefresh = 1; });
    EXPECT_EQ(rig.host.count("log FrmCharacteristics.TimerTest_Timer: drawing failed"), 1);
    rig.test.close(1200, 3400);
    EXPECT_EQ(rig.settings.sys.WindowPos[4], 1200);
    EXPECT_EQ(rig.settings.sys.WindowPos[5], 3400);
    EXPECT_EQ(rig.host.events.back(), "save");
}

TEST(PumpTestAbort, LimitsSwitchedOffOrSensorMissingDoNotStopTheTest) {
    struct Case {
        const char* name;
        std::function<void(Rig&)> happen;
    };
    const Case cases[] = {
        {"alarm off",
         [](Rig& r) {
             r.settings.temp.TempAlarmOn[2] = 0;
             r.settings.temp.TempShutdownOn[2] = 0;
             r.state.StatusBytes[4] = 62 + 90;
         }},
        {"sensor short", [](Rig& r) { r.state.StatusBytes[4] = 254; }},
        {"channel the small controller lacks",
         [](Rig& r) {
             r.settings.sys.BoardType = 1;
             r.state.StatusBytes[8] = 62 + 90;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        ASSERT_TRUE(rig.test.mStartTest());
        rig.tick([&](int) { c.happen(rig); });
        EXPECT_TRUE(rig.test.running());
        EXPECT_TRUE(rig.running);
    }
}

TEST(PumpTestStart, RefusedWithoutLinkOrInAlarmOrWhenCancelled) {
    struct Case {
        const char* name;
        std::function<void(Rig&)> setUp;
        std::string last;
    };
    const Case cases[] = {
        {"not linked", [](Rig& r) { r.host.link = false; },
         "notice The pump test needs the controller: it is not connected.   "},
        {"pump alarm", [](Rig& r) { r.safety.AlarmState[kAlarmPump] = kTrue; },
         "notice The pump test cannot start while an alarm is active.   "},
        {"hot channel", [](Rig& r) { r.state.StatusBytes[2] = 62 + 61; },
         "notice The pump test cannot start: Temperature 1 has reached its alarm limit.   "},
        {"cancelled", [](Rig& r) { r.host.answer = 1; }, "msg 114"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        c.setUp(rig);
        EXPECT_FALSE(rig.test.mStartTest());
        EXPECT_EQ(rig.host.events.back(), c.last);
        EXPECT_FALSE(rig.running);
        rig.tick();
        EXPECT_TRUE(rig.outputsAsBefore());
        EXPECT_EQ(rig.test.TestStep(), 0);
    }
}

TEST(PumpTestResults, HighAndLowStartFromTheChartBounds) {
    struct Case {
        double rpm, lpm;
        const char *high, *low, *flowHigh, *flowLow;
    };
    const Case cases[] = {
        {0, 0, "0 RPM", "0 RPM", "0.0 LPM / 0.00 GPM", "0.0 LPM / 0.00 GPM"},
        {6000, 30, "6,000 RPM", "5,400 RPM", "30.0 LPM / 7.93 GPM", "22.5 LPM / 5.94 GPM"},
    };
    for (const auto& c : cases) {
        PumpTestChart chart;
        chart.TestRpm[0].fill(c.rpm);
        chart.TestFlow[0].fill(c.lpm);
        mMaxMinSave(chart, 1);
        EXPECT_EQ(chart.LabPump[0], c.high);
        EXPECT_EQ(chart.LabPump[1], c.low);
        EXPECT_EQ(chart.LabFlow[0], c.flowHigh);
        EXPECT_EQ(chart.LabFlow[1], c.flowLow);
    }
}

TEST(PumpTestResults, StoredResultShownAgainOnlyForKnownPairCounts) {
    struct Case {
        Int16 pumps;
        bool shown;
        double secondPump;
    };
    for (const Case c :
         {Case{0, true, 0}, Case{1, true, 2000}, Case{9, false, 0}, Case{5, false, 0}, Case{-1, false, 0}}) {
        SCOPED_TRACE(c.pumps);
        Rig rig;
        rig.settings.test.PumpTestPumps = c.pumps;
        rig.settings.test.value(7, 0) = 1000;
        rig.settings.test.value(7, 1) = 2000;
        rig.settings.test.PumpTestPumpText[0] = "1,000 RPM";
        rig.settings.test.PumpTestTubeText1 = "6mm";
        rig.test.open();
        const auto& chart = rig.test.chart();
        EXPECT_EQ(chart.drawnFrom, c.shown ? 1 : 16);
        EXPECT_EQ(chart.TestRpm[0][7], c.shown ? 1000 : 0);
        EXPECT_EQ(chart.TestRpm[1][7], c.secondPump);
        EXPECT_EQ(chart.LabPump[0], c.shown ? "1,000 RPM" : "");
        EXPECT_EQ(chart.LabTub[0], c.shown ? "6mm" : "10/13mm");
        EXPECT_EQ(chart.LabCapFlow[1], "Flowmeter (ZRT-VX16)");
        EXPECT_EQ(rig.test.captureEnabled(), c.shown);
        EXPECT_EQ(chart.resultsInPicture, c.shown);
    }
}

TEST(PumpTestResults, ReopeningStartsTheProgressAtZero) {
    Rig rig;
    rig.test.open();
    ASSERT_TRUE(rig.test.mStartTest());
    for (int i = 0; i < 10; ++i) rig.tick();
    rig.test.close(0, 0);
    rig.test.open();
    EXPECT_EQ(rig.test.TestStep(), 0);
}

} // namespace
} // namespace vrx
