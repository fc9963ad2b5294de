// vrx: wiring of settings, windows, timers and platform backends.
#include <QApplication>
#include <QTimer>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

#include "app/app_paths.h"
#include "app/main_link_host.h"
#include "app/main_program.h"
#include "link/link_engine.h"
#include "link/port_map.h"
#include "link/shared_report.h"
#include "posix_file_access.h"
#include "posix_shared_memory.h"
#include "termios_serial_port.h"
#include "vrxsim/simulator_runner.h"
#include "file_sync.h"
#include "folder_failure.h"
#include "link_trace.h"
#include "outputs_wiring.h"
#include "pumptest_wiring.h"
#include "recording_wiring.h"
#include "safety_wiring.h"
#include "frm_main.h"
#include "qt_dialogs.h"
#include "qt_tray.h"
#include "settings/system_file.h"
#include "single_instance.h"
#include "system_clock.h"
#include "xdg_autostart.h"

namespace {

struct Options {
    std::string appDir;
    bool simulate = false;
    bool portsOnly = false;
    bool traceLink = false;
    bool dryRunPowerOff = false;
};

void printUsage() {
    std::puts("Usage: vrx [--app-dir DIR] [--simulate] [--ports-only] [--trace-link] [--dry-run-power-off]\n"
              "  --app-dir DIR  keep settings and logs in DIR (default: the program's folder when\n"
              "                 writable, else ~/.local/share/vrx)\n"
              "  --simulate     run against the built-in simulated controller (implies --dry-run-power-off)\n"
              "  --ports-only   use only the port numbers bound in DIR/ports (never /dev/ttyS*, ...)\n"
              "  --trace-link   print every message sent to the controller on standard output\n"
              "  --dry-run-power-off  never power the computer off: only say so on standard error");
}

// Returns false (after saying why) for a command line it cannot use.
bool parseOptions(int argc, char** argv, Options& o, int& exitCode) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--app-dir" && i + 1 < argc) {
            o.appDir = argv[++i];
        } else if (a.rfind("--app-dir=", 0) == 0) {
            o.appDir = a.substr(10);
        } else if (a == "--simulate") {
            o.simulate = true;
        } else if (a == "--ports-only") {
            o.portsOnly = true;
        } else if (a == "--trace-link") {
            o.traceLink = true;
        } else if (a == "--dry-run-power-off") {
            o.dryRunPowerOff = true;
        } else if (a == "--help" || a == "-h") {
            printUsage();
            exitCode = 0;
            return false;
        } else if (a.rfind("-platform", 0) == 0 || a.rfind("--platform", 0) == 0) {
            ++i; // Qt's own options pass through
        } else {
            std::fprintf(stderr, "vrx: unknown option '%s'\n", a.c_str());
            printUsage();
            exitCode = 2;
            return false;
        }
    }
    return true;
}

std::string executableDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

int g_signalPipe[2] = {-1, -1};

