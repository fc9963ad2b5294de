#include "safety/shutdown_settings.h"

#include <algorithm>

#include "link/control_frame.h"
#include "measure/temperature.h"

namespace vrx {

namespace {
constexpr const char* kCheckTitle = "PC Shutdown";
constexpr Int16 kRaisedShutdown = 100;
} // namespace

std::optional<std::string> ShutdownSettings::mFrmDataSet(Settings& s) {
    std::optional<std::string> error;
    const Int16 delay = s.sys.ShutdownDelay;
    if (delay >= 1 && delay <= kMaxDelay) {
        m_delay = delay;
    } else {
        m_delay = kMaxDelay; // the full minute: a damaged setting never shortens the countdown
        error = "ShutdownDelay " + std::to_string(delay) + " is outside 1..60";
    }
    m_alarm = s.temp.TempAlarmLimit;
    for (std::size_t i = 0; i < kLimitChannels; ++i)
        if (m_alarm[i] >= s.temp.TempShutdownLimit[i]) s.temp.TempShutdownLimit[i] = kRaisedShutdown;
    loadCommon(s, s.temp.TempShutdownLimit, kSliderMax, kCheckTitle);
    for (std::size_t i = 0; i < kLimitChannels; ++i)
        m_on[i] = s.temp.TempShutdownOn[i] == 1;
    setAction(s.sys.ShutdownAction);
    for (std::size_t j = 0; j < kLimitDevices; ++j) {
        m_limits.pump[j] = {s.pump.PumpShutdownOn[j] == 1, pumpLimitText(s.pump.PumpShutdownLimit[j])};
        m_limits.flow[j] = {s.pump.FlowShutdownOn[j] == 1, s.pump.FlowShutdownLimit[j]};
    }
    return error;
}

std::string ShutdownSettings::limitLabel(int channel) const {
    return tempText(limit(channel));
}

std::string ShutdownSettings::unitLabel() const {
    return tempUnit() == kUnitCelsius ? "  C" : "  F";
}

void ShutdownSettings::Slider1_Scroll(int k, int v) {
    const int previous = limit(k);
    if (groupOn() && k < channels()) {
        if (const std::optional<int> d = m_sliders.groupDelta(k, v)) {
            if (!groupMove(k, *d)) m_sliders.set(k, previous);
            return;
        }
    }
    // Alone (also for a shift by the whole travel): at least 1 C above the alarm temperature.
    m_sliders.set(k, std::max(v, alarmLimit(k) + 1));
}

// Moves every channel in use to its reference + d (at most 100); false, and nothing moved, when
// any of them would not stay above its alarm temperature.
bool ShutdownSettings::groupMove(int k, int d) {
    for (int i = 0; i < channels(); ++i)
        if (alarmLimit(i) >= reference(i) + d) return false;
    for (int i = 0; i < channels(); ++i)
        m_sliders.set(i, i == k ? reference(k) + d : std::min(reference(i) + d, kSliderMax));
    return true;
}

std::vector<std::string> ShutdownSettings::delayItems() {
    std::vector<std::string> items;
    for (int seconds = kMaxDelay; seconds >= 1; --seconds)
        items.push_back(std::to_string(seconds));
    return items;
}

void ShutdownSettings::setDelayIndex(int index) {
    m_delay = kMaxDelay - std::clamp(index, 0, kMaxDelay - 1);
}

bool ShutdownSettings::save(Settings& s, ControlArray& control) const {
    if (!limitsValid()) return false;
    for (int i = 0; i < kLimitChannels; ++i) {
        const auto c = static_cast<std::size_t>(i);
        s.temp.TempShutdownOn[c] = flag(m_on[c]);
        s.temp.TempShutdownLimit[c] = static_cast<Int16>(limit(i));
        control[ct::TempShutdown + c] = m_on[c] ? static_cast<Int16>(limit(i) + kTempCodeOffset) : kOffCode;
    }
    s.sys.ShutdownAction = static_cast<Int16>(m_action);
    s.sys.ShutdownDelay = static_cast<Int16>(m_delay);
    for (std::size_t j = 0; j < static_cast<std::size_t>(devices()); ++j) {
        s.pump.PumpShutdownOn[j] = flag(m_limits.pump[j].on);
        s.pump.PumpShutdownLimit[j] = trimmed(m_limits.pump[j].text);
        s.pump.FlowShutdownOn[j] = flag(m_limits.flow[j].on);
        s.pump.FlowShutdownLimit[j] = trimmed(m_limits.flow[j].text);
    }
    return true;
}

} // namespace vrx
