#pragma once
// A link engine wired to a fake port, a fake clock and a host that records what it was told.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "fakes/fake_serial_port.h"
#include "link/checksum.h"
#include "link/control_frame.h"
#include "link/link_engine.h"

namespace vrx::test {

class RecordingLinkHost : public LinkHost {
public:
    struct Error {
        std::string name;
        int number;
        std::string description;
    };
    struct Balloon {
        std::string text, title;
        BalloonIcon icon;
        int seconds;
    };
    std::vector<std::string> events; // one word per call, in order
    std::vector<Error> errors;
    std::vector<LinkStateView> states;
    std::vector<Balloon> balloons;
    std::vector<RawStatusFrame> accepted;
    std::vector<int> reportDigits;
    std::vector<std::string> versionLabels;
    std::array<bool, kLinkTimerCount> timers{};

    void logError(const std::string& name, int number, const std::string& description) override {
        events.push_back("error");
        errors.push_back({name, number, description});
    }
    void saveSystemFile() override { events.push_back("save"); }
    void rearrangeLayout() override { events.push_back("layout"); }
    void setTimerEnabled(LinkTimer timer, bool enabled) override {
        timers[static_cast<std::size_t>(timer)] = enabled;
        events.push_back(std::string(enabled ? "on:" : "off:") + std::to_string(static_cast<int>(timer)));
    }
    void showLinkState(const LinkStateView& view) override {
        events.push_back("state:" + view.state);
        states.push_back(view);
    }
    void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon,
                     int seconds) override {
        events.push_back("balloon:" + text);
        balloons.push_back({text, title, icon, seconds});
    }
    void statusFrameAccepted(const RawStatusFrame& raw) override { accepted.push_back(raw); }
    void publishReport(const RawStatusFrame&, int digit) override { reportDigits.push_back(digit); }
    void displayOff() override { events.push_back("displayOff"); }
    void setVersionLabel(const std::string& text) override { versionLabels.push_back(text); }

    bool timer(LinkTimer t) const { return timers[static_cast<std::size_t>(t)]; }
    std::string lastState() const { return states.empty() ? "" : states.back().state; }
};

// A valid status frame: channel codes, firmware and board type as given, checksum filled.
inline Bytes statusFrame(std::array<std::uint8_t, 10> temps = {100, 100, 100, 100, 100, 100, 100, 100, 100,
                                                               100},
                         std::uint8_t firmware = 7, std::uint8_t board = 2) {
    Bytes f(26, 0);
    f[0] = 223;
    for (std::size_t i = 0; i < 10; ++i)
        f[2 + i] = temps[i];
    for (std::size_t i = 12; i < 22; ++i)
        f[i] = static_cast<std::uint8_t>(i * 3);
    f[22] = board;
    f[23] = firmware;
    f[24] = 9;
    f[25] = Checksum8(f.begin(), f.begin() + 25);
    return f;
}

inline Bytes identifyReply(std::uint8_t b0 = 223, std::uint8_t b1 = 6, std::uint8_t board = 2) {
    Bytes r(40);
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<std::uint8_t>(i + 10);
    r[0] = b0;
    r[1] = b1;
    r[35] = board;
    return r;
}

inline bool isCommand(const Bytes& b, const std::array<std::uint8_t, 3>& cmd) {
    return b == Bytes(cmd.begin(), cmd.end());
}

struct LinkRig {
    std::filesystem::path dir;
    Settings settings;
    ControllerState controller;
    FakeSerialPort port;
    FakeClock clock;
    RecordingLinkHost host;
    LinkEngine engine;
    std::int64_t nextScanMs = 0;

    LinkRig() : dir(makeDir()), engine(settings, controller, port, clock, host, dir.string() + "/") {
        SetDefaults(settings, dir.string() + "/");
        InitControlFrame(settings, controller);
        engine.ResetLinkState();
    }
    ~LinkRig() { std::filesystem::remove_all(dir); }

    static std::filesystem::path makeDir() {
        std::random_device rd;
        auto d = std::filesystem::temp_directory_path() /
                 ("vrx-link-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(d);
        return d;
    }

    // A controller on `p` that answers the identify command with `reply`.
    void controllerOn(int p, Bytes reply = identifyReply()) {
        port.present.insert(p);
        port.onWrite = [p, reply](FakeSerialPort& fp, int to, const Bytes& data) {
            if (to == p && isCommand(data, CmdIdentify)) fp.arrive(reply);
        };
    }

    // Moves time on in 20 ms steps, serving a pending probe and the scan timer as the app would.
    void advance(std::int64_t ms) {
        for (std::int64_t t = 0; t < ms; t += 20) {
            clock.advanceMs(20);
            if (engine.probePending()) engine.probeTick();
            if (engine.timerRunning(LinkTimer::Scan)) {
                if (nextScanMs == 0) nextScanMs = clock.ms + 1500;
                if (clock.ms >= nextScanMs) {
                    nextScanMs += 1500;
                    engine.TimerScan_Timer();
                }
            } else {
                nextScanMs = 0;
            }
            port.transmit(); // 20 ms is time enough for the line to send what waits
        }
    }

    // Links to a controller on COM3 at start-up and forgets what that wrote.
    void linkUp(int p = 3) {
        controllerOn(p);
        engine.state().PreviousComPort = static_cast<std::int16_t>(p);
        engine.startupLink();
        advance(100);
        ASSERT_EQ(host.lastState(), "ON");
        port.writes.clear();
        host.events.clear();
    }

    // One poll with a status frame waiting (or none); returns what it wrote.
    std::vector<Bytes> poll(bool frame = true) {
        if (frame) port.arrive(statusFrame());
        const std::size_t before = port.writes.size();
        engine.TimerCom_Timer();
        port.transmit(); // the second until the next poll gives the line time to send
        std::vector<Bytes> out;
        for (std::size_t i = before; i < port.writes.size(); ++i)
            out.push_back(port.writes[i].bytes);
        return out;
    }

    std::string readFile(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

} // namespace vrx::test
