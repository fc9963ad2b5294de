#pragma once
// Run-time state of the alarm and shutdown functions, shared by the checks, auto mode, the output
// commands and the link. Nothing here is saved.
#include <algorithm>
#include <array>

#include "settings/settings_record.h"

namespace vrx {

// AlarmState indexes: temperature channels 0..9, pumps 10..11, flow meters 12..13.
inline constexpr int kAlarmPump = 10, kAlarmFlow = 12, kAlarmFlags = 14;
// Shutdown indexes (another order): temperature channels 0..9, flow meters 10..11, pumps 12..13.
inline constexpr int kShutdownFlow = 10, kShutdownPump = 12, kShutdownIndexes = 14;
inline constexpr Int16 kNoSoundChannel = 99;

struct SafetyState {
    std::array<Int16, kAlarmFlags> AlarmState{};
    Int16 AlarmActive = 0;
    Int16 AlarmCleared = 0;
    Int16 SoundIndex = 0;
    Int16 SoundChannel = kNoSoundChannel;

    Int16 ShutdownSource = 0;
    std::array<Int16, kShutdownIndexes> ShutdownLatch{};

    bool anyAlarm() const {
        return std::any_of(AlarmState.begin(), AlarmState.end(), [](Int16 f) { return f != 0; });
    }
};

} // namespace vrx
