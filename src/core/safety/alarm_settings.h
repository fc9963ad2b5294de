#pragma once
// The alarm settings dialog's editor (FrmAlarm): silent mode, per channel the alarm switch, limit
// and sound file, per pump and flow meter the alarm switch and limit. It holds the dialog's
// fields; nothing reaches the settings until save().
#include <array>
#include <optional>
#include <string>

#include "iface/alarm_sound.h"
#include "iface/dialogs.h"
#include "link/controller_state.h"
#include "safety/limit_editor.h"

namespace vrx {

class AlarmSettings : public LimitEditor {
public:
    static constexpr const char* kCaption = " Alarm";
    static constexpr std::array<const char*, 2> kOptAlarm = {"Silent (F5)", "Alarm (F6)"};
    static constexpr std::array<const char*, 3> kLabTitle = {"Temperature sensor", "Flow rate", "Pump rpm"};
    static constexpr const char* kAll = "All";
    static constexpr const char* kRpm = "RPM";
    static constexpr std::array<const char*, 2> kButtons = {" Save", " Close"};
    static constexpr const char* kClearItem = "Clear"; // the sound menu (mnu_clear)
    static constexpr int kSliderMax = 99;
    static constexpr Int16 kOffCode = 160; // byte of a channel whose alarm is off (98 C)

    // Fields from the settings.
    void mFirstSetup(const Settings& s);

    bool silent() const { return m_silent; }
    void setSilent(bool silent) { m_silent = silent; }

    // The limit label: "55   C" or "131   F".
    std::string limitLabel(int channel) const;
    // A slider of a channel in use moved to v: with group moves on, the other channels in use
    // follow by the same distance from their references.
    void Slider1_Scroll(int k, int v);

    const std::string& soundTitle(int channel) const;
    const std::string& soundPath(int channel) const;
    // The sound label's tool tip: " path " once the title is longer than 2 characters, else "".
    std::string soundTip(int channel) const;
    // Chooses the channel's sound file; true when one was taken. A file not ending in "WAV", or
    // one the sound service cannot play, is refused with a warning.
    bool ImgFile_Click(int channel, Dialogs& dialogs, const AlarmSound& sound);
    // "Clear" in the sound menu: the channel has no sound file.
    void mnu_clear(int channel);
    // Plays the channel's sound once; false when it has none or it cannot be played.
    bool ImgWav_Click(int channel, AlarmSound& sound) const;

    // Save's check (checkLimits) warns in a box titled "Alarm".

    // Stores the fields (mChkSave) and rebuilds control bytes 2..11 of the channels in use. A
    // shutdown limit below its new alarm limit becomes 100 C in the settings only. False, and
    // nothing changed, when a pump or flow box is refused. The caller saves the system file.
    bool save(Settings& s, ControlArray& control) const;

private:
    struct Sound {
        std::string title;
        std::string path;
    };
    Sound& sound(int channel);
    const Sound& sound(int channel) const;

    bool m_silent = false;
    std::array<Sound, kLimitChannels> m_sounds;
    std::string m_logFolder;
};

} // namespace vrx
