#pragma once
// The shutdown settings dialog's editor (FrmDown): per channel the shutdown switch and
// temperature, kept above the channel's alarm temperature; per pump and flow meter the switch and
// limit; the action and the countdown delay. Nothing reaches the settings until save(), except
// the raise at load of a shutdown temperature that is not above its alarm temperature.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "iface/dialogs.h"
#include "link/controller_state.h"
#include "safety/limit_editor.h"

namespace vrx {

class ShutdownSettings : public LimitEditor {
public:
    static constexpr const char* kCaption = " PC Shutdown";
    static constexpr std::array<const char*, 3> kLabTitle = {"Temperature sensor", "Pump rpm", "Flow rate"};
    static constexpr const char* kAll = "All";
    static constexpr std::array<const char*, 2> kChkPump = {"pump 1", "pump 2"};
    static constexpr std::array<const char*, 2> kChkFlow = {"Flowmeter 1", "Flowmeter 2"};
    static constexpr const char* kRpm = "RPM";
    static constexpr const char* kFramAction = "Action";
    static constexpr std::array<const char*, 2> kOptPower = {"Power Off (Hardware)", "Power Off (OS)"};
    static constexpr const char* kDelay = "Delay";
    static constexpr const char* kSec = "sec";
    static constexpr std::array<const char*, 2> kButtons = {" Save", " Close"};
    static constexpr int kSliderMax = 100;
    static constexpr int kMaxDelay = 60;
    static constexpr Int16 kOffCode = 162; // byte of a channel whose rule is off (100 C)

    // Fields from the settings (mFrmDataSet). A channel whose shutdown temperature is not above
    // its alarm temperature gets 100 C, in the settings too, at once. A delay outside 1..60
    // selects 60 and is returned as an error text for the error log; the rest still loads.
    std::optional<std::string> mFrmDataSet(Settings& s);

    // The temperature in the display unit (number only), and the unit label "  C" or "  F".
    std::string limitLabel(int channel) const;
    std::string unitLabel() const;
    // A slider moved to v. Alone, it stays at least 1 C above its channel's alarm temperature.
    // With group moves on, the channels in use follow by the same distance from their
    // references, each stopping at 100; when that would bring any of them to its alarm
    // temperature, slider k springs back and nothing moves.
    void Slider1_Scroll(int k, int v);

    // 0 "Power Off (Hardware)", 1 "Power Off (OS)".
    int action() const { return m_action; }
    void setAction(int action) { m_action = action == 0 ? 0 : 1; }
    // The delay list: "60", "59", ... "1"; the selected index is 60 - delay.
    static std::vector<std::string> delayItems();
    int delayIndex() const { return kMaxDelay - m_delay; }
    void setDelayIndex(int index);
    int delay() const { return m_delay; }

    // Save's check (checkLimits) warns in a box titled "PC Shutdown".

    // Stores the fields (mChkSave) and rebuilds control bytes 12..21. False, and nothing changed,
    // when a pump or flow box is refused. The caller saves the system file.
    bool save(Settings& s, ControlArray& control) const;

private:
    int alarmLimit(int channel) const { return m_alarm.at(static_cast<std::size_t>(channel)); }
    bool groupMove(int k, int d);

    std::array<Int16, kLimitChannels> m_alarm{};
    int m_action = 1;
    int m_delay = kMaxDelay;
};

} // namespace vrx
