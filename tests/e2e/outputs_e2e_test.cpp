#include "e2e/process.h"
#include "fakes/temp_dir.h"
#include "settings/system_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sstream>
#include <sys/mman.h>

namespace vrx {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> linesStartingWith(const std::string& text, const std::string& prefix) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) out.push_back(line.substr(prefix.size()));
    return out;
}

int fan1Power(const std::string& controlLine) {
    const auto at = controlLine.find("fans=");
    return at == std::string::npos ? -1 : std::stoi(controlLine.substr(at + 5));
}

int pumpStep(const std::string& controlLine, int pump) {
    const auto at = controlLine.find("pumps=");
    if (at == std::string::npos) return -1;
    const std::string pumps = controlLine.substr(at + 6);
    return pump == 1 ? std::stoi(pumps) : std::stoi(pumps.substr(pumps.find(',') + 1));
}

// Fan 1's speed as the controller reports it, from the shared report (units of 30 rpm).
int reportedFan1Speed() {
    const int fd = ::shm_open("/REZe2Vuz001", O_RDONLY, 0);
    if (fd < 0) return -1;
    char buf[93] = {};
    const ssize_t n = ::read(fd, buf, sizeof buf);
    ::close(fd);
    return n == 93 ? std::stoi(std::string(buf + 41, 4)) * 30 : -1;
}

// Fans in group Auto with hysteresis, pump 1 at a fixed level, pump 2 in Auto without
// hysteresis; channel 1 heats up. Every control frame vrx writes must reach the controller, in
// order, and the fans must follow the curve while the box's own fan speeds rise with them.
TEST(OutputsE2E, AutoFollowsTheTemperatureAndEveryFrameArrives) {
    test::TempDir dir;
    Settings s;
    SetDefaults(s, dir.dir());
    s.sys.BoardType = 2;
    s.sys.ComPort = 3;
    // This run is about the outputs: no alarm may take them over.
    s.temp.TempAlarmOn.fill(0);
    s.pump.PumpAlarmOn.fill(0);
    s.pump.FlowAlarmOn.fill(0);
    s.fan.FanGroup = 1;
    s.fan.FanLevel.fill(0);
    for (std::size_t e = 0; e < 7; ++e) {
        s.fan.FanAutoSensor[e] = 0;
        s.fan.FanAutoTempLow[e] = 20, s.fan.FanAutoTempMid[e] = 30, s.fan.FanAutoTempHigh[e] = 90;
        s.fan.FanAutoLevelLow[e] = 10, s.fan.FanAutoLevelMid[e] = 20, s.fan.FanAutoLevelHigh[e] = 100;
        s.fan.FanNoHysteresis[e] = 0;
    }
    s.pump.PumpGroup = 0;
    s.pump.PumpLevel = {12, 6, 0}; // pump 1 at Level 4: step 14
    s.pump.PumpAutoSensor[2] = 0;
    s.pump.PumpAutoTempLow[2] = 20, s.pump.PumpAutoTempMid[2] = 30, s.pump.PumpAutoTempHigh[2] = 90;
    s.pump.PumpAutoLevelLow[2] = 10, s.pump.PumpAutoLevelMid[2] = 20, s.pump.PumpAutoLevelHigh[2] = 100;
    s.pump.PumpNoHysteresis[2] = 1;
    ASSERT_TRUE(SaveSystemFile(dir.file("vrxsys.bin"), s).ok());

    const std::string simOut = dir.file("sim.out"), vrxOut = dir.file("vrx.out");
    test::Process sim(VRXSIM_BIN,
                      {"--app-dir", dir.path().string(), "--port", "3", "--board", "2", "--event", "4 overheat 1 85"},
                      simOut);
    ASSERT_TRUE(test::waitFor([&] { return test::readFile(simOut).find("ready") != std::string::npos; }, 10s));
    test::Process vrx(VRX_BIN, {"--app-dir", dir.path().string(), "--ports-only", "--dry-run-power-off", "--trace-link"},
                      vrxOut);
    // The first reading takes the fans down from the top to the curve's value for about 35 C.
    ASSERT_TRUE(test::waitFor(
        [&] {
            const auto rx = linesStartingWith(test::readFile(simOut), "rx control ");
            return !rx.empty() && fan1Power(rx.back()) < 40;
        },
        15s))
        << test::readFile(simOut);
    std::this_thread::sleep_for(2s); // the box's fans settle
    const int earlySpeed = reportedFan1Speed();

    // Wait for the fans to pass 90 %: at 2 C a second from about 30 C, a change every second.
    ASSERT_TRUE(test::waitFor(
        [&] {
            const auto rx = linesStartingWith(test::readFile(simOut), "rx control ");
            return !rx.empty() && fan1Power(rx.back()) >= 90;
        },
        60s))
        << test::readFile(simOut);
    std::this_thread::sleep_for(2s); // the box's fans need a moment to follow
    const int lateSpeed = reportedFan1Speed();

    vrx.signal(SIGTERM);
    EXPECT_EQ(vrx.waitExit(10s), 0);
    std::this_thread::sleep_for(300ms); // the last frame's bytes reach the simulator
    sim.signal(SIGTERM);
    sim.waitExit(5s);

    const auto tx = linesStartingWith(test::readFile(vrxOut), "tx control ");
    const auto rx = linesStartingWith(test::readFile(simOut), "rx control ");
    ASSERT_FALSE(tx.empty());
    EXPECT_EQ(rx, tx) << "every control frame vrx wrote arrives, in order";

    // At least ten changes of the fan power in a row, rising with the temperature.
    std::vector<int> fans;
    for (const auto& line : rx)
        if (fans.empty() || fan1Power(line) != fans.back()) fans.push_back(fan1Power(line));
    int rising = 0, longest = 0;
    for (std::size_t i = 1; i < fans.size(); ++i) {
        rising = fans[i] > fans[i - 1] ? rising + 1 : 0;
        longest = std::max(longest, rising);
    }
    EXPECT_GE(longest, 10) << test::readFile(simOut);
    // The fixed level reaches the wire; the auto pump follows the same temperatures.
    EXPECT_EQ(pumpStep(rx.front(), 1), 13);
    EXPECT_EQ(pumpStep(rx.back(), 1), 13);
    // (pump changes are paced, so the pump lags the fans a little)
    int lowestPump2 = 31;
    for (const auto& line : rx) lowestPump2 = std::min(lowestPump2, pumpStep(line, 2));
    EXPECT_GT(pumpStep(rx.back(), 2), lowestPump2 + 10);
    // Before the first reading the outputs in Auto start at their curve's top, never off.
    EXPECT_EQ(fan1Power(rx.front()), 100);
    EXPECT_EQ(pumpStep(rx.front(), 2), 31);
    EXPECT_GT(lateSpeed, earlySpeed + 300) << "the box's own fans speed up";
}

} // namespace
} // namespace vrx
