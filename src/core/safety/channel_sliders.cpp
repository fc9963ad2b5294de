#include "safety/channel_sliders.h"

#include <algorithm>
#include <stdexcept>

namespace vrx {

namespace {
// A shift by the slider's whole travel is taken as no move.
constexpr int kNoShift = 99;
} // namespace

std::size_t ChannelSliders::at(int channel) {
    if (channel < 0 || channel >= kLimitChannels) throw std::out_of_range("ChannelSliders: no such channel");
    return static_cast<std::size_t>(channel);
}

void ChannelSliders::load(const std::array<Int16, kLimitChannels>& values, int maxValue, Int16 sliderGroup) {
    m_max = maxValue;
    m_group = sliderGroup;
    for (int i = 0; i < kLimitChannels; ++i)
        set(i, values[at(i)]);
    takeReferences();
}

int ChannelSliders::value(int channel) const {
    return m_values[at(channel)];
}

void ChannelSliders::set(int channel, int v) {
    m_values[at(channel)] = std::clamp(v, 0, m_max);
}

int ChannelSliders::reference(int channel) const {
    return m_references[at(channel)];
}

void ChannelSliders::takeReferences() {
    m_references = m_values;
}

std::optional<int> ChannelSliders::groupDelta(int k, int v) const {
    const int d = v - reference(k);
    if (d == kNoShift) return std::nullopt;
    return d;
}

void ChannelSliders::mnu_group(int index) {
    if (index != kGroupOn && index != kGroupOff) throw std::out_of_range("mnu_group: no such item");
    m_group = static_cast<Int16>(index);
}

bool ChannelSliders::storeSliderGroup(Settings& s) const {
    if (s.sys.SliderGroup == m_group) return false;
    s.sys.SliderGroup = m_group;
    return true;
}

} // namespace vrx
