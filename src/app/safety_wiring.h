#pragma once
// Wires the safety functions into the program: the shutdown check and its countdown window, the
// power-off backend, and the event logs.
#include <QTimer>
#include <memory>

#include "app/main_program.h"
#include "iface/power_off.h"
#include "iface/dialogs.h"
#include "safety/alarm_check.h"
#include "safety/alarm_host.h"
#include "safety/event_log.h"
#include "safety/safety_state.h"
#include "safety/shutdown_check.h"
#include "safety/shutdown_host.h"
#include "outputs_wiring.h"
#include "shell/balloon_tip.h"

namespace vrx::gui {
class FrmMain;
class FrmDelay;
class QtAlarmSound;
} // namespace vrx::gui

namespace vrx {

class SafetyWiring : public ShutdownHost, public AlarmHost {
public:
    // dryRun selects the power-off that only reports on standard error.
    SafetyWiring(MainProgram& program, BalloonTip& balloons, gui::FrmMain& window, Dialogs& dialogs,
                 const Clock& clock, bool dryRun);
    ~SafetyWiring() override;

    SafetyState& state() { return m_safety; }
    ShutdownCheck& shutdown() { return m_shutdown; }
    AlarmCheck& alarm() { return m_alarm; }
    // Puts the alarm check into the view tick, guards the outputs and gives the keys and command
    // buttons their safety commands.
    void attachTo(OutputsWiring& outputs);
    // The two settings dialogs (Ctrl+A, Ctrl+D and the command buttons).
    void openAlarmSettings();
    void openShutdownSettings();
    std::function<void(int ms)> scheduleBalloonExpiry;
    // ResetLinkState's part: latches and episode flags start over when the main window loads.
    void resetForLoad();
    void linkLost() { m_shutdown.linkLost(); }

    // ShutdownHost
    void showCountdown(bool topmost) override;
    void updateCountdown() override;
    void closeCountdown() override;
    void exitProgram() override;
    void saveSystemFile() override;
    void showMessage(const std::string& title, const std::string& text) override;
    void showBalloon(const std::string& text, BalloonIcon icon) override;
    void logError(const std::string& procedure, const std::string& description) override;

    // AlarmHost
    void showTempLook(int channel, AlarmLook look) override;
    void showPumpAlarm(int pump, bool alarm) override;
    void showFlowAlarm(int flow, bool alarm) override;
    void lockOutputMenus(bool locked) override;
    void showBalloon(const std::string& text, BalloonIcon icon, int seconds) override;
    void showAlarmModeImage(bool silent) override;

private:
    MainProgram& m_program;
    BalloonTip& m_balloons;
    gui::FrmMain& m_window;
    Dialogs& m_dialogs;
    SafetyState m_safety;
    EventLogs m_logs;
    std::unique_ptr<gui::QtAlarmSound> m_sound;
    AlarmCheck m_alarm;
    std::unique_ptr<PowerOff> m_powerOff;
    ShutdownCheck m_shutdown;
    std::unique_ptr<gui::FrmDelay> m_delay;
    QTimer m_countdownTimer;
};

} // namespace vrx
