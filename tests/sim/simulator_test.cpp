#include <gtest/gtest.h>

#include <cmath>

#include "link/checksum.h"
#include "sim_test_support.h"

namespace vrxsim {
namespace {

class SimulatorTest : public ::testing::Test {
protected:
    test::RecordingHost host;
    double now = 0;

    void runTo(Simulator& sim, double t) {
        for (; now < t; now += 0.05)
            sim.advance(now);
    }
    void send(Simulator& sim, const std::vector<std::uint8_t>& bytes) { sim.receive(bytes, now); }
    static bool checksumOk(const std::vector<std::uint8_t>& f) {
        return f.back() == vrx::Checksum8(f.begin(), f.end() - 1);
    }
};

TEST_F(SimulatorTest, FanRpmFollowsControlFrameWithinTwoSeconds) {
    Simulator sim(2, 7, {}, host);
    send(sim, test::kIdentify);
    runTo(sim, 5);
    const double full = sim.model().fanRpm(1);
    EXPECT_GT(full, 1500);
    EXPECT_LE(full, 2000);

    send(sim, test::controlFrame(30, 31));
    runTo(sim, 7);
    const double afterTwo = sim.model().fanRpm(1);
    runTo(sim, 20);
    EXPECT_NEAR(afterTwo, sim.model().fanRpm(1), 0.02 * sim.model().fanRpm(1));
    EXPECT_LT(afterTwo, 0.5 * full);

    // The status frame reports it in 30 rpm units.
    const auto& last = host.sent.back();
    ASSERT_EQ(last.size(), 26u);
    EXPECT_NEAR(last[12] * 30.0, sim.model().fanRpm(1), 60);

    send(sim, test::controlFrame(0, 31));
    runTo(sim, 22);
    EXPECT_LT(sim.model().fanRpm(1), 30) << "a fan at power 0 stops";
}

TEST_F(SimulatorTest, BadChecksumControlFrameIsIgnored) {
    Simulator sim(2, 7, {}, host);
    send(sim, test::controlFrame(80, 20));
    auto bad = test::controlFrame(0, 0, 2, 1);
    bad[39] ^= 0x10;
    send(sim, bad);
    runTo(sim, 3);
    EXPECT_EQ(sim.control().fanPower[0], 80);
    EXPECT_EQ(sim.control().pumpStep[0], 20);
    EXPECT_EQ(sim.control().powerOff, 2);
    EXPECT_GT(sim.model().fanRpm(1), 1000);
    EXPECT_TRUE(host.printed("rx bad-checksum control"));
    EXPECT_FALSE(host.printed("POWER OFF"));
}

TEST_F(SimulatorTest, StreamsOnlyAfterIdentifyAndStopsAfterSilence) {
    Simulator sim(1, 7, {}, host);
    runTo(sim, 3);
    EXPECT_TRUE(host.sent.empty()) << "nothing before the identify command";

    send(sim, test::kIdentify);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].size(), 40u);
    EXPECT_EQ(host.sent[0][35], 1);
    runTo(sim, 13.1);
    EXPECT_EQ(host.statusFrames(), 10u) << "one status frame a second";
    for (const auto& f : host.sent)
        if (f.size() == 26) {
            EXPECT_TRUE(checksumOk(f));
        }

    // Keep-alives every ten seconds keep it going; then fifteen silent seconds stop it.
    send(sim, test::kKeepAlive);
    runTo(sim, 23);
    send(sim, test::kKeepAlive);
    runTo(sim, 37.9);
    EXPECT_TRUE(sim.streaming());
    runTo(sim, 38.2);
    EXPECT_FALSE(sim.streaming());
    const std::size_t frames = host.statusFrames();
    runTo(sim, 45);
    EXPECT_EQ(host.statusFrames(), frames);

    send(sim, test::kIdentify);
    runTo(sim, 47);
    EXPECT_TRUE(sim.streaming());
    EXPECT_EQ(host.statusFrames(), frames + 2);
}

TEST_F(SimulatorTest, PowerOffRequestIsOnlyReportedAndEndsStreaming) {
    Simulator sim(2, 7, {}, host);
    send(sim, test::kIdentify);
    runTo(sim, 2);
    send(sim, test::controlFrame(100, 31, 2, 1));
    EXPECT_TRUE(host.printed("POWER OFF REQUESTED"));
    EXPECT_FALSE(sim.streaming());
    const std::size_t frames = host.statusFrames();
    runTo(sim, 5);
    EXPECT_EQ(host.statusFrames(), frames);
}

TEST_F(SimulatorTest, ScriptedEventsShowInTheFrames) {
    const std::vector<SimEvent> events = {
        {1, EventKind::Corrupt, 2, 0},   {1, EventKind::SensorOpen, 4, 0}, {1, EventKind::SensorShort, 5, 0},
        {1, EventKind::Overheat, 3, 90}, {1, EventKind::PumpStop, 1, 0},   {40, EventKind::Unplug, 0, 0},
        {45, EventKind::Replug, 0, 0},   {50, EventKind::Quit, 0, 0},
    };
    Simulator sim(2, 7, events, host);
    send(sim, test::kIdentify);
    runTo(sim, 4.2);
    ASSERT_EQ(host.sent.size(), 5u); // reply + frames at 0.5, 1.5, 2.5, 3.5
    EXPECT_TRUE(checksumOk(host.sent[1]));
    EXPECT_FALSE(checksumOk(host.sent[2]));
    EXPECT_FALSE(checksumOk(host.sent[3]));
    EXPECT_TRUE(checksumOk(host.sent[4]));

    for (double t = 5; t < 39; t += 5) {
        runTo(sim, t);
        send(sim, test::kKeepAlive);
    }
    const auto& f = host.sent.back();
    EXPECT_EQ(f[2 + 3], 1) << "open sensor";
    EXPECT_EQ(f[2 + 4], 254) << "shorted sensor";
    EXPECT_NEAR(f[2 + 2], 90 + 62, 1) << "overheated channel";
    EXPECT_EQ(f[18], 0) << "stopped pump";
    EXPECT_EQ(f[20], 0) << "no flow behind a stopped pump";
    EXPECT_GT(f[19], 0) << "the other pump runs";
    EXPECT_TRUE(host.printed("event overheat ch=3 degrees=90"));

    runTo(sim, 41);
    EXPECT_EQ(host.unplugs, 1);
    const std::size_t sent = host.sent.size();
    send(sim, test::kIdentify);
    runTo(sim, 44);
    EXPECT_EQ(host.sent.size(), sent) << "an unplugged box hears and sends nothing";

    runTo(sim, 46);
    EXPECT_EQ(host.replugs, 1);
    send(sim, test::kIdentify);
    EXPECT_EQ(host.sent.size(), sent + 1);
    runTo(sim, 51);
    EXPECT_EQ(host.quits, 1);
}

TEST_F(SimulatorTest, SilenceEventSendsNothingButStaysPlugged) {
    Simulator sim(2, 7, {{2, EventKind::Silence, 0, 3}}, host);
    send(sim, test::kIdentify);
    runTo(sim, 2.2);
    const std::size_t before = host.sent.size();
    runTo(sim, 4.9);
    send(sim, test::kIdentify); // heard, but not answered
    EXPECT_EQ(host.sent.size(), before);
    EXPECT_TRUE(sim.plugged());
    runTo(sim, 6.2);
    EXPECT_GT(host.sent.size(), before) << "streaming resumes after the silence";
}

} // namespace
} // namespace vrxsim
