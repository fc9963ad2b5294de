#pragma once
// Run-time state of the alarm and shutdown functions, shared by the checks, auto mode, the output
// commands and the link. Nothing here is saved.
#include <algorithm>
#include <array>
#include <string>

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

    // Why an output may not be lowered now: the first kind of channel in alarm among those the
    // controller type has, or "" when none is.
    std::string alarmReason(int boardType) const {
        const int board = boardType == 1 ? 1 : 2;
        auto any = [this](int first, int count) {
            for (int i = first; i < first + count; ++i)
                if (AlarmState[static_cast<std::size_t>(i)] != 0) return true;
            return false;
        };
        if (any(0, 5 * board)) return "Temperature alarm state.";
        if (any(kAlarmFlow, board)) return "Flowmeter alarm state.";
        if (any(kAlarmPump, board)) return "Pump alarm state.";
        return anyAlarm() ? "Temperature alarm state." : "";
    }
};

} // namespace vrx
