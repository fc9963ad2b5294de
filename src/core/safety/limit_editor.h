#pragma once
// The part the alarm and shutdown settings editors share: the board's channels and names, the
// per-channel check boxes and sliders, the pump and flow boxes, and their check before a save.
#include <array>
#include <optional>
#include <string>

#include "iface/dialogs.h"
#include "safety/channel_sliders.h"
#include "safety/limit_fields.h"
#include "settings/settings_record.h"

namespace vrx {

class LimitEditor {
public:
    int channels() const { return boardChannels(m_boardType); }
    int devices() const { return boardDevices(m_boardType); }
    Int16 boardType() const { return m_boardType; }
    const std::string& channelName(int channel) const;
    const std::string& pumpName(int unit) const;
    const std::string& flowName(int unit) const;
    // "LPM" or "GPM": the unit the flow limits are typed in.
    std::string flowUnit() const { return flowUnitText(m_flowUnit); }

    bool channelOn(int channel) const;
    void setChannelOn(int channel, bool on);
    // "All": every one of the ten boxes, in use or not.
    void ChkChAll_Click(bool on);

    // The slider of a channel, C.
    int limit(int channel) const { return m_sliders.value(channel); }
    int sliderMax() const { return m_sliders.maxValue(); }
    int reference(int channel) const { return m_sliders.reference(channel); }
    // After the slider group menu closed.
    void takeReferences() { m_sliders.takeReferences(); }
    bool groupOn() const { return m_sliders.groupOn(); }
    Int16 sliderGroup() const { return m_sliders.sliderGroup(); }
    void mnu_group(int index) { m_sliders.mnu_group(index); }
    bool storeSliderGroup(Settings& s) const { return m_sliders.storeSliderGroup(s); }

    DeviceLimits& limits() { return m_limits; }
    const DeviceLimits& limits() const { return m_limits; }

    // Save's check: warns about the first refused pump or flow box (in a box titled `title`) and
    // names it, so the dialog can put the focus there and stay open; none when all are accepted.
    std::optional<LimitField> checkLimits(Dialogs& dialogs) const;
    bool limitsValid() const { return !m_limits.firstInvalid(devices()); }

protected:
    // Board, units, names and the group setting; the sliders start at `sliderValues`.
    void loadCommon(const Settings& s, const std::array<Int16, kLimitChannels>& sliderValues, int sliderMax,
                    const std::string& checkTitle);
    std::string tempText(int celsius) const { return limitTempText(celsius, m_tempUnit); }
    Int16 tempUnit() const { return m_tempUnit; }
    static Int16 flag(bool on) { return on ? 1 : 0; }

    ChannelSliders m_sliders;
    std::array<bool, kLimitChannels> m_on{};
    DeviceLimits m_limits;

private:
    Int16 m_boardType = 1;
    Int16 m_tempUnit = 1;
    Int16 m_flowUnit = 1;
    std::array<std::string, kLimitChannels> m_names;
    std::array<std::string, kLimitDevices> m_pumpNames;
    std::array<std::string, kLimitDevices> m_flowNames;
    std::string m_checkTitle;
};

} // namespace vrx
