// The response to the alarm check: sound rotation or beeper, the actions that start and end an
// alarm episode, the menu lock and the silent / alarm mode switch.
#include <cstddef>

#include "link/control_frame.h"
#include "outputs/levels.h"
#include "safety/alarm_check.h"

namespace vrx {
namespace {

constexpr Int16 kBeeperOn = 1, kBeeperOff = 2;
constexpr Int16 kFullFanPower = 100;
constexpr Int16 kTopPumpByte = 31; // the highest of the 32 voltage steps, as a control byte
constexpr Int16 kTopPumpStep = 32; // the same step as the level tables hold it
constexpr std::size_t kLevel10Column = 10;

} // namespace

void AlarmCheck::mAlarm(bool anyAlarm) {
    // Off on every check, so the beeper sounds only while a step below asks for it again.
    m_state.ControlBytes[ct::Beeper] = kBeeperOff;
    if (!anyAlarm) return clearAlarm();
    soundAlarm();
    m_safety.AlarmCleared = kFalse;
    if (m_safety.AlarmActive == kTrue) return;
    enterAlarm();
}

bool AlarmCheck::soundPlayable(const std::string& path) const {
    // An empty path names no file: the controller's beeper stands in for it.
    return !path.empty() && m_sound.playable(path);
}

void AlarmCheck::stopSound() {
    m_sound.stop();
    m_safety.SoundChannel = kNoSoundChannel;
}

void AlarmCheck::soundAlarm() {
    if (m_settings.sys.AlarmMute == kTrue) return stopSound();

    const int channels = 5 * boards();
    std::array<bool, 10> playable{};
    bool haveSound = false;
    for (int d = 0; d < channels; ++d) {
        const auto k = static_cast<std::size_t>(d);
        if (m_safety.AlarmState[k] == 0) continue;
        playable[k] = soundPlayable(m_settings.temp.TempWavFile[k]);
        if (playable[k])
            haveSound = true;
        else
            m_state.ControlBytes[ct::Beeper] = kBeeperOn;
    }

    // One channel per check: a channel's sound starts when the rotation reaches it and loops until
    // the rotation reaches another channel with a sound.
    if (m_safety.SoundIndex < 0 || m_safety.SoundIndex > channels - 1) m_safety.SoundIndex = 0;
    const Int16 index = m_safety.SoundIndex;
    if (playable[static_cast<std::size_t>(index)]) {
        if (m_safety.SoundChannel != index)
            m_sound.playLooping(m_settings.temp.TempWavFile[static_cast<std::size_t>(index)]);
        m_safety.SoundChannel = index;
    }
    m_safety.SoundIndex = static_cast<Int16>(index + 1);
    if (!haveSound) stopSound();

    for (int f = kAlarmPump; f < kAlarmFlags; ++f)
        if (m_safety.AlarmState[static_cast<std::size_t>(f)] != 0)
            m_state.ControlBytes[ct::Beeper] = kBeeperOn;
}

void AlarmCheck::enterAlarm() {
    m_safety.AlarmActive = kTrue;
    setFans(true);
    // Both pumps, whichever board: a pump the board lacks is simply not driven.
    m_state.ControlBytes[ct::PumpPower] = kTopPumpByte;
    m_state.ControlBytes[ct::PumpPower + 1] = kTopPumpByte;
    gAlarmLock(true);
    // Keeps the forced pump levels across the episode and a restart.
    m_host.saveSystemFile();
}

void AlarmCheck::clearAlarm() {
    if (m_safety.AlarmCleared == kTrue) return;
    m_safety.SoundIndex = 0;
    m_safety.AlarmCleared = kTrue;
    m_safety.AlarmActive = kFalse;
    stopSound();
    // Fans return to their levels; the pumps stay at the Level 10 they were forced to.
    setFans(false);
    gAlarmLock(false);
}

void AlarmCheck::setFans(bool full) {
    const int fans = 3 * boards();
    for (int n = 1; n <= fans; ++n)
        m_state.ControlBytes[ct::FanPower + static_cast<std::size_t>(n - 1)] =
            full ? kFullFanPower : FanManualOut(m_settings, n);
}

void AlarmCheck::gAlarmLock(bool locked) {
    m_host.lockOutputMenus(locked);
    if (!locked) return;
    // The menus are built from these settings, so they show Level 10 (12.73V) checked.
    auto& pump = m_settings.pump;
    pump.PumpGroup = 1;
    pump.PumpLevel.fill(static_cast<Int16>(kLevelLast));
    for (std::size_t row = 0; row < pump.PumpLevel.size(); ++row)
        m_settings.sys.PumpLevelTable(row, kLevel10Column) = kTopPumpStep;
}

void AlarmCheck::mSetAlarmMode(bool silent, bool quiet) {
    m_host.showAlarmModeImage(silent);
    if (quiet) return;
    m_host.showBalloon(silent ? kSilentModeText : kAlarmModeText, BalloonIcon::Information, 1);
    m_settings.sys.AlarmMute = silent ? kTrue : kFalse;
}

} // namespace vrx
