#pragma once
// The simulator on its own thread inside another program (the main program's simulate mode).
#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "vrxsim/pty_link.h"
#include "vrxsim/sim_options.h"

namespace vrxsim {

class SimulatorRunner {
public:
    SimulatorRunner() = default;
    ~SimulatorRunner();
    SimulatorRunner(const SimulatorRunner&) = delete;
    SimulatorRunner& operator=(const SimulatorRunner&) = delete;

    // Opens the pty and its link before returning (throws std::runtime_error when that fails),
    // then runs the simulator on a thread. A running simulator is stopped first.
    void start(SimOptions options);
    // Ends the thread, closes the pty and removes the link. Safe to call at any time.
    void stop();

    // False once stopped or after a quit event.
    bool running() const { return m_thread.joinable() && !m_finished.load(); }
    std::string linkPath() const { return m_link ? m_link->linkPath() : std::string(); }

private:
    SimOptions m_options;
    std::unique_ptr<PtyLink> m_link;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
};

} // namespace vrxsim
