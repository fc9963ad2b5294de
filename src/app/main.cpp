// vrx: wiring of settings, windows, timers and platform backends.
#include <QApplication>
#include <QTimer>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <pwd.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

#include "app/app_paths.h"
#include "file_sync.h"
#include "folder_failure.h"
#include "frm_main.h"
#include "posix_file_access.h"
#include "recording/log_csv.h"
#include "settings/system_file.h"
#include "single_instance.h"
#include "wired_program.h"

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
              "       vrx --export-csv LOG [OUT]\n"
              "       vrx --version | --help\n"
              "  --app-dir DIR  keep settings and logs in DIR (default: $XDG_DATA_HOME/vrx, which is\n"
              "                 ~/.local/share/vrx when XDG_DATA_HOME is not set)\n"
              "  --simulate     run against the built-in simulated controller (implies --dry-run-power-off)\n"
              "  --ports-only   use only the port numbers bound in DIR/ports (never /dev/ttyS*, ...)\n"
              "  --trace-link   print every message sent to the controller on standard output\n"
              "  --dry-run-power-off  never power the computer off: only say so on standard error\n"
              "  --export-csv LOG [OUT]  write the recording LOG as CSV to OUT (default: LOG with .csv;\n"
              "                 - for standard output) and exit; needs no display and no data folder\n"
              "  --version      print the version and exit\n"
              "  --help, -h     print this help and exit");
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
        } else if (a == "--version") {
            std::printf("vrx %s\n", VRX_VERSION_TEXT);
            exitCode = 0;
            return false;
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

std::string envText(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// $HOME, or the account's home when the environment lacks it (a service or a bare login shell).
std::string homeDir() {
    std::string home = envText("HOME");
    if (home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) home = pw->pw_dir;
    }
    return home;
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
    static vrx::PosixFileAccess files; // before the first file of the program is touched
    vrx::installFileAccess(&files);
    // A conversion only: no window, no data folder and no lock, so it may run beside a running vrx.
    if (argc >= 2 && std::string_view(argv[1]) == "--export-csv") {
        std::string out, err;
        const int status = vrx::exportCsvCommand({argv + 2, argv + argc}, out, err);
        std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
        std::cerr << err;
        if (status == 2) printUsage();
        return status;
    }

    Options options;
    int exitCode = 0;
    if (!parseOptions(argc, argv, options, exitCode)) return exitCode;

    std::string folderError;
    const std::string exeDir = executableDir();
    const std::string xdgDataHome = envText("XDG_DATA_HOME");
    const std::string home = homeDir();
    const std::string appDir = vrx::resolveAppDir(options.appDir, xdgDataHome, home, &folderError);
    const vrx::AppPaths paths = vrx::makeAppPaths(appDir, exeDir);
    // A folder that could not be made is reported before anything tries to write into it.
    if (appDir.empty()) return vrx::app::reportUnusableDataFolder(argc, argv, "~/.local/share/vrx", folderError);
    vrx::SingleInstance instance(paths.lockFilePath());
    if (instance.heldElsewhere()) return 0; // another vrx runs on this folder
    if (folderError.empty()) folderError = instance.error();
    if (folderError.empty()) folderError = vrx::checkDataFolder(paths.AppDir);
    if (!folderError.empty()) return vrx::app::reportUnusableDataFolder(argc, argv, paths.AppDir, folderError);

    QApplication app(argc, argv);
    QApplication::setApplicationName("vrx");
    QApplication::setApplicationVersion(VRX_VERSION_TEXT);
    // Ties the window and the tray icon to vrx.desktop, so the desktop shows the program's icon and name.
    QGuiApplication::setDesktopFileName("vrx");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(vrx::gui::programIcon());
    vrx::installFileSync(vrx::fsyncPath);

    vrx::ProgramOptions wired;
    wired.paths = paths;
    wired.executableDir = exeDir;
    // Started at login, vrx must find the same folder it was told to use now.
    if (paths.AppDir != vrx::defaultAppDir(xdgDataHome, home))
        wired.autoStartAppDir = std::filesystem::path(paths.AppDir).parent_path().string();
    wired.simulate = options.simulate;
    wired.portsOnly = options.portsOnly;
    wired.traceLink = options.traceLink;
    wired.dryRunPowerOff = options.dryRunPowerOff;
    vrx::WiredProgram vrxProgram(wired);
    vrx::MainProgram& program = vrxProgram.program();

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

    if (!vrxProgram.start()) return 0;
    return QApplication::exec();
}
