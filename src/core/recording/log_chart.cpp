#include "recording/log_chart.h"

#include <algorithm>

#include "text/format.h"

namespace vrx {
namespace {

constexpr int kChartTop = 80;
// Far outside any surface, yet well inside int: a value no sensor gives still draws off-chart.
constexpr double kFarOff = 1e6;

struct Scale {
    double zeroY, perUnit; // y of value 0, twips per unit
    int gridBottom, gridStep;
};

Scale scaleOf(LogChart chart) {
    switch (chart) {
    case LogChart::Temperatures:
        return {6190, 47, 7600, 470}; // 130 C at 80, -30 C at 7600
    case LogChart::Fans:
    case LogChart::Pumps:
        return {7580, 1, 7580, 500}; // 7500 rpm at 80
    case LogChart::Flows:
        return {7580, 300, 7580, 300}; // 25 L/min at 80
    }
    return {7580, 1, 7580, 500};
}

} // namespace

ChannelRange chartChannels(LogChart chart) {
    switch (chart) {
    case LogChart::Temperatures:
        return {kFirstTempChannel, kTempChannels};
    case LogChart::Fans:
        return {kFirstFanChannel, 6};
    case LogChart::Pumps:
        return {kFirstPumpChannel, 2};
    case LogChart::Flows:
        return {kFirstFlowChannel, 2};
    }
    return {kFirstTempChannel, 0};
}

int chartY(LogChart chart, double value) {
    const Scale s = scaleOf(chart);
    return static_cast<int>(roundHalfEven(std::clamp(s.zeroY - s.perUnit * value, -kFarOff, kFarOff)));
}

int lineX(int n, int cursorStep) {
    return kChartLeft + cursorStep * n;
}

int cursorX(int p, int lineLimit) {
    if (lineLimit < 1) return kChartLeft;
    return kChartLeft + p * static_cast<int>(roundHalfEven(static_cast<double>(kChartWidth) / lineLimit));
}

std::vector<int> horizontalGrid(LogChart chart) {
    const Scale s = scaleOf(chart);
    std::vector<int> ys;
    for (int y = kChartTop; y <= s.gridBottom; y += s.gridStep)
        ys.push_back(y);
    return ys;
}

std::vector<int> verticalGrid(int gridStep) {
    std::vector<int> xs;
    if (gridStep < 1) return {kChartLeft};
    for (int offset = 0; offset <= kChartWidth; offset += gridStep)
        xs.push_back(kChartLeft + offset);
    return xs;
}

} // namespace vrx
