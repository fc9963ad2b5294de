#include "outputs/auto_editor.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/status_frame.h"

namespace vrx {
namespace {

Settings defaults() {
    Settings s;
    SetDefaults(s, "/vrx/");
    return s;
}

StatusArray readings(int code = 92) {
    StatusArray st{};
    for (std::size_t c = 0; c < 10; ++c)
        st[st::Temp + c] = static_cast<std::int16_t>(code);
    return st;
}

AutoEditor loaded(OutputKind kind, int unit, const Settings& s = defaults()) {
    AutoEditor e(kind, unit);
    e.Form_Load(s, readings());
    return e;
}

TEST(AutoEditor, CaptionAndAxisTexts) {
    struct Case {
        OutputKind kind;
        int unit, tempUnit;
        const char *caption, *tempTitle, *tempUnitText, *powerTitle, *powerUnit;
    };
    const Case cases[] = {
        {OutputKind::Fan, 1, 1, " Fan1 - Auto Mode Setting", "Temp.(C)", "(  C)", "Power(%)", "( % )"},
        {OutputKind::Fan, 0, 2, " All Fans - Auto Mode Setting", "Temp.(F)", "(  F)", "Power(%)", "( % )"},
        {OutputKind::Pump, 2, 1, " Pump2 - Auto Mode Setting", "Temp.(C)", "(  C)", "Power(V)", "( V )"},
        {OutputKind::Pump, 0, 2, " All Pumps - Auto Mode Setting", "Temp.(F)", "(  F)", "Power(V)", "( V )"},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        s.temp.TempUnit = static_cast<Int16>(c.tempUnit);
        const AutoEditor e = loaded(c.kind, c.unit, s);
        EXPECT_EQ(e.caption(), c.caption);
        EXPECT_EQ(e.temperatureAxisTitle(), c.tempTitle) << c.caption;
        EXPECT_EQ(e.temperatureAxisUnit(), c.tempUnitText) << c.caption;
        EXPECT_EQ(e.powerAxisTitle(), c.powerTitle) << c.caption;
        EXPECT_EQ(e.powerAxisUnit(), c.powerUnit) << c.caption;
    }
}

TEST(AutoEditor, PointLabelsInTheDisplayUnits) {
    struct Case {
        OutputKind kind;
        int tempUnit;
        std::vector<const char*> temps, powers;
    };
    // Curve 0/33/100 C at 5/60/95 %.
    const Case cases[] = {
        {OutputKind::Fan, 1, {"0", "33", "100"}, {"5", "60", "95"}},
        {OutputKind::Fan, 2, {"32", "91", "212"}, {"5", "60", "95"}},
        {OutputKind::Pump, 1, {"0", "33", "100"}, {"7.58", "8.26", "12.73"}},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        s.temp.TempUnit = static_cast<Int16>(c.tempUnit);
        setAutoCurve(s, c.kind, 1, AutoCurve{0, {0, 33, 100}, {5, 60, 95}, false});
        const AutoEditor e = loaded(c.kind, 1, s);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(e.temperatureLabel(k), c.temps[static_cast<std::size_t>(k)])
                << "unit " << c.tempUnit << " k " << k;
            EXPECT_EQ(e.powerLabel(k), c.powers[static_cast<std::size_t>(k)]) << "k " << k;
        }
    }
}

TEST(AutoEditor, ChannelsWithoutSensorAreDisabledAndASmallBoardHidesSixToTen) {
    struct Case {
        int boardType;
        std::vector<std::pair<int, int>> codes; // channel, code
        std::vector<bool> enabled, visible;
    };
    const Case cases[] = {
        {2, {{3, 1}, {9, 254}, {4, 32}}, {1, 1, 1, 0, 1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        // Channels past the small board's five are not examined.
        {1, {{2, 254}, {7, 1}}, {1, 1, 0, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        s.sys.BoardType = static_cast<Int16>(c.boardType);
        StatusArray st = readings();
        for (const auto& [channel, code] : c.codes)
            st[st::Temp + static_cast<std::size_t>(channel)] = static_cast<std::int16_t>(code);
        AutoEditor e(OutputKind::Fan, 2);
        e.Form_Load(s, st);
        for (int ch = 0; ch < 10; ++ch) {
            EXPECT_EQ(e.channelEnabled(ch), c.enabled[static_cast<std::size_t>(ch)])
                << "board " << c.boardType << " ch " << ch;
            EXPECT_EQ(e.channelVisible(ch), c.visible[static_cast<std::size_t>(ch)])
                << "board " << c.boardType << " ch " << ch;
        }
    }
}

TEST(AutoEditor, LoadsTheTargetsEntry) {
    Settings s = defaults();
    const AutoCurve curve{7, {20, 40, 70}, {10, 45, 80}, false};
    setAutoCurve(s, OutputKind::Pump, 2, curve);
    s.pump.PumpAutoSensor[1] = 12; // no such channel: the first is chosen
    const AutoEditor pump2 = loaded(OutputKind::Pump, 2, s), pump1 = loaded(OutputKind::Pump, 1, s);
    EXPECT_EQ(pump2.channel(), 7);
    EXPECT_FALSE(pump2.noHysteresis());
    EXPECT_TRUE(pump1.noHysteresis());
    EXPECT_EQ(pump1.channel(), 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(pump2.temperature(k), curve.temp[static_cast<std::size_t>(k)]);
        EXPECT_EQ(pump2.power(k), curve.power[static_cast<std::size_t>(k)]);
        EXPECT_EQ(pump2.temperatureHandle(k), 45 * curve.temp[static_cast<std::size_t>(k)]);
        EXPECT_EQ(pump2.powerHandle(k), 25 * (100 - curve.power[static_cast<std::size_t>(k)]));
    }
}

struct Drag {
    bool power; // else a temperature handle
    int k, position;
};

void apply(AutoEditor& e, const std::vector<Drag>& drags) {
    for (const auto& d : drags)
        d.power ? e.dragPower(d.k, d.position) : e.dragTemperature(d.k, d.position);
}

// Default curve: 15/55/85 C (handles 675/2475/3825), 30/50/90 % (handles 1750/1250/250).
TEST(AutoEditor, DraggedHandlesStopShortOfNeighboursAndRound) {
    struct Case {
        const char* what;
        std::vector<Drag> drags;
        std::array<int, 3> temps, powers;
        int lastHandle;
    };
    const Case cases[] = {
        {"T1 past T0 stops 65 units after it", {{false, 1, 0}}, {15, 16, 85}, {30, 50, 90}, 740},
        {"T1 past T2 stops 65 units before it", {{false, 1, 4500}}, {15, 84, 85}, {30, 50, 90}, 3760},
        {"T0 to the left edge and beyond", {{false, 0, -300}}, {0, 55, 85}, {30, 50, 90}, 0},
        {"T2 to the right edge and beyond", {{false, 2, 9000}}, {15, 55, 100}, {30, 50, 90}, 4500},
        {"T0 onto T1", {{false, 0, 2475}}, {54, 55, 85}, {30, 50, 90}, 2410},
        {"free move rounds to the nearest degree", {{false, 2, 3000}}, {15, 55, 67}, {30, 50, 90}, 3000},
        // T1's handle stays at 800 (not 18 C = 810), so T0 stops at 735 = 16.3 C.
        {"neighbour's handle position, not its value",
         {{false, 1, 800}, {false, 0, 1000}},
         {16, 18, 85},
         {30, 50, 90},
         735},
        {"P1 down onto P0", {{true, 1, 2500}}, {15, 55, 85}, {30, 31, 90}, 1720},
        {"P1 up onto P2", {{true, 1, 0}}, {15, 55, 85}, {30, 89, 90}, 280},
        {"P0 below 0 %", {{true, 0, 2600}}, {15, 55, 85}, {0, 50, 90}, 2500},
        {"P2 above 100 %", {{true, 2, -40}}, {15, 55, 85}, {30, 50, 100}, 0},
        {"P2 down onto P1", {{true, 2, 1500}}, {15, 55, 85}, {30, 50, 51}, 1220},
        {"P0 up onto P1", {{true, 0, 0}}, {15, 55, 85}, {49, 50, 90}, 1280},
        {"free power move rounds", {{true, 1, 1010}}, {15, 55, 85}, {30, 60, 90}, 1010},
    };
    for (const auto& c : cases) {
        AutoEditor e = loaded(OutputKind::Fan, 1);
        apply(e, c.drags);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(e.temperature(k), c.temps[static_cast<std::size_t>(k)]) << c.what << " T" << k;
            EXPECT_EQ(e.power(k), c.powers[static_cast<std::size_t>(k)]) << c.what << " P" << k;
        }
        const Drag& last = c.drags.back();
        EXPECT_EQ(last.power ? e.powerHandle(last.k) : e.temperatureHandle(last.k), c.lastHandle) << c.what;
    }
}

TEST(AutoEditor, CurveSegmentsFollowThePoints) {
    AutoEditor e = loaded(OutputKind::Fan, 1);
    e.dragTemperature(2, 4050); // 90 C
    const std::array<PlotSegment, 6> expected = {
        PlotSegment{0, 1750, 2475, 1750},   PlotSegment{675, 1250, 2475, 1250},
        PlotSegment{675, 1750, 675, 1250},  PlotSegment{2475, 1750, 2475, 1250},
        PlotSegment{2475, 1250, 4050, 250}, PlotSegment{4050, 250, 4500, 250}};
    EXPECT_EQ(e.curveSegments(), expected);
}

TEST(AutoEditor, SaveSetsAutoForOneUnitOrTheWholeGroup) {
    struct Case {
        OutputKind kind;
        int unit;
        std::vector<int> edited; // entries that take the curve and Auto
        int group;
    };
    const Case cases[] = {
        {OutputKind::Fan, 3, {3}, 0},
        {OutputKind::Fan, 0, {0, 1, 2, 3, 4, 5, 6}, 1},
        {OutputKind::Pump, 2, {2}, 0},
        {OutputKind::Pump, 0, {0, 1, 2}, 1},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        groupFlag(s, c.kind) = static_cast<Int16>(1 - c.group);
        const Settings before = s;
        AutoEditor e = loaded(c.kind, c.unit, s);
        e.dragTemperature(0, 900);
        e.dragPower(2, 500);
        e.setChannel(4);
        e.setNoHysteresis(false);
        e.save(s);
        const AutoCurve edited{4, {20, 55, 85}, {30, 50, 80}, false};
        EXPECT_EQ(groupFlag(s, c.kind), c.group) << c.unit;
        for (int entry = 0; entry < entryCount(c.kind); ++entry) {
            const bool hit = std::find(c.edited.begin(), c.edited.end(), entry) != c.edited.end();
            EXPECT_EQ(autoCurve(s, c.kind, entry), hit ? edited : autoCurve(before, c.kind, entry))
                << c.unit << " " << entry;
            EXPECT_EQ(levelSetting(s, c.kind, entry), hit ? 0 : levelSetting(before, c.kind, entry))
                << c.unit << " " << entry;
        }
        s.fan.FanGroup = before.fan.FanGroup; // apart from what was checked, nothing else changed
        s.pump.PumpGroup = before.pump.PumpGroup;
        s.fan.FanLevel = before.fan.FanLevel;
        s.pump.PumpLevel = before.pump.PumpLevel;
        for (int entry = 0; entry < entryCount(c.kind); ++entry)
            setAutoCurve(s, c.kind, entry, autoCurve(before, c.kind, entry));
        EXPECT_EQ(s, before) << c.unit;
    }
}

} // namespace
} // namespace vrx
