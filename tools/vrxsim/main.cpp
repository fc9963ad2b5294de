// vrxsim: the simulated controller on a pseudo-terminal.
#include <signal.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "vrxsim/command_line.h"
#include "vrxsim/sim_loop.h"

namespace {

std::atomic<bool> g_stop{false};

extern "C" void onSignal(int) {
    g_stop = true;
}

} // namespace

int main(int argc, char** argv) {
    using namespace vrxsim;
    const CommandLine cl = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (cl.help) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    if (!cl.errors.empty()) {
        for (const auto& e : cl.errors)
            std::fprintf(stderr, "vrxsim: %s\n", e.c_str());
        std::fputs("Try 'vrxsim --help'.\n", stderr);
        return 2;
    }

    SimOptions options = cl.options;
    options.onLine = [](const std::string& line) {
        std::fputs(line.c_str(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    };

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    PtyLink link(options.appDir, options.port);
    try {
        link.open();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vrxsim: %s\n", e.what());
        return 1;
    }
    return runSimLoop(options, link, g_stop);
}
