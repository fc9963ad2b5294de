#include "link/link_error.h"
#include "link_test_fixture.h"

namespace vrx {
namespace {

using test::isCommand;
using test::LinkRig;

class LinkPoll : public ::testing::Test {
protected:
    void SetUp() override {
        rig.linkUp(3);
        // The first poll after linking sends everything it has not compared before.
        ASSERT_EQ(rig.poll().size(), 1u);
    }
    LinkRig rig;
};

TEST_F(LinkPoll, KeepAliveEveryTenthIdlePollAndNothingElse) {
    for (int n = 1; n <= 30; ++n) {
        const auto sent = rig.poll();
        if (n % 10 == 0) {
            ASSERT_EQ(sent.size(), 1u) << "poll " << n;
            EXPECT_TRUE(isCommand(sent[0], CmdKeepAlive)) << "poll " << n;
        } else {
            EXPECT_TRUE(sent.empty()) << "poll " << n;
        }
    }
    // A change restarts the idle count.
    for (int n = 1; n <= 5; ++n)
        rig.poll();
    rig.controller.ControlBytes[ct::FanPower] = 40;
    EXPECT_EQ(rig.poll().at(0).size(), 40u);
    for (int n = 1; n <= 9; ++n)
        EXPECT_TRUE(rig.poll().empty());
    EXPECT_TRUE(isCommand(rig.poll().at(0), CmdKeepAlive));
}

// Each change is sent once only (PrevControl takes it at once), so a frame lost in the output
// buffer would never reach the controller.
TEST_F(LinkPoll, EveryChangedFrameLeavesThePort) {
    for (std::uint8_t level = 10; level < 20; ++level) {
        rig.controller.ControlBytes[ct::FanPower + 1] = level;
        const auto sent = rig.poll();
        ASSERT_EQ(sent.size(), 1u) << int(level);
        EXPECT_EQ(sent[0][ct::FanPower + 1], level);
    }
    EXPECT_TRUE(rig.port.dropped.empty());
}

TEST_F(LinkPoll, FifthSilentPollLosesTheLink) {
    // A frame with a wrong header does not count as heard; a good one resets the count.
    for (int n = 0; n < 3; ++n)
        rig.poll(false);
    rig.poll();
    Bytes wrongHeader = test::statusFrame();
    wrongHeader[0] = 222;
    for (int n = 0; n < 3; ++n)
        rig.poll(false);
    rig.port.arrive(wrongHeader);
    rig.poll(false);
    rig.poll(false);
    EXPECT_EQ(rig.host.lastState(), "ON");
    rig.controller.StatusText[2] = "35";

    rig.poll(false);
    EXPECT_EQ(rig.host.lastState(), "SCAN");
    EXPECT_EQ(rig.host.states.back().statusLabel, "COM Port Scanning...");
    ASSERT_FALSE(rig.host.balloons.empty());
    EXPECT_EQ(rig.host.balloons.back().text, "COMM PORT OFF");
    EXPECT_EQ(rig.host.balloons.back().title, "ZADa2.1");
    EXPECT_EQ(rig.host.balloons.back().icon, BalloonIcon::Warning);
    EXPECT_EQ(rig.host.balloons.back().seconds, 5);
    EXPECT_EQ(std::count(rig.host.events.begin(), rig.host.events.end(), "displayOff"), 1);
    EXPECT_EQ(rig.controller.StatusText[2], "");
    EXPECT_EQ(rig.settings.sys.ComPort, 0);
    for (auto t : {LinkTimer::Com, LinkTimer::View, LinkTimer::Graph, LinkTimer::ShutDown}) {
        EXPECT_FALSE(rig.host.timer(t));
        EXPECT_FALSE(rig.engine.timerRunning(t));
    }
    EXPECT_TRUE(rig.host.timer(LinkTimer::Scan));
    EXPECT_EQ(rig.engine.state().MissedPolls, 0);
}

TEST_F(LinkPoll, PumpChangesArePaced) {
    // Changed at three consecutive polls: all three send the first new value, the last value
    // goes out at the seventh poll counted from the first change.
    // Linking itself changed the pumps from nothing: let that window close first.
    while (rig.engine.state().PumpHoldActive)
        ASSERT_TRUE(rig.poll().empty());
    const std::int16_t values[] = {20, 25, 28};
    std::vector<int> sentPump; // byte 29 of each frame sent, -1 for no frame
    for (int n = 1; n <= 14; ++n) {
        if (n <= 3) rig.controller.ControlBytes[ct::PumpPower] = values[n - 1];
        const auto sent = rig.poll();
        sentPump.push_back(sent.empty() ? -1 : sent[0][ct::PumpPower]);
    }
    const std::vector<int> expected = {20, 20, 20, -1, -1, -1, 28, -1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(sentPump, expected);
    EXPECT_FALSE(rig.engine.state().PumpHoldActive);
}

TEST_F(LinkPoll, BeeperAlternatesEverySecondUnlessMuted) {
    rig.controller.ControlBytes[ct::Beeper] = 1;
    std::vector<int> beeper;
    for (int n = 0; n < 6; ++n) {
        const auto sent = rig.poll();
        ASSERT_EQ(sent.size(), 1u);
        ASSERT_EQ(sent[0].size(), 40u);
        EXPECT_EQ(sent[0][39], Checksum8(sent[0].begin(), sent[0].begin() + 39));
        beeper.push_back(sent[0][ct::Beeper]);
    }
    EXPECT_EQ(beeper, (std::vector<int>{1, 2, 1, 2, 1, 2}));

    // Muted while sounding: one frame with 2, then quiet.
    rig.poll(); // sends 1
    rig.settings.sys.AlarmMute = kTrue;
    auto sent = rig.poll();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][ct::Beeper], 2);
    for (int n = 0; n < 5; ++n)
        EXPECT_TRUE(rig.poll().empty());

