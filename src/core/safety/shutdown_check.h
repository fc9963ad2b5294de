#pragma once
// The once-a-second shutdown check of the temperature channels, pumps and flow meters, and the
// start of a countdown when one passes its shutdown limit.
#include <array>
#include <string>

#include "safety/countdown.h"
#include "safety/shutdown_rules.h"

namespace vrx {

class ShutdownCheck {
public:
    // pumpTestRunning is read at every check: nothing is checked while a pump test runs.
    ShutdownCheck(ShutdownContext context, const bool& pumpTestRunning)
        : m_c(context), m_pumpTestRunning(pumpTestRunning), m_countdown(context) {}

    // TimerShutDown, every second while the link is up. A check that opens the countdown window
    // ends there; while a countdown runs, further passes neither start another nor log.
    void TimerShutDown_Timer();
    // ShutdownLatch(index) = 0; with no latch left, control byte 37 = 2.
    void gShutdownClear(int index);
    // At link loss: the countdown ends, all latches clear and the hardware power-off request is
    // withdrawn, so a new link never carries a power-off that no countdown asked for.
    void linkLost();

    // The countdown window's model; its Timer1 tick and buttons are driven from the window.
    Countdown& countdown() { return m_countdown; }

private:
    struct LogLine {
        const char* kind;
        int channel;
        double first, second;
    };
    // True when this pass started a countdown and the check ends.
    bool apply(int index, const RuleReading& rule, const LogLine& line);
    bool trigger(int index, const LogLine& line);
    void noteBadLimit(int index, bool bad);

    ShutdownContext m_c;
    const bool& m_pumpTestRunning;
    Countdown m_countdown;
    std::array<bool, kShutdownIndexes> m_badLimitShown{};
};

} // namespace vrx
