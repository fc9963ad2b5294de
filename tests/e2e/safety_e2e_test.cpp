// The safety functions against the simulated controller. Every run here uses the dry-run power-off.
#include "e2e/process.h"
#include "fakes/temp_dir.h"
#include "settings/system_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace vrx {
namespace {

using namespace std::chrono_literals;

int countOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

struct SafetyRun {
    test::TempDir dir;
    std::string simOut = dir.file("sim.out"), vrxOut = dir.file("vrx.out"), vrxErr = dir.file("vrx.err");
    std::unique_ptr<test::Process> sim, vrx;

    void start(const std::function<void(Settings&)>& configure, const std::string& event) {
        Settings s;
        SetDefaults(s, dir.dir());
        s.sys.BoardType = 2;
        s.sys.ComPort = 3;
        configure(s);
        ASSERT_TRUE(SaveSystemFile(dir.file("vrxsys.bin"), s).ok());
        sim = std::make_unique<test::Process>(
            VRXSIM_BIN, std::vector<std::string>{"--app-dir", dir.path().string(), "--port", "3", "--event", event},
            simOut);
        ASSERT_TRUE(test::waitFor([&] { return test::readFile(simOut).find("ready") != std::string::npos; }, 10s));
        vrx = std::make_unique<test::Process>(
            VRX_BIN,
            std::vector<std::string>{"--app-dir", dir.path().string(), "--ports-only", "--dry-run-power-off",
                                     "--trace-link"},
            vrxOut, vrxErr);
    }
    ~SafetyRun() {
        if (vrx) vrx->signal(SIGTERM), vrx->waitExit(10s);
        if (sim) sim->signal(SIGTERM), sim->waitExit(5s);
    }
};

void noRules(Settings& s) {
    s.temp.TempAlarmOn.fill(0);
    s.temp.TempShutdownOn.fill(0);
    s.pump.PumpAlarmOn.fill(0);
    s.pump.PumpShutdownOn.fill(0);
    s.pump.FlowAlarmOn.fill(0);
    s.pump.FlowShutdownOn.fill(0);
}

// Only channel 1's shutdown rule, at 50 C, with the given action (0 hardware, 1 software) and delay.
void channelOneShutsDownAt50(Settings& s, int action, int delay) {
    noRules(s);
    s.temp.TempShutdownOn[0] = 1;
    s.temp.TempShutdownLimit[0] = 50;
    s.sys.ShutdownAction = static_cast<Int16>(action);
    s.sys.ShutdownDelay = static_cast<Int16>(delay);
}

// Channel 1 passes its alarm limit: within two seconds the box gets every fan at 100 % and both
// pumps at the top step, and Alarm.log gets a line a second while the alarm lasts.
TEST(SafetyE2E, AlarmForcesFullCoolingAndLogsEverySecond) {
    SafetyRun run;
    run.start(
        [](Settings& s) {
            noRules(s);
            s.temp.TempAlarmOn[0] = 1;
            s.temp.TempAlarmLimit[0] = 45;
            s.fan.FanGroup = 1;
            s.fan.FanLevel.fill(5); // Level 3: 30 %
            s.pump.PumpGroup = 1;
            s.pump.PumpLevel.fill(5); // Level 3: step 11
        },
        "2 overheat 1 70");
    const std::string alarmLog = run.dir.file("Alarm.log");
    ASSERT_TRUE(test::waitFor([&] { return !test::readFile(alarmLog).empty(); }, 40s));
    const auto firstLine = std::chrono::steady_clock::now();
    const std::string forced = "fans=100,100,100,100,100,100 pumps=31,31";
    ASSERT_TRUE(test::waitFor([&] { return test::readFile(run.simOut).find(forced) != std::string::npos; }, 2s))
        << test::readFile(run.simOut);
    std::printf("alarm line to forced frame at the box: %lld ms\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                           std::chrono::steady_clock::now() - firstLine)
                                           .count()));
    std::this_thread::sleep_for(5s);
    const std::string log = test::readFile(alarmLog);
    const int lines = countOf(log, "\r\n");
    EXPECT_GE(lines, 5);
    EXPECT_LE(lines, 8);
    EXPECT_EQ(countOf(log, ", Temp.(C), ch1, "), lines) << log;
    EXPECT_NE(log.find(", 45\r\n"), std::string::npos) << log;
    // The fans were below 100 before: the frame that forced them is a change the box received.
    EXPECT_NE(test::readFile(run.simOut).find("fans=30,30,30,30,30,30 pumps=10,10"), std::string::npos);
}

// Channel 1 passes its shutdown limit: one Shutdown.log line, a three-second countdown, then the
// (dry-run) software power-off and an orderly exit.
TEST(SafetyE2E, ShutdownLimitCountsDownAndEndsWithTheDryRunPowerOff) {
    SafetyRun run;
    run.start([](Settings& s) { channelOneShutsDownAt50(s, 1, 3); }, "2 overheat 1 70");
    ASSERT_TRUE(run.vrx->started());
    const auto code = run.vrx->waitExit(60s);
    ASSERT_TRUE(code.has_value()) << test::readFile(run.vrxErr);
    EXPECT_EQ(*code, 0);
    const std::string err = test::readFile(run.vrxErr);
    EXPECT_EQ(countOf(err, "vrx: power-off requested (dry run)\n"), 1) << err;
    const std::string log = test::readFile(run.dir.file("Shutdown.log"));
    EXPECT_EQ(countOf(log, ", Temp.(C), ch1, "), 2) << log; // the trigger and the power-off
    EXPECT_NE(log.find(", 50, Software Power Off\r\n"), std::string::npos) << log;
}

// With the hardware action the controller receives the power-off byte; the box then cuts the
// power (the simulator stops streaming) and vrx withdraws the request with the lost link.
TEST(SafetyE2E, HardwareShutdownSendsThePowerOffByteAndWithdrawsItWithTheLink) {
    SafetyRun run;
    run.start([](Settings& s) { channelOneShutsDownAt50(s, 0, 2); }, "2 overheat 1 70");
    ASSERT_TRUE(test::waitFor([&] { return test::readFile(run.simOut).find("POWER OFF REQUESTED") != std::string::npos; },
                              60s))
        << test::readFile(run.simOut);
    EXPECT_NE(test::readFile(run.dir.file("Shutdown.log")).find(", 50, Hardware Power Off\r\n"), std::string::npos);
    // No frame leaves vrx with the request after the link is gone.
    ASSERT_TRUE(test::waitFor([&] { return test::readFile(run.vrxOut).find("tx identify") != std::string::npos &&
                                           countOf(test::readFile(run.vrxOut), "tx identify") >= 2; },
                              30s))
        << test::readFile(run.vrxOut);
    const std::string tx = test::readFile(run.vrxOut);
    const auto lastIdentify = tx.rfind("tx identify");
    EXPECT_EQ(tx.find("poweroff=1", lastIdentify), std::string::npos);
    EXPECT_EQ(run.vrx->waitExit(0ms), std::nullopt) << "a hardware power-off leaves vrx running";
}

} // namespace
} // namespace vrx
