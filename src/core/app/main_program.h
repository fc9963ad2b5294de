#pragma once
// The program's life from start-up to exit, and the main window's start-up work.
#include <functional>
#include <string>

#include "app/app_paths.h"
#include "app/main_view.h"
#include "diag/error_log.h"
#include "iface/autostart.h"
#include "iface/clock.h"
#include "iface/dialogs.h"
#include "iface/tray.h"
#include "link/controller_state.h"
#include "outputs/auto_mode.h"
#include "safety/alarm_check.h"
#include "safety/safety_state.h"
#include "recording/live_graph.h"
#include "settings/settings_record.h"

namespace vrx {

struct ProgramServices {
    MainView& view;
    Tray& tray;
    Dialogs& dialogs;
    const Clock& clock;
    AutoStarter& autoStarter;
};

// Hooks into parts of the program that start and stop with the main window.
struct LifecycleHooks {
    std::function<void()> resetLinkState;    // first step of the window's load
    std::function<void()> establishLink;     // last step of the window's load
    std::function<void()> closePort;         // at exit
    std::function<void(bool quiet)> showAlarmMode;
    std::function<void()> stopRecording;
};

class MainProgram {
public:
    MainProgram(const AppPaths& paths, ProgramServices services);

    void setHooks(LifecycleHooks hooks) { m_hooks = std::move(hooks); }

    // Start-up after the single-instance check: settings, control frame, window load, show.
    void Main();

    // The system file with the user-facing failure handling around it.
    void loadSystemFile();
    bool saveSystemFile();
    void loadOrCreateSystemFile();

    void Form_Initialize();
    void Form_Load();
    void mStartWork();
    // Name boxes and emptied value labels of the rows a controller type shows.
    void fillNameBoxes(int layoutType);
    // A name box lost the focus: its text is stored by the box's rules and the file saved.
    void txtTname_LostFocus(int box, const std::string& typed);
    // Shift+V: the fan bars switch between their two looks; saves.
    void switchFanBarStyle();
    // Arranges the window for BoardType; on failure resets the settings and ends the program.
    bool mPcbForm();

    // Asks the user; on Yes records the window position and ends the program.
    bool ConfirmExit();
    // Ends without asking. When the desktop session ends (SIGTERM) nobody can answer a box, so a
    // failed save is logged instead of shown.
    void ExitProgram(bool sessionEnding = false);

    bool ended() const { return m_ended; }
    const AppPaths& paths() const { return m_paths; }
    Settings& settings() { return m_settings; }
    ControllerState& state() { return m_state; }
    ErrorLog& errorLog() { return m_errorLog; }
    LiveGraph& graph() { return m_graph; }
    Int16 PreviousComPort = 0;

    // Timer ticks of the reading grid and the live graph.
    void TimerView_Timer();
    void TimerGraph_Timer();
    // Graph menu and keys: a fixed group 1..4, or auto-cycle with time index 0..3. Saves.
    void chooseGraphGroup(int group);
    void chooseGraphTime(int timeIndex);
    // After the graph's colours, series or group changed: colours, legend, axis and lines anew.
    void refreshGraph();
    // Auto mode runs after each display refresh once attached.
    void attachAutoMode(AutoMode* autoMode) { m_autoMode = autoMode; }
    // The alarm check runs between the display refresh and auto mode once attached.
    void attachAlarmCheck(AlarmCheck* alarm, const SafetyState* safety) {
        m_alarm = alarm;
        m_safety = safety;
    }
    // Clears the reading grid when the link is lost.
    void mDisplayOff();
    bool PumpTestRunning = false;

private:
    void logError(const std::string& name, const std::exception& e);
    void mGhpColorSet();
    void redrawGraph();

    AppPaths m_paths;
    ProgramServices m_services;
    LifecycleHooks m_hooks;
    Settings m_settings;
    ControllerState m_state;
    LiveGraph m_graph;
    ErrorLog m_errorLog;
    AutoMode* m_autoMode = nullptr;
    AlarmCheck* m_alarm = nullptr;
    const SafetyState* m_safety = nullptr;
    bool m_ended = false;
};

} // namespace vrx
