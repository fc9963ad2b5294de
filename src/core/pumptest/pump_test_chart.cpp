#include "pumptest/pump_test_chart.h"

#include <algorithm>

#include "measure/flow.h"
#include "text/format.h"

namespace vrx {
namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

std::string rpmText(double rpm) {
    return formatWhole(rpm) + " RPM";
}

std::string flowText(double lpm) {
    return formatFixed(lpm, 1) + " LPM / " + formatFixed(lpm / kLitresPerGallon, 2) + " GPM";
}

} // namespace

int testPairs(int boardType) {
    return boardType == 2 ? 2 : 1;
}

std::string flowMeterCaption(int model) {
    return std::string("Flowmeter ") + (model == 1 ? "(ZRT-VX17)" : "(ZRT-VX16)");
}

std::string tubeText(int tube) {
    return tube == 1 ? "10/13mm" : "6mm";
}

void clearChart(PumpTestChart& chart) {
    for (auto& curve : chart.TestRpm)
        curve.fill(0);
    for (auto& curve : chart.TestFlow)
        curve.fill(0);
    for (auto& text : chart.LabPump)
        text.clear();
    for (auto& text : chart.LabFlow)
        text.clear();
    chart.drawnFrom = kTestLevels + 1;
    chart.resultsInPicture = false;
}

void mMaxMinSave(PumpTestChart& chart, int pairs) {
    for (int k = 0; k < pairs; ++k) {
        const auto& rpm = chart.TestRpm[at(k)];
        const auto& flow = chart.TestFlow[at(k)];
        double rpmHigh = 0, rpmLow = kTestRpmTop, flowHigh = 0, flowLow = kTestFlowTop;
        for (int level = 1; level <= kTestLevels; ++level) {
            rpmHigh = std::max(rpmHigh, rpm[at(level)]);
            rpmLow = std::min(rpmLow, rpm[at(level)]);
            flowHigh = std::max(flowHigh, flow[at(level)]);
            flowLow = std::min(flowLow, flow[at(level)]);
        }
        chart.LabPump[at(2 * k)] = rpmText(rpmHigh);
        chart.LabPump[at(2 * k + 1)] = rpmText(rpmLow);
        chart.LabFlow[at(2 * k)] = flowText(flowHigh);
        chart.LabFlow[at(2 * k + 1)] = flowText(flowLow);
    }
}

void mSaveLogData(const PumpTestChart& chart, int pairs, PumpTestData& data) {
    // A pair the controller lacks keeps no values of an earlier, larger controller.
    data.PumpTestValues.fill(0);
    data.PumpTestPumps = static_cast<Int16>(pairs - 1);
    for (int k = 0; k < pairs; ++k) {
        for (int level = 1; level <= kTestLevels + 1; ++level) {
            data.value(at(level), at(k)) = chart.TestRpm[at(k)][at(level)];
            data.value(at(level), at(k + 2)) = chart.TestFlow[at(k)][at(level)];
        }
    }
    data.PumpTestPumpText = chart.LabPump;
    data.PumpTestFlowText = chart.LabFlow;
    data.PumpTestTubeText1 = chart.LabTub[0];
    data.PumpTestTubeText2 = chart.LabTub[1];
}

bool mLoadLogData(const PumpTestData& data, PumpTestChart& chart) {
    if (data.PumpTestPumps != 0 && data.PumpTestPumps != 1) return false;
    clearChart(chart);
    for (int k = 0; k <= data.PumpTestPumps; ++k) {
        for (int level = 1; level <= kTestLevels + 1; ++level) {
            chart.TestRpm[at(k)][at(level)] = data.value(at(level), at(k));
            chart.TestFlow[at(k)][at(level)] = data.value(at(level), at(k + 2));
        }
    }
    chart.LabPump = data.PumpTestPumpText;
    chart.LabFlow = data.PumpTestFlowText;
    chart.LabTub = {data.PumpTestTubeText1, data.PumpTestTubeText2};
    chart.drawnFrom = 1;
    return true;
}

} // namespace vrx
