// What the live graph draws: the segments of a group, the grid, the scale labels and the legend.
#include "recording/live_graph.h"
#include "text/format.h"

namespace vrx {

namespace {

constexpr int kGridRowStep = 270;
constexpr int kGridRight = 5400;
constexpr double kLitresPerGallon = 3.7853;

struct ChannelRange {
    int first = 0; // history channel 1..20
    int count = 0; // channels of the group that exist on the board
};

// Anything but the full board is treated as the small one, so a damaged setting never shows more.
ChannelRange channelsOf(int group, int boardType) {
    const int board = boardType == 2 ? 2 : 1;
    switch (group) {
    case GroupTemperature:
        return {1, 5 * board};
    case GroupFan:
        return {11, 3 * board};
    case GroupPump:
        return {17, board};
    case GroupFlow:
        return {19, board};
    default:
        return {};
    }
}

bool graphOn(int channel, const Settings& s) {
    const auto i = static_cast<std::size_t>(channel);
    if (channel <= 10) return s.temp.TempGraphOn[i - 1] == 1;
    if (channel <= 16) return s.fan.FanGraphOn[i - 11] == 1;
    if (channel <= 18) return s.pump.PumpGraphOn[i - 17] == 1;
    return s.pump.FlowGraphOn[i - 19] == 1;
}

std::int32_t colorOf(int channel, const Settings& s) {
    const auto i = static_cast<std::size_t>(channel);
    if (channel <= 10) return s.temp.TempColor[i - 1];
    if (channel <= 16) return s.fan.FanColor[i - 11];
    if (channel <= 18) return s.pump.PumpColor[i - 17];
    return s.pump.FlowColor[i - 19];
}

bool segmentLeftOut(int group, double older, double newer) {
    switch (group) {
    case GroupTemperature:
        // The line stops at the last valid sample and starts again at the next one: a segment
        // from or to "no reading" would be drawn from below the chart.
        return newer == kNoTemperature || older == kNoTemperature;
    case GroupFan:
    case GroupPump:
        return !(older > 0); // a stopped output draws down to the bottom once, then nothing
    default:
        return false;
    }
}

std::string wholeNumber(double value) {
    return formatWhole(value);
}

} // namespace

int LiveGraph::yOf(int group, double value) {
    double y = kGraphHeight;
    switch (group) {
    case GroupTemperature:
        y = kGraphHeight - 27 * value;
        break;
    case GroupFan:
    case GroupPump:
        y = kGraphHeight - 0.27 * value;
        break;
    case GroupFlow:
        y = kGraphHeight - 135 * value;
        break;
    default:
        break;
    }
    return static_cast<int>(roundHalfEven(y));
}

std::vector<GraphLine> LiveGraph::mDrawGraph(int group, const Settings& s) const {
    std::vector<GraphLine> lines;
    const ChannelRange range = channelsOf(group, s.sys.BoardType);
    lines.reserve(static_cast<std::size_t>(range.count * (kGraphSamples - 1)));
    for (int c = range.first; c < range.first + range.count; ++c) {
        if (!graphOn(c, s)) continue;
        const auto& h = m_history[static_cast<std::size_t>(c)];
        const std::int32_t color = colorOf(c, s);
        std::array<int, kGraphSamples> ys{}; // each sample is scaled once, not once per segment end
        for (std::size_t k = 0; k < ys.size(); ++k)
            ys[k] = yOf(group, h[k]);
        for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
            if (segmentLeftOut(group, h[k], h[k + 1])) continue;
            const int x = kGraphStep * static_cast<int>(k);
            lines.push_back({x, ys[k], x + kGraphStep, ys[k + 1], color});
        }
    }
    return lines;
}

std::vector<GraphLine> LiveGraph::mGraphLine(std::int32_t gridColor) {
    std::vector<GraphLine> lines;
    lines.reserve(kGraphSamples + 8);
    for (int x = 0; x <= kGraphWidth; x += kGraphStep)
        lines.push_back({x, 0, x, kGraphHeight, gridColor});
    for (int y = 0; y < kGraphHeight; y += kGridRowStep)
        lines.push_back({0, y, kGridRight, y, gridColor});
    return lines;
}

std::array<std::string, 9> LiveGraph::gSetGraphAxis(int group, const Settings& s) {
    std::array<std::string, 9> labels;
    for (int i = 0; i < 8; ++i) {
        std::string& label = labels[static_cast<std::size_t>(i + 1)];
        switch (group) {
        case GroupTemperature:
            label = s.temp.TempUnit == 1 ? wholeNumber(10.0 * i) : wholeNumber(10.0 * i * 1.8 + 32);
            break;
        case GroupFan:
        case GroupPump:
            label = formatThousands(1000 * i);
            break;
        case GroupFlow:
            if (i == 0)
                label = formatThousands(0);
            else
                label = s.pump.FlowUnit == 1 ? formatFixed(2.0 * i, 1)
                                             : formatFixed(2.0 * i / kLitresPerGallon, 2);
            break;
        default:
            break;
        }
    }
    switch (group) {
    case GroupTemperature:
        labels[0] = s.temp.TempUnit == 1 ? "Temperature (C)" : "Temperature (F)";
        break;
    case GroupFan:
        labels[0] = "Fan (RPM)";
        break;
    case GroupPump:
        labels[0] = "Pump (RPM)";
        break;
    case GroupFlow:
        labels[0] = s.pump.FlowUnit == 1 ? "Flowmeter (LPM)" : "Flowmeter (GPM)";
        break;
    default:
        break;
    }
    return labels;
}

std::array<LegendMark, 20> LiveGraph::gSetSColor(const Settings& s) {
    std::array<LegendMark, 20> marks{};
    for (int group = GroupTemperature; group <= GroupFlow; ++group) {
        const ChannelRange range = channelsOf(group, s.sys.BoardType);
        for (int c = range.first; c < range.first + range.count; ++c) {
            if (!graphOn(c, s)) continue;
            marks[static_cast<std::size_t>(c - 1)] = {true, colorOf(c, s)};
        }
    }
    return marks;
}

} // namespace vrx
