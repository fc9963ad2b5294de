#include "recording/live_graph.h"

#include "measure/number_value.h"
#include "measure/temperature.h"

namespace vrx {

namespace {

constexpr int kTemperatureChannels = 10;
constexpr int kSpeedChannels = 18; // fans 11..16, pumps 17..18
constexpr int kChannels = 20;

// A value read from a damaged system file must not pick a period or group that does not exist.
int cyclePeriod(int timeIndex) {
    constexpr std::array<int, 4> periods = {5, 10, 20, 30};
    if (timeIndex < 0) timeIndex = 0;
    if (timeIndex > 3) timeIndex = 3;
    return periods[static_cast<std::size_t>(timeIndex)];
}

bool isGroup(int group) {
    return group >= GroupTemperature && group <= GroupFlow;
}

double temperatureSample(std::int16_t code) {
    // Open (1) or shorted (254) sensors, nothing received yet (0) and cleared readings (-31)
    // are no reading, so no line: plotted they would start strokes from below the chart.
    if (!isValidTempCode(code)) return kNoTemperature;
    return code - static_cast<double>(kTempCodeOffset);
}

} // namespace

void LiveGraph::reset(const Settings& s) {
    for (int c = 1; c <= kChannels; ++c) {
        m_history[static_cast<std::size_t>(c)].fill(c <= kTemperatureChannels ? kNoTemperature : 0.0);
    }
    m_cycleCounter = 0;
    showModeGroup(s);
}

void LiveGraph::showModeGroup(const Settings& s) {
    const int mode = s.sys.CycleMode;
    m_cycleCurrent = isGroup(mode) ? mode : GroupTemperature;
}

bool LiveGraph::TimerGraph_Timer(const Settings& s, ControllerState& state) {
    bool groupChanged = false;
    if (s.sys.CycleMode == 0) {
        if (m_cycleCounter < cyclePeriod(s.sys.CycleTimeIndex)) {
            ++m_cycleCounter;
        } else {
            m_cycleCounter = 1;
            m_cycleCurrent =
                isGroup(m_cycleCurrent) && m_cycleCurrent < GroupFlow ? m_cycleCurrent + 1 : GroupTemperature;
            groupChanged = true;
        }
    }

    for (int c = 1; c <= kChannels; ++c) {
        auto& h = m_history[static_cast<std::size_t>(c)];
        for (int k = 0; k + 1 < kGraphSamples; ++k)
            h[static_cast<std::size_t>(k)] = h[static_cast<std::size_t>(k + 1)];
    }

    constexpr auto newest = static_cast<std::size_t>(kGraphSamples - 1);
    for (int c = 1; c <= kChannels; ++c) {
        const auto byteIndex = static_cast<std::size_t>(c + 1);
        double value = 0;
        if (c <= kTemperatureChannels) {
            value = temperatureSample(state.StatusBytes[byteIndex]);
        } else if (c <= kSpeedChannels) {
            value = state.StatusBytes[byteIndex] * 30.0;
        } else {
            std::string& text = state.StatusText[byteIndex];
            if (text.empty()) text.push_back('0'); // the display shows "0" from now on too
            value = numberValue(text).value_or(0.0);
        }
        m_history[static_cast<std::size_t>(c)][newest] = value;
    }
    return groupChanged;
}

void LiveGraph::chooseGroup(int group, Settings& s) {
    if (!isGroup(group)) return;
    s.sys.CycleMode = static_cast<Int16>(group);
    s.sys.CycleItem = static_cast<Int16>(group);
    m_cycleCurrent = group;
}

void LiveGraph::chooseTime(int timeIndex, Settings& s) {
    if (timeIndex < 0 || timeIndex > 3) return;
    s.sys.CycleMode = 0;
    s.sys.CycleTimeIndex = static_cast<Int16>(timeIndex);
    s.sys.CycleItem = static_cast<Int16>(timeIndex + 5);
}

GraphMenuChecks LiveGraph::menuChecks(const Settings& s) {
    GraphMenuChecks checks;
    const int mode = s.sys.CycleMode;
    const int timeIndex = s.sys.CycleTimeIndex;
    if (isGroup(mode)) {
        checks.group[static_cast<std::size_t>(mode)] = true;
    } else if (timeIndex >= 0 && timeIndex <= 3) {
        checks.time[static_cast<std::size_t>(timeIndex)] = true;
    }
    return checks;
}

} // namespace vrx
