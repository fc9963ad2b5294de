#pragma once
// The alarm check: once a second every enabled temperature, pump and flow channel is compared with
// its limit; a channel in alarm is logged and shown, and the response sounds the alarm, drives the
// fans and pumps to full power and locks the output menus until the alarm is over.
#include <array>
#include <optional>
#include <string>

#include "iface/alarm_sound.h"
#include "link/controller_state.h"
#include "safety/alarm_host.h"
#include "safety/event_log.h"
#include "safety/safety_state.h"

namespace vrx {

inline constexpr const char* kSilentModeText = "Silent Mode";
inline constexpr const char* kAlarmModeText = "Alarm Mode";

class AlarmCheck {
public:
    AlarmCheck(Settings& settings, ControllerState& state, SafetyState& safety, EventLog& gAlarmLog,
               AlarmSound& sound, AlarmHost& host)
        : m_settings(settings), m_state(state), m_safety(safety), m_log(gAlarmLog), m_sound(sound),
          m_host(host) {}

    // One check: fills AlarmState, writes the log lines, updates the looks, then runs mAlarm. The
    // caller skips it while the pump characteristics test runs.
    void mChkAlarm();
    // The response to the check: sound or beeper, and the entry or clear actions once per episode.
    void mAlarm(bool anyAlarm);
    // Locks or unlocks the output menus; locking also forces the pump settings to Level 10 at the
    // highest voltage step.
    void gAlarmLock(bool locked);
    // Shows the mode image; unless quiet (start-up), also a balloon and AlarmMute = silent.
    void mSetAlarmMode(bool silent, bool quiet);

private:
    void checkTemperature(int channel);
    void checkPump(int pump);
    void checkFlow(int flow);
    // The limit of a pump (0..1) or flow (2..3) rule, or none when its text is not a usable number;
    // a bad limit is logged and shown once until it has been good again.
    std::optional<double> ruleLimit(int rule, const std::string& text, bool wholeNumber);
    void showTempLook(int channel, AlarmLook look);
    void showDeviceLook(std::optional<bool>& shown, bool alarm, bool pump, int index);

    void soundAlarm();
    bool soundPlayable(const std::string& path) const;
    void stopSound();
    void enterAlarm();
    void clearAlarm();
    void setFans(bool full);
    int boards() const;

    Settings& m_settings;
    ControllerState& m_state;
    SafetyState& m_safety;
    EventLog& m_log;
    AlarmSound& m_sound;
    AlarmHost& m_host;

    std::array<std::optional<AlarmLook>, 10> m_tempLook{};
    std::array<std::optional<bool>, 2> m_pumpLook{};
    std::array<std::optional<bool>, 2> m_flowLook{};
    std::array<bool, 4> m_badLimit{}; // pump 1, pump 2, flow 1, flow 2
};

} // namespace vrx