void onTerminate(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(g_signalPipe[1], &c, 1);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    int exitCode = 0;
    if (!parseOptions(argc, argv, options, exitCode)) return exitCode;

    static vrx::PosixFileAccess files; // before the first file of the program is touched
    vrx::installFileAccess(&files);

    const char* home = std::getenv("HOME");
    std::string folderError;
    const vrx::AppPaths paths =
        vrx::makeAppPaths(vrx::resolveAppDir(options.appDir, executableDir(), home ? home : "", &folderError));
    vrx::SingleInstance instance(paths.lockFilePath());
    if (instance.heldElsewhere()) return 0; // another vrx runs on this folder
    if (folderError.empty()) folderError = instance.error();
    if (folderError.empty()) folderError = vrx::checkDataFolder(paths.AppDir);
    if (!folderError.empty()) return vrx::app::reportUnusableDataFolder(argc, argv, paths.AppDir, folderError);

    QApplication app(argc, argv);
    QApplication::setApplicationName("vrx");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(vrx::gui::programIcon());
    vrx::installFileSync(vrx::fsyncPath);

    vrx::SystemClock clock;
    vrx::gui::FrmMain window;
    vrx::gui::QtTray tray;
    vrx::gui::QtDialogs dialogs;
    vrx::XdgAutoStart autoStart(vrx::XdgAutoStart::defaultEntryPath(), executableDir() + "/vrx");
    vrx::MainProgram program(paths, {window, tray, dialogs, clock, autoStart});
    dialogs.owner = [&window]() -> QWidget* { return &window; };
    dialogs.alwaysOnTop = [&program] { return program.settings().sys.AlwaysOnTop == vrx::kTrue; };
    window.onExitRequested = [&program] { program.ConfirmExit(); };
    QObject::connect(&tray, &vrx::gui::QtTray::doubleClicked, &window, [&window] { window.showWindow(); });

    // The desktop session ending (SIGTERM) or Ctrl+C ends the program in order, without asking.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [&program] {
            char c;
            [[maybe_unused]] const auto n = ::read(g_signalPipe[0], &c, 1);
            program.ExitProgram(true);
        });
        struct sigaction sa {};
        sa.sa_handler = onTerminate;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &sa, nullptr);
        sigaction(SIGINT, &sa, nullptr);
    }

    // The controller link.
    vrx::PortMap portMap(paths.AppDir);
    portMap.setRestrictToPortsFolder(options.portsOnly || options.simulate);
    vrxsim::SimulatorRunner simulator;
    if (options.simulate) {
        vrxsim::SimOptions sim;
        sim.appDir = paths.AppDir;
        sim.boardType = 2;
        sim.quiet = true;
        for (int port = 1; port <= 9 && !simulator.running(); ++port) {
            sim.port = port;
            try {
                simulator.start(sim);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "vrx: simulated controller on COM%d: %s\n", port, e.what());
            }
        }
    }
    vrx::TermiosSerialPort termios(portMap);
    vrx::TracingSerialPort tracing(termios, stdout);
    vrx::SerialPort& serial = options.traceLink ? static_cast<vrx::SerialPort&>(tracing) : termios;
    vrx::PosixSharedMemory sharedMemory;
    vrx::SharedReport report(sharedMemory);
    vrx::BalloonTip balloons(tray);
    vrx::MainLinkHost linkHost(program, window, report, balloons);
    vrx::LinkEngine link(program.settings(), program.state(), serial, clock, linkHost, paths.AppDir);
    link.setPortCandidates([&portMap](int port) { return portMap.hasDevice(port); });
    linkHost.scheduleBalloonExpiry = [&balloons, &window](int ms) {
        QTimer::singleShot(ms, &window, [&balloons] { balloons.expire(); });
    };

    // A probe waits for the controller's answer without blocking: poll it until it is decided.
    QTimer probeTicker;
    probeTicker.setInterval(20);
    QObject::connect(&probeTicker, &QTimer::timeout, [&] {
        link.probeTick();
        if (!link.probePending()) probeTicker.stop();
    });
    auto afterLinkCall = [&] {
        if (link.probePending() && !probeTicker.isActive()) probeTicker.start();
    };
    window.setTimerHandler(vrx::MainTimer::Scan, [&] {
        link.TimerScan_Timer();
        afterLinkCall();
    });
    vrx::OutputsWiring outputs(program, balloons, window);
    outputs.host().scheduleBalloonExpiry = linkHost.scheduleBalloonExpiry;
    // The simulated controller must never lead to a real power-off.
    vrx::SafetyWiring safety(program, balloons, window, dialogs, clock, options.dryRunPowerOff || options.simulate);
    safety.scheduleBalloonExpiry = linkHost.scheduleBalloonExpiry;
    safety.attachTo(outputs);
    linkHost.onLinkLost = [&safety] { safety.linkLost(); };
    window.setTimerHandler(vrx::MainTimer::ShutDown, [&safety] { safety.shutdown().TimerShutDown_Timer(); });
    window.setTimerHandler(vrx::MainTimer::Com, [&] {
        if (outputs.pollingAllowed()) link.TimerCom_Timer();
    });
    window.setTimerHandler(vrx::MainTimer::View, [&] { program.TimerView_Timer(); });
    window.setTimerHandler(vrx::MainTimer::Graph, [&] { program.TimerGraph_Timer(); });
    window.graphMenuChecks = [&] { return vrx::LiveGraph::menuChecks(program.settings()); };
    QObject::connect(window.graphMenu(), &vrx::gui::GraphMenu::groupChosen, [&](int g) { program.chooseGraphGroup(g); });
    QObject::connect(window.graphMenu(), &vrx::gui::GraphMenu::timeChosen, [&](int t) { program.chooseGraphTime(t); });

    vrx::LifecycleHooks hooks;
    hooks.showAlarmMode = [&](bool quiet) {
        safety.alarm().mSetAlarmMode(program.settings().sys.AlarmMute == vrx::kTrue, quiet);
    };
    hooks.resetLinkState = [&] {
        link.ResetLinkState();
        safety.resetForLoad();
    };
    hooks.establishLink = [&] {
        link.state().PreviousComPort = program.PreviousComPort;
        serial.setLineSettings(vrx::kLineSettings);
        link.startupLink();
        afterLinkCall();
    };
    hooks.closePort = [&] {
        probeTicker.stop();
        serial.close();
    };
    program.setHooks(hooks);

    program.Main();
    if (program.ended()) return 0;
    // After the settings are loaded; recording stops in order when the program ends.
    vrx::RecordingWiring recording(program, window, clock, dialogs);
    vrx::LifecycleHooks withRecording = hooks;
    withRecording.stopRecording = [&recording] { recording.writer().stop(); };
    program.setHooks(withRecording);
    outputs.keys().openRecordingSettings = [&recording] { recording.openRecordingSettings(); };
    vrx::PumpTestWiring pumpTest(program, window, dialogs, safety.state(),
                                 [&window] { return window.timerEnabled(vrx::MainTimer::Com); }, paths.AppDir);
    outputs.openPumpTest = [&pumpTest] { pumpTest.openPumpTest(); };
    return QApplication::exec();
}
