#include "vrxsim/sim_loop.h"

#include <poll.h>

#include <chrono>
#include <stdexcept>

#include "vrxsim/simulator.h"

namespace vrxsim {
namespace {

constexpr int kTickMs = 20; // how often time moves on when nothing arrives

class PtyHost : public SimHost {
public:
    PtyHost(const SimOptions& o, PtyLink& link) : m_options(o), m_link(link) {}

    void send(std::span<const std::uint8_t> bytes) override { m_link.write(bytes); }
    void print(const std::string& line) override {
        if (m_options.onLine) m_options.onLine(line);
    }
    void unplug() override { m_link.close(); }
    void replug() override {
        try {
            m_link.open();
        } catch (const std::exception& e) {
            print(std::string("error: ") + e.what());
            m_failed = true;
        }
    }
    void quit() override { m_quit = true; }

    bool done() const { return m_quit || m_failed; }
    bool failed() const { return m_failed; }

private:
    const SimOptions& m_options;
    PtyLink& m_link;
    bool m_quit = false;
    bool m_failed = false;
};

} // namespace

int runSimLoop(const SimOptions& options, PtyLink& link, const std::atomic<bool>& stop) {
    PtyHost host(options, link);
    Simulator sim(options.boardType, options.seed, options.events, host, options.quiet);
    const auto start = std::chrono::steady_clock::now();
    auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };

    host.print("ready " + link.linkPath() + " -> " + link.devicePath() +
               " board=" + std::to_string(sim.boardType()));
    std::uint8_t buffer[512];
    while (!stop.load() && !host.done()) {
        if (link.isOpen()) {
            pollfd p{link.masterFd(), POLLIN, 0};
            ::poll(&p, 1, kTickMs);
            for (std::size_t n; (n = link.read(buffer, sizeof buffer)) > 0;)
                sim.receive(std::span<const std::uint8_t>(buffer, n), seconds());
        } else {
            ::poll(nullptr, 0, kTickMs);
        }
        sim.advance(seconds());
    }
    link.close();
    return host.failed() ? 1 : 0;
}

} // namespace vrxsim
