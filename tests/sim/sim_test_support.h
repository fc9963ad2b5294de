#pragma once
// Small helpers shared by the simulator tests.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/checksum.h"
#include "link/control_frame.h"
#include "vrxsim/simulator.h"

namespace vrxsim::test {

// Records what the simulator sends and prints.
class RecordingHost : public SimHost {
public:
    std::vector<std::vector<std::uint8_t>> sent;
    std::vector<std::string> lines;
    int unplugs = 0, replugs = 0, quits = 0;

    void send(std::span<const std::uint8_t> b) override { sent.emplace_back(b.begin(), b.end()); }
    void print(const std::string& line) override { lines.push_back(line); }
    void unplug() override { ++unplugs; }
    void replug() override { ++replugs; }
    void quit() override { ++quits; }

    bool printed(const std::string& text) const {
        for (const auto& l : lines)
            if (l.find(text) != std::string::npos) return true;
        return false;
    }
    std::size_t statusFrames() const {
        std::size_t n = 0;
        for (const auto& s : sent)
            n += s.size() == 26 ? 1 : 0;
        return n;
    }
};

inline const std::vector<std::uint8_t> kIdentify{207, 3, 210};
inline const std::vector<std::uint8_t> kKeepAlive{207, 7, 214};

// A control frame with the start-up values of a default configuration, fans and pumps as given.
inline std::vector<std::uint8_t> controlFrame(int fans, int pumps, int beeper = 2, int powerOff = 2) {
    std::vector<std::uint8_t> f(40, 0);
    f[vrx::ct::Header] = 207;
    f[vrx::ct::One] = 1;
    for (int i = 0; i < 10; ++i) {
        f[vrx::ct::TempAlarm + i] = 117;
        f[vrx::ct::TempShutdown + i] = 120;
    }
    f[vrx::ct::TempUnit] = 1;
    for (int i = 0; i < 6; ++i)
        f[vrx::ct::FanPower + i] = static_cast<std::uint8_t>(fans);
    f[vrx::ct::PumpPower] = f[vrx::ct::PumpPower + 1] = static_cast<std::uint8_t>(pumps);
    f[vrx::ct::FlowModel1] = f[vrx::ct::Tube1] = f[vrx::ct::FlowModel2] = f[vrx::ct::Tube2] = 1;
    f[vrx::ct::BoardType] = 2;
    f[vrx::ct::Beeper] = static_cast<std::uint8_t>(beeper);
    f[vrx::ct::PowerOff] = static_cast<std::uint8_t>(powerOff);
    f[vrx::ct::Checksum] = vrx::Checksum8(f.begin(), f.begin() + 39);
    return f;
}

} // namespace vrxsim::test
