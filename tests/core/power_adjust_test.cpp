#include "outputs/power_adjust.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace vrx {
namespace {

constexpr std::int16_t kUntouched = 77;

Settings defaults() {
    Settings s;
    SetDefaults(s, "/vrx/");
    return s;
}

TEST(PowerAdjust, CaptionsRangesAndValueLabels) {
    struct Case {
        OutputKind kind;
        int unit;
        const char* caption;
        int max;
        int value;
        const char* label;
    };
    const Case cases[] = {
        {OutputKind::Fan, 2, "Fan #2 - Power Adjust", 100, 35, "(35%)"},
        {OutputKind::Fan, 0, "All Fan - Power Adjust", 100, 100, "(100%)"},
        {OutputKind::Pump, 1, "Pump #1 - Power Adjust", 32, 17, "(8.06V)"},
        {OutputKind::Pump, 0, "All Pump - Power Adjust", 32, 1, "(7.58V)"},
        {OutputKind::Pump, 2, "Pump #2 - Power Adjust", 32, 32, "(12.73V)"},
    };
    for (const auto& c : cases) {
        PowerAdjust a(c.kind, c.unit);
        a.setValue(4, c.value);
        EXPECT_EQ(a.caption(), c.caption);
        EXPECT_EQ(a.sliderMax(), c.max) << c.caption;
        EXPECT_EQ(a.valueLabel(4), c.label) << c.caption;
    }
}

TEST(PowerAdjust, LoadsTheUnitsColumnKeptWithinTheSliderRange) {
    Settings s = defaults();
    for (int n = 1; n <= 10; ++n)
        levelTable(s, OutputKind::Fan, 3, n) = static_cast<Int16>(n + 40);
    levelTable(s, OutputKind::Fan, 3, 2) = 0;   // a damaged file: below the slider
    levelTable(s, OutputKind::Pump, 0, 1) = 40; // above the top step
    PowerAdjust fan(OutputKind::Fan, 3), pump(OutputKind::Pump, 0);
    fan.Form_Load(s);
    pump.Form_Load(s);
    EXPECT_EQ(fan.value(1), 41);
    EXPECT_EQ(fan.value(2), 1);
    EXPECT_EQ(fan.value(10), 50);
    EXPECT_EQ(pump.value(1), 32);
    EXPECT_EQ(pump.value(2), 8);
    fan.setValue(5, 101);
    EXPECT_EQ(fan.value(5), 100);
}

TEST(PowerAdjust, DefaultPutsTheTableDefaultsOnTheSlidersAndStoresNothing) {
    Settings s = defaults();
    levelTable(s, OutputKind::Pump, 2, 3) = 30;
    levelTable(s, OutputKind::Fan, 0, 10) = 55;
    const Settings before = s;
    PowerAdjust pump(OutputKind::Pump, 2), fan(OutputKind::Fan, 0);
    pump.Form_Load(s);
    fan.Form_Load(s);
    pump.mDefault();
    fan.mDefault();
    EXPECT_EQ(pump.value(3), 11);
    EXPECT_EQ(fan.value(10), 100);
    EXPECT_EQ(s, before);
}

// Save: the table columns written and which output bytes take the new power.
TEST(PowerAdjust, SaveWritesTheTableAndOnlyOutputsAtAFixedLevel) {
    struct Case {
        const char* what;
        OutputKind kind;
        int unit;
        int boardType;
        std::vector<int> settings;       // level settings of entries 0..n
        int level, value;                // the slider moved
        std::vector<int> columnsChanged; // table columns that take `value` at `level`
        std::map<int, int> bytes;        // output -> new byte; other outputs keep kUntouched
        bool logsBadSetting = false;
    };
    const Case cases[] = {
        {"fan 4 while the group is at Level 3",
         OutputKind::Fan,
         4,
         2,
         {3, 3, 3, 3, 3, 3, 3},
         1,
         63,
         {4},
         {{4, 63}}},
        {"all fans, Level 1 at 25 %, Auto and Disable untouched",
         OutputKind::Fan,
         0,
         2,
         {3, 3, 0, 14, 3, 3, 3},
         1,
         25,
         {0, 1, 2, 3, 4, 5, 6},
         {{1, 25}, {4, 25}, {5, 25}, {6, 25}}},
        {"all fans on a small board still writes fans 4..6",
         OutputKind::Fan,
         0,
         1,
         {7, 7, 7, 7, 7, 7, 7},
         5,
         45,
         {0, 1, 2, 3, 4, 5, 6},
         {{1, 45}, {2, 45}, {3, 45}, {4, 45}, {5, 45}, {6, 45}}},
        {"fan in Auto keeps its byte", OutputKind::Fan, 2, 2, {0, 0, 0, 0, 0, 0, 0}, 3, 90, {2}, {}},
        {"fan at another level gets that level's power",
         OutputKind::Fan,
         6,
         2,
         {12, 12, 12, 12, 12, 12, 5},
         9,
         95,
         {6},
         {{6, 30}}},
        {"pump 2 at Level 10", OutputKind::Pump, 2, 2, {12, 12, 12}, 10, 20, {2}, {{2, 19}}},
        {"all pumps, pump 1 in Auto", OutputKind::Pump, 0, 1, {12, 0, 12}, 10, 1, {0, 1, 2}, {{2, 0}}},
        {"unknown fan setting counts as Level 10",
         OutputKind::Fan,
         1,
         2,
         {12, 20, 12, 12, 12, 12, 12},
         10,
         66,
         {1},
         {{1, 66}},
         true},
    };
    for (const auto& c : cases) {
        Settings s = defaults();
        s.sys.BoardType = static_cast<Int16>(c.boardType);
        for (std::size_t e = 0; e < c.settings.size(); ++e)
            levelSetting(s, c.kind, static_cast<int>(e)) = static_cast<Int16>(c.settings[e]);
        const Settings before = s;
        ControllerState st;
        st.ControlBytes.fill(kUntouched);
        std::vector<std::string> logged;
        OutputBytes out(st, [&](const std::string& proc, const std::string&) { logged.push_back(proc); });

        PowerAdjust a(c.kind, c.unit);
        a.Form_Load(s);
        a.setValue(c.level, c.value);
        a.save(s, out);

        const int entries = entryCount(c.kind);
        for (int e = 0; e < entries; ++e) {
            const bool changed =
                std::find(c.columnsChanged.begin(), c.columnsChanged.end(), e) != c.columnsChanged.end();
            for (int n = 1; n <= 10; ++n) {
                const int expect = changed && n == c.level ? c.value : levelTable(before, c.kind, e, n);
                EXPECT_EQ(levelTable(s, c.kind, e, n), expect) << c.what << " entry " << e << " level " << n;
            }
        }
        for (int o = 1; o < entries; ++o) {
            const auto it = c.bytes.find(o);
            EXPECT_EQ(out.byte(c.kind, o), it == c.bytes.end() ? kUntouched : it->second)
                << c.what << " output " << o;
        }
        for (int b = 0; b < 23; ++b)
            EXPECT_EQ(st.ControlBytes[static_cast<std::size_t>(b)], kUntouched) << c.what;
        const std::string procedure =
            c.kind == OutputKind::Fan ? "FrmAdjust.mFanBuffSet" : "FrmAdjust.mPumpBuffSet";
        for (const auto& p : logged)
            EXPECT_EQ(p, procedure) << c.what;
        EXPECT_EQ(logged.size(), c.logsBadSetting ? 1u : 0u) << c.what;
    }
}

} // namespace
} // namespace vrx
