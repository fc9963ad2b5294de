#pragma once
// The whole program as it runs: settings, windows, timers, the controller link and every feature,
// wired to the platform's backends. main() adds the command line, the data folder's checks and the
// process signals; tests build it in-process to drive it end to end.
#include <QTimer>
#include <memory>
#include <string>

#include "app/app_paths.h"
#include "app/main_link_host.h"
#include "app/main_program.h"
#include "frm_main.h"
#include "link/link_engine.h"
#include "link/port_map.h"
#include "link/shared_report.h"
#include "link_trace.h"
#include "options_wiring.h"
#include "outputs_wiring.h"
#include "posix_shared_memory.h"
#include "pumptest_wiring.h"
#include "qt_dialogs.h"
#include "qt_tray.h"
#include "recording_wiring.h"
#include "safety_wiring.h"
#include "system_clock.h"
#include "termios_serial_port.h"
#include "tray_wiring.h"
#include "viewer_wiring.h"
#include "vrxsim/simulator_runner.h"
#include "shell/xdg_autostart.h"

namespace vrx {

struct ProgramOptions {
    AppPaths paths;
    std::string executableDir;  // where the vrx executable lives (for the autostart entry)
    std::string autoStartEntry; // the XDG autostart file; "" = the user's default
    std::string autoStartAppDir; // the data folder the autostart entry passes on; "" = the default one
    bool simulate = false;      // run the built-in simulated controller (never powers off)
    bool portsOnly = false;     // only ports bound in the data folder's port map
    bool traceLink = false;     // every message sent to the controller on standard output
    bool dryRunPowerOff = false;
};

class WiredProgram {
public:
    explicit WiredProgram(const ProgramOptions& options);
    WiredProgram(const WiredProgram&) = delete;
    WiredProgram& operator=(const WiredProgram&) = delete;

    // Loads the settings, shows the window and starts the link. False when the program ended
    // during start-up (then there is nothing to run).
    bool start();

    MainProgram& program() { return m_program; }
    gui::FrmMain& window() { return m_window; }
    gui::QtDialogs& dialogs() { return m_dialogs; }
    LinkEngine& link() { return m_link; }
    OutputsWiring& outputs() { return m_outputs; }
    SafetyWiring& safety() { return m_safety; }
    OptionsWiring& optionsDialog() { return m_optionsDialog; }
    TrayWiring& tray() { return m_trayWiring; }
    // Exist once start() returned true.
    RecordingWiring* recording() { return m_recording.get(); }
    PumpTestWiring* pumpTest() { return m_pumpTest.get(); }
    ViewerWiring* viewer() { return m_viewer.get(); }

private:
    void startSimulator();
    void afterLinkCall();
    LifecycleHooks hooks();

    ProgramOptions m_options;
    SystemClock m_clock;
    gui::FrmMain m_window;
    gui::QtTray m_tray;
    gui::QtDialogs m_dialogs;
    XdgAutoStart m_autoStart;
    MainProgram m_program;
    PortMap m_portMap;
    vrxsim::SimulatorRunner m_simulator;
    TermiosSerialPort m_termios;
    TracingSerialPort m_tracing;
    SerialPort& m_serial;
    PosixSharedMemory m_sharedMemory;
    SharedReport m_report;
    BalloonTip m_balloons;
    MainLinkHost m_linkHost;
    LinkEngine m_link;
    // A probe waits for the controller's answer without blocking: poll it until it is decided.
    QTimer m_probeTicker;
    OutputsWiring m_outputs;
    SafetyWiring m_safety;
    OptionsWiring m_optionsDialog;
    TrayWiring m_trayWiring;
    std::unique_ptr<RecordingWiring> m_recording;
    std::unique_ptr<PumpTestWiring> m_pumpTest;
    std::unique_ptr<ViewerWiring> m_viewer;
};

} // namespace vrx
