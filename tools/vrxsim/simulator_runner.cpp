#include "vrxsim/simulator_runner.h"

#include "vrxsim/sim_loop.h"

namespace vrxsim {

SimulatorRunner::~SimulatorRunner() {
    stop();
}

void SimulatorRunner::start(SimOptions options) {
    stop();
    m_options = std::move(options);
    auto link = std::make_unique<PtyLink>(m_options.appDir, m_options.port);
    link->open();
    m_link = std::move(link);
    m_stop = false;
    m_finished = false;
    m_thread = std::thread([this] {
        runSimLoop(m_options, *m_link, m_stop);
        m_finished = true;
    });
}

void SimulatorRunner::stop() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    m_link.reset();
}

} // namespace vrxsim
