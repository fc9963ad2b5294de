#pragma once
// The ten temperature sliders of the alarm and shutdown settings, the references a group move is
// measured from, and the slider group menu that switches group moves on and off.
#include <array>
#include <optional>

#include "safety/limit_fields.h"
#include "settings/settings_record.h"

namespace vrx {

inline constexpr Int16 kGroupOn = 0, kGroupOff = 1; // SliderGroup values
// The slider group menu (mnu_group): the item index is the SliderGroup value it sets.
inline constexpr std::array<const char*, 2> kGroupMenuItems = {"Group On", "Group Off"};

class ChannelSliders {
public:
    // Values (C) of the channels, kept within 0..maxValue; the references start equal to them.
    void load(const std::array<Int16, kLimitChannels>& values, int maxValue, Int16 sliderGroup);

    int value(int channel) const;
    // Sets one slider, kept within 0..maxValue.
    void set(int channel, int v);
    int reference(int channel) const;
    // After the group menu: every reference becomes the slider's current value.
    void takeReferences();
    // The distance slider k moved to v stands for, measured from its reference, that the other
    // sliders follow; none for a shift by 99, which moves only slider k. A move back onto the
    // reference gives 0, so the others go back onto theirs and the spacing is restored.
    std::optional<int> groupDelta(int k, int v) const;

    bool groupOn() const { return m_group != kGroupOff; }
    Int16 sliderGroup() const { return m_group; }
    // A choice in the slider group menu: 0 "Group On", 1 "Group Off".
    void mnu_group(int index);
    // Writes the group choice into the settings; true when it changed them (the caller saves the
    // system file then, whether or not the dialog's own fields were saved).
    bool storeSliderGroup(Settings& s) const;

    int maxValue() const { return m_max; }
    const std::array<int, kLimitChannels>& values() const { return m_values; }

private:
    static std::size_t at(int channel);

    std::array<int, kLimitChannels> m_values{};
    std::array<int, kLimitChannels> m_references{};
    int m_max = 0;
    Int16 m_group = kGroupOff;
};

} // namespace vrx
