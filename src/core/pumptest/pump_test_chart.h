#pragma once
// What the pump characteristics window shows: the measured speeds and flows per level and the
// result texts, and how they are kept in the settings record between runs.
#include <array>
#include <string>

#include "settings/settings_record.h"

namespace vrx {

inline constexpr int kTestLevels = 15;
inline constexpr int kTestPairs = 2;
inline constexpr Int16 kNoStoredResult = 9;
inline constexpr double kTestRpmTop = 5400;  // chart top, and where the low speed starts
inline constexpr double kTestFlowTop = 22.5; // chart top, and where the low flow starts

struct PumpTestChart {
    using Curve = std::array<double, kTestLevels + 2>; // index = level 1..15; 16 = copy of 15
    std::array<Curve, kTestPairs> TestRpm{};
    std::array<Curve, kTestPairs> TestFlow{};
    std::array<std::string, 4> LabPump; // (2k) high, (2k+1) low of pair k
    std::array<std::string, 4> LabFlow;
    std::array<std::string, kTestPairs> LabTub;
    std::array<std::string, kTestPairs> LabCapFlow;
    // Levels drawn as curve: from this level up to 15; 16 = no curve.
    int drawnFrom = kTestLevels + 1;
    // The result texts are written into the picture (after a completed test).
    bool resultsInPicture = false;
};

// Pairs of pump and flow meter the controller type has: 2 on the full controller, else 1.
int testPairs(int boardType);
// "Flowmeter (ZRT-VX17)" for meter model 1, "Flowmeter (ZRT-VX16)" otherwise.
std::string flowMeterCaption(int model);
// "10/13mm" for tubing size 1, "6mm" otherwise.
std::string tubeText(int tube);

// Empties the curves and the eight result texts.
void clearChart(PumpTestChart& chart);
// Result texts from the measured levels 1..15 of each pair.
void mMaxMinSave(PumpTestChart& chart, int pairs);
// The chart as the stored result of the last completed test.
void mSaveLogData(const PumpTestChart& chart, int pairs, PumpTestData& data);
// The stored result back into the chart; false (chart untouched) when none is stored. A pair
// count other than 0 or 1 means none: a damaged record never shows invented curves.
bool mLoadLogData(const PumpTestData& data, PumpTestChart& chart);

} // namespace vrx
