#pragma once
// A shutdown check over default settings on a two-channel-group controller, with every reading
// inside its limit, a real Shutdown.log in a temporary folder and fakes for everything else.
#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_power_off.h"
#include "fakes/fake_shutdown_host.h"
#include "fakes/temp_dir.h"
#include "link/control_frame.h"
#include "link/status_frame.h"
#include "safety/shutdown_check.h"

namespace vrx::test {

struct ShutdownRig {
    TempDir dir;
    FakeClock clock;
    std::vector<std::string> writeErrors;
    EventLog log{dir.file("Shutdown.log"), "ModSub.gShutdownLog", clock,
                 [this](const std::string& p, const std::string& d) { writeErrors.push_back(p + ": " + d); }};
    Settings s;
    ControllerState state;
    SafetyState safety;
    FakePowerOff power;
    FakeShutdownHost host;
    bool pumpTestRunning = false;
    ShutdownCheck check{{s, state, safety, log, power, host}, pumpTestRunning};

    ShutdownRig() {
        SetDefaults(s, dir.dir());
        s.sys.BoardType = 2;
        s.pump.PumpShutdownOn.fill(1);
        s.pump.FlowShutdownOn.fill(1);
        InitControlFrame(s, state); // temperature limits 58 C
        for (int i = 0; i < 10; ++i)
            temp(i, 30);
        pump(0, "2,400");
        pump(1, "2,400");
        flow(0, "1.6");
        flow(1, "1.6");
    }

    Countdown& countdown() { return check.countdown(); }
    void temp(int i, int celsius) { code(i, celsius + 62); }
    void code(int i, int value) {
        state.StatusBytes[st::Temp + static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value);
    }
    void pump(int j, const std::string& text) {
        state.StatusText[st::PumpTach + static_cast<std::size_t>(j)] = text;
    }
    void flow(int j, const std::string& text) {
        state.StatusText[st::FlowCount + static_cast<std::size_t>(j)] = text;
    }
    std::int16_t byte37() const { return state.ControlBytes[ct::PowerOff]; }
    void ticks(int n) {
        for (int k = 0; k < n; ++k)
            countdown().Timer1_Timer();
    }

    // The log as written, byte for byte.
    std::string logText() const { return readFile(dir.file("Shutdown.log")); }
    static std::string line(const std::string& rest) { return "12/08/26, 21:30:05, " + rest + "\r\n"; }
};

} // namespace vrx::test
