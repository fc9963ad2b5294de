#pragma once
// Alarm sounds on the computer.
#include <string>

namespace vrx {

class AlarmSound {
public:
    virtual ~AlarmSound() = default;
    // Plays the WAV file in a loop, replacing whatever alarm sound plays. False when it cannot be
    // played (missing, unreadable, not a sound).
    virtual bool playLooping(const std::string& path) = 0;
    // Stops the looping alarm sound, if any.
    virtual void stop() = 0;
    // Plays the file once (the settings dialog's preview) without stopping a looping alarm sound.
    virtual bool playOnce(const std::string& path) = 0;
    // Whether the file exists and can be played.
    virtual bool playable(const std::string& path) const = 0;
};

} // namespace vrx
