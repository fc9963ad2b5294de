#pragma once
// An alarm check over fakes, with every channel at a quiet reading and the log in a temp folder.
#include <string>
#include <vector>

#include "fakes/fake_alarm_host.h"
#include "fakes/fake_alarm_sound.h"
#include "fakes/fake_clock.h"
#include "fakes/temp_dir.h"
#include "link/control_frame.h"
#include "link/status_frame.h"
#include "safety/alarm_check.h"

namespace vrx::test {

// The fake clock's time as the log writes it.
inline const std::string kStamp = "12/08/26, 21:30:05, ";

struct AlarmRig {
    TempDir dir;
    FakeClock clock;
    std::vector<std::string> writeErrors;
    EventLog log;
    Settings s;
    ControllerState state;
    SafetyState safety;
    FakeAlarmSound sound;
    FakeAlarmHost host;
    AlarmCheck check;

    explicit AlarmRig(int board = 2)
        : log(dir.file("Alarm.log"), "ModSub.gAlarmLog", clock,
              [this](const std::string& p, const std::string& d) { writeErrors.push_back(p + ": " + d); }),
          check(s, state, safety, log, sound, host) {
        SetDefaults(s, dir.dir());
        s.sys.BoardType = static_cast<Int16>(board);
        InitControlFrame(s, state); // temperature limits 55 C on every channel
        for (int c = 0; c < 10; ++c)
            temp(c, 40);
        for (std::size_t j = 0; j < 2; ++j) {
            state.StatusText[st::PumpTach + j] = "3,000";
            state.StatusText[st::FlowCount + j] = "5.0";
        }
    }
    void temp(int channel, int celsius) {
        state.StatusBytes[st::Temp + static_cast<std::size_t>(channel)] =
            static_cast<std::int16_t>(celsius + 62);
    }
    std::int16_t& control(std::size_t index) { return state.ControlBytes[index]; }
    std::string logText() const { return readFile(log.path()); }
    // Checks n times, as n ticks of the view timer.
    void ticks(int n) {
        for (int k = 0; k < n; ++k)
            check.mChkAlarm();
    }
};

} // namespace vrx::test
