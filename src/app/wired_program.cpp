#include "wired_program.h"

#include <QDesktopServices>
#include <QUrl>
#include <cstdio>

#include "graph_menu.h"
#include "recording/live_graph.h"
#include "shell/help_command.h"

namespace vrx {

WiredProgram::WiredProgram(const ProgramOptions& options)
    : m_options(options),
      m_autoStart(options.autoStartEntry.empty() ? XdgAutoStart::defaultEntryPath() : options.autoStartEntry,
                  options.executableDir + "/vrx", options.autoStartAppDir),
      m_program(options.paths, {m_window, m_tray, m_dialogs, m_clock, m_autoStart}),
      m_portMap(options.paths.AppDir), m_termios(m_portMap), m_tracing(m_termios, stdout),
      m_serial(options.traceLink ? static_cast<SerialPort&>(m_tracing) : m_termios), m_report(m_sharedMemory),
      m_balloons(m_tray), m_linkHost(m_program, m_window, m_report, m_balloons),
      m_link(m_program.settings(), m_program.state(), m_serial, m_clock, m_linkHost, options.paths.AppDir),
      m_outputs(m_program, m_balloons, m_window),
      // The simulated controller must never lead to a real power-off.
      m_safety(m_program, m_balloons, m_window, m_dialogs, m_clock, options.dryRunPowerOff || options.simulate),
      m_optionsDialog(m_program, m_window, m_dialogs, m_link, m_linkHost, m_portMap, m_autoStart),
      m_trayWiring(m_program, m_tray, m_window, m_dialogs, m_autoStart) {
    m_dialogs.owner = [this]() -> QWidget* { return &m_window; };
    m_dialogs.alwaysOnTop = [this] { return m_program.settings().sys.AlwaysOnTop == kTrue; };
    m_window.onExitRequested = [this] { m_program.ConfirmExit(); };

    m_portMap.setRestrictToPortsFolder(options.portsOnly || options.simulate);
    if (options.simulate) startSimulator();
    m_link.setPortCandidates([this](int port) { return m_portMap.hasDevice(port); });
    m_linkHost.scheduleBalloonExpiry = [this](int ms) {
        QTimer::singleShot(ms, &m_window, [this] { m_balloons.expire(); });
    };

    m_probeTicker.setInterval(20);
    QObject::connect(&m_probeTicker, &QTimer::timeout, [this] {
        m_link.probeTick();
        if (!m_link.probePending()) m_probeTicker.stop();
    });
    m_window.setTimerHandler(MainTimer::Scan, [this] {
        m_link.TimerScan_Timer();
        afterLinkCall();
    });
    m_outputs.host().scheduleBalloonExpiry = m_linkHost.scheduleBalloonExpiry;
    m_safety.scheduleBalloonExpiry = m_linkHost.scheduleBalloonExpiry;
    m_safety.attachTo(m_outputs);
    m_linkHost.onLinkLost = [this] { m_safety.linkLost(); };
    m_window.setTimerHandler(MainTimer::ShutDown, [this] { m_safety.shutdown().TimerShutDown_Timer(); });
    m_window.setTimerHandler(MainTimer::Com, [this] {
        if (m_outputs.pollingAllowed()) m_link.TimerCom_Timer();
    });
    m_window.setTimerHandler(MainTimer::View, [this] { m_program.TimerView_Timer(); });
    m_window.setTimerHandler(MainTimer::Graph, [this] { m_program.TimerGraph_Timer(); });
    m_window.graphMenuChecks = [this] { return LiveGraph::menuChecks(m_program.settings()); };
    QObject::connect(m_window.graphMenu(), &gui::GraphMenu::groupChosen,
                     [this](int g) { m_program.chooseGraphGroup(g); });
    QObject::connect(m_window.graphMenu(), &gui::GraphMenu::timeChosen,
                     [this](int t) { m_program.chooseGraphTime(t); });
    m_outputs.keys().openOptions = [this] { m_optionsDialog.openOptions(); };
    m_trayWiring.openSettings = [this] { m_optionsDialog.openOptions(); };
    m_outputs.keys().restartScan = [this] { m_link.restartScanIfOff(); };
    // Ctrl+H hides like the hide button: minimised where there is no notification area.
    m_outputs.keys().hideWindow = [this] { m_trayWiring.hideWindow(); };
    m_trayWiring.openHelp = [this] {
        gVRX_Help(
            m_options.paths.HelpFilePath,
            [](const std::string& path) {
                return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
            },
            m_dialogs,
            [this](const std::string& name, const std::string& number, const std::string& description) {
                m_program.errorLog().LogError(name, number, description);
            });
    };
    m_program.setHooks(hooks());
}

void WiredProgram::startSimulator() {
    vrxsim::SimOptions sim;
    sim.appDir = m_options.paths.AppDir;
    sim.boardType = 2;
    sim.quiet = true;
    for (int port = 1; port <= 9 && !m_simulator.running(); ++port) {
        sim.port = port;
        try {
            m_simulator.start(sim);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "vrx: simulated controller on COM%d: %s\n", port, e.what());
        }
    }
}

void WiredProgram::afterLinkCall() {
    if (m_link.probePending() && !m_probeTicker.isActive()) m_probeTicker.start();
}

LifecycleHooks WiredProgram::hooks() {
    LifecycleHooks hooks;
    hooks.showAlarmMode = [this](bool quiet) {
        m_safety.alarm().mSetAlarmMode(m_program.settings().sys.AlarmMute == kTrue, quiet);
    };
    hooks.resetLinkState = [this] {
        m_link.ResetLinkState();
        m_safety.resetForLoad();
    };
    hooks.establishLink = [this] {
        m_link.state().PreviousComPort = m_program.PreviousComPort;
        m_serial.setLineSettings(kLineSettings);
        m_link.startupLink();
        afterLinkCall();
    };
    hooks.closePort = [this] {
        m_probeTicker.stop();
        m_serial.close();
    };
    // Recording stops in order when the program ends.
    hooks.stopRecording = [this] {
        if (m_recording) m_recording->writer().stop();
    };
    return hooks;
}

bool WiredProgram::start() {
    m_program.Main();
    if (m_program.ended()) return false;
    // After the settings are loaded: the writer clears a recording flag a crash left.
    m_recording = std::make_unique<RecordingWiring>(m_program, m_window, m_clock, m_dialogs);
    m_outputs.keys().openRecordingSettings = [this] { m_recording->openRecordingSettings(); };
    m_pumpTest = std::make_unique<PumpTestWiring>(
        m_program, m_window, m_dialogs, m_safety.state(), [this] { return m_window.timerEnabled(MainTimer::Com); },
        m_options.paths.AppDir);
    m_outputs.openPumpTest = [this] { m_pumpTest->openPumpTest(); };
    m_trayWiring.openPumpCharacteristics = m_outputs.openPumpTest;
    m_viewer = std::make_unique<ViewerWiring>(m_program, m_window, m_dialogs, m_options.paths.AppDir);
    m_outputs.keys().openLogViewer = [this] { m_viewer->openLogViewer(); };
    m_trayWiring.openLogViewer = m_outputs.keys().openLogViewer;
    return true;
}

} // namespace vrx
