#pragma once
// The countdown window's model: the seconds left before the configured power-off, and what its
// buttons do. The window only shows these texts and forwards its buttons and keys.
#include <string>

#include "iface/power_off.h"
#include "link/controller_state.h"
#include "safety/event_log.h"
#include "safety/safety_state.h"
#include "safety/shutdown_host.h"
#include "settings/settings_record.h"

namespace vrx {

// Everything the shutdown check and the countdown work on.
struct ShutdownContext {
    Settings& settings;
    ControllerState& state;
    SafetyState& safety;
    EventLog& gShutdownLog;
    PowerOff& powerOff;
    ShutdownHost& host;
};

inline constexpr int kMaxShutdownDelay = 60;

// The countdown length of a ShutdownDelay setting: 1..60 as set, anything else the full minute, so
// a damaged setting never powers the computer off at once.
int countdownSeconds(Int16 shutdownDelay);

class Countdown {
public:
    static constexpr const char* kCaption = " PC Shutdown Activated";
    static constexpr const char* kLabel1 = "PC Shutdown countdown : ";
    static constexpr const char* kWarning0 = "WARNING: Your computer is pending shutdown.";
    static constexpr const char* kWarning1 = "Unsaved files and documents may be lost!";
    static constexpr const char* kOk = " OK";
    static constexpr const char* kCancel = " Cancel";

    explicit Countdown(ShutdownContext context) : m_c(context) {}

    // The load step: fixes the source channel for this countdown, fills the labels and starts
    // Timer1. The window itself is shown by the caller.
    void Form_Load(int source);
    // Timer1, every second while running.
    void Timer1_Timer();
    // " OK": the action now. " Cancel": the source's rule off for good, saved.
    void okClick();
    void cancelClick();
    // Escape and the close box: the window closes, the rule stays on.
    void escape();
    // Ends a running countdown with no action and no log line, as when its readings are gone.
    void abandon();

    // Carries out the configured action for the source.
    void mPowerOff();
    // All fourteen power-off latches to 0.
    void mClearLatch();

    bool running() const { return m_running; }
    // A software power-off was accepted and the program is ending.
    bool exited() const { return m_exited; }
    int source() const { return m_source; }
    Int32 CountDown() const { return m_countDown; }
    const std::string& Label2() const { return m_label2; }
    std::string LabDelay() const { return std::to_string(m_countDown) + " sec"; }

private:
    // Timer off and window closed; true when a countdown was running.
    bool unload();
    void setLatch(Int16 value);
    void softwarePowerOff();
    void hardwarePowerOff();

    ShutdownContext m_c;
    bool m_running = false;
    bool m_exited = false;
    int m_source = 0;
    Int32 m_countDown = 0;
    std::string m_label2 = "Temperature sensor : ";
};

} // namespace vrx