    // Requested while muted: the controller never gets a 1, and keep-alives go on.
    rig.controller.ControlBytes[ct::Beeper] = 2;
    rig.poll();
    rig.controller.ControlBytes[ct::Beeper] = 1;
    sent = rig.poll();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0][ct::Beeper], 2);
    int keepAlives = 0;
    for (int n = 0; n < 10; ++n)
        for (const auto& b : rig.poll())
            keepAlives += isCommand(b, CmdKeepAlive) ? 1 : 0;
    EXPECT_EQ(keepAlives, 1);
}

TEST_F(LinkPoll, ErrorsAreLoggedUnderThePollNameAndDropTheLink) {
    struct Case {
        const char* what;
        std::function<void(LinkRig&)> arrange;
        int number;
    };
    const Case cases[] = {
        {"control value outside a byte", [](LinkRig& r) { r.controller.ControlBytes[23] = 300; },
         kErrOverflow},
        {"beeper neither 1 nor 2", [](LinkRig& r) { r.controller.ControlBytes[ct::Beeper] = 0; },
         kErrInvalidValue},
        {"serial line fails", [](LinkRig& r) { r.port.failNext.insert("bytesWaiting"); }, kErrPortIo},
    };
    for (const auto& c : cases) {
        LinkRig r;
        r.linkUp(4);
        r.clock.wall = LocalDateTime{2026, 1, 2, 14, 5, 9};
        c.arrange(r);
        r.poll();
        ASSERT_EQ(r.host.errors.size(), 1u) << c.what;
        EXPECT_EQ(r.host.errors[0].name, "2:05:09 PM:r-com:4 L:0") << c.what;
        EXPECT_EQ(r.host.errors[0].number, c.number) << c.what;
        EXPECT_EQ(r.host.lastState(), "SCAN") << c.what;
        EXPECT_TRUE(r.host.timer(LinkTimer::Scan)) << c.what;
    }
}

TEST_F(LinkPoll, AcceptedFramesReachTheHostAndTheReportAlternates) {
    rig.settings.temp.TempOffset[0] = -5;
    std::array<std::uint8_t, 10> temps{};
    temps.fill(97);
    rig.port.arrive(test::statusFrame(temps, 12));
    rig.poll(false);
    EXPECT_EQ(rig.controller.StatusBytes[2], 92);
    rig.poll();
    Bytes bad = test::statusFrame();
    bad[25] ^= 1;
    rig.port.arrive(bad);
    rig.poll(false);

    ASSERT_EQ(rig.host.accepted.size(), 3u); // the set-up poll's frame, and two here
    EXPECT_EQ(rig.host.accepted[1][2], 97) << "the host gets the raw bytes";
    EXPECT_EQ(rig.host.reportDigits, (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(rig.controller.StatusBytes[2], 95) << "the bad frame was not stored";
    EXPECT_EQ(rig.engine.state().MissedPolls, 0) << "a bad checksum still counts as heard";
}

TEST(LinkVersionLabel, FilledFromTheFirstFrameOfEachLink) {
    LinkRig rig;
    rig.linkUp(3);
    rig.poll(false);
    EXPECT_TRUE(rig.host.versionLabels.empty()) << "no firmware known yet";
    rig.port.arrive(test::statusFrame({}, 12));
    rig.poll(false);
    rig.poll();
    ASSERT_EQ(rig.host.versionLabels, (std::vector<std::string>{"VRX cooling monitor v.2.1.30 f12."}));

    for (int n = 0; n < 5; ++n)
        rig.poll(false);
    ASSERT_EQ(rig.host.lastState(), "SCAN");
    rig.engine.TimerCom_Timer(); // ComPort is 0 now: the poll only drops the link again
    rig.linkUp(3);
    rig.port.arrive(test::statusFrame({}, 13));
    rig.poll(false);
    EXPECT_EQ(rig.host.versionLabels.back(), "VRX cooling monitor v.2.1.30 f13.");
}

} // namespace
} // namespace vrx
