#include <functional>

#include "link_test_fixture.h"
#include "text/format.h"

namespace vrx {
namespace {

using test::identifyReply;
using test::isCommand;
using test::LinkRig;

std::vector<int> identifyTargets(const LinkRig& rig) {
    std::vector<int> ports;
    for (const auto& w : rig.port.writes)
        if (isCommand(w.bytes, CmdIdentify)) ports.push_back(w.port);
    return ports;
}

std::ptrdiff_t indexOf(const std::vector<std::string>& events, const std::string& e) {
    const auto it = std::find(events.begin(), events.end(), e);
    return it == events.end() ? -1 : it - events.begin();
}

TEST(LinkStartup, ControllerOnThePreviousPortIsLinkedAndSentTheFullFrame) {
    LinkRig rig;
    rig.controllerOn(3, identifyReply(223, 6, 2));
    rig.engine.state().PreviousComPort = 3;
    const LocalDateTime start = rig.clock.now();
    rig.engine.startupLink();
    EXPECT_TRUE(rig.engine.probePending());
    rig.advance(40);

    EXPECT_EQ(rig.settings.sys.ComPort, 3);
    EXPECT_EQ(rig.settings.sys.BoardType, 2);
    EXPECT_EQ(rig.controller.StatusBytes[22], 2);
    ASSERT_EQ(rig.port.writes.size(), 2u);
    EXPECT_TRUE(isCommand(rig.port.writes[0].bytes, CmdIdentify));
    EXPECT_EQ(rig.port.writes[1].bytes.size(), 40u);

    const auto& ev = rig.host.events;
    // Start-up order: the state and balloon first, then the link handler (save, layout, timers).
    EXPECT_LT(indexOf(ev, "state:ON"), indexOf(ev, "balloon:COMM PORT ON"));
    EXPECT_LT(indexOf(ev, "balloon:COMM PORT ON"), indexOf(ev, "save"));
    EXPECT_LT(indexOf(ev, "save"), indexOf(ev, "layout")) << "type 2 differs from the stored layout";
    EXPECT_EQ(rig.controller.LayoutBoardType, 2);
    const auto& on = rig.host.states.back();
    EXPECT_EQ(on.statusLabel, "COM 3");
    EXPECT_EQ(on.optionsPortLabel, "ON");
    EXPECT_EQ(on.scanCaption, "Stop");
    EXPECT_EQ(on.portBox, 3);
    EXPECT_EQ(rig.host.balloons.back().icon, BalloonIcon::Information);
    for (auto t : {LinkTimer::Com, LinkTimer::View, LinkTimer::Graph, LinkTimer::ShutDown})
        EXPECT_TRUE(rig.host.timer(t));
    EXPECT_FALSE(rig.host.timer(LinkTimer::Scan));

    const std::string log = rig.readFile("req.log");
    EXPECT_EQ(log.rfind(formatShortStamp(start) + " COM3 223,6,12,", 0), 0u) << log;
    EXPECT_EQ(log.substr(log.size() - 9), ",48,49\r\r\n");
}

TEST(LinkStartup, NoPortAtAllShowsOff) {
    LinkRig rig;
    rig.engine.startupLink();
    EXPECT_EQ(rig.host.lastState(), "OFF");
    EXPECT_EQ(rig.host.states.back().statusLabel, "COM OFF");
    EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Scan));
    EXPECT_EQ(rig.engine.state().ScanAttempts, 60);
}

TEST(LinkStartup, UnsupportedControllerTypeIsRefusedAndLogged) {
    for (const std::uint8_t board : {0, 3, 255}) {
        LinkRig rig;
        rig.controllerOn(3, identifyReply(223, 6, board));
        rig.engine.state().PreviousComPort = 3;
        rig.engine.startupLink();
        rig.advance(100);
        ASSERT_EQ(rig.host.errors.size(), 1u);
        EXPECT_EQ(rig.host.errors[0].name, "FrmMain.ProbePort");
        EXPECT_NE(rig.host.errors[0].description.find("type " + std::to_string(board)), std::string::npos);
        EXPECT_EQ(rig.settings.sys.BoardType, 1) << "the stored type is kept";
        EXPECT_EQ(indexOf(rig.host.events, "state:ON"), -1);
        EXPECT_EQ(indexOf(rig.host.events, "layout"), -1);
        EXPECT_EQ(rig.host.lastState(), "SCAN");
        EXPECT_TRUE(rig.engine.timerRunning(LinkTimer::Scan));
        EXPECT_FALSE(std::filesystem::exists(rig.dir / "req.log"));
    }
}

TEST(LinkScan, ProbesListedPortsInOrderAndLinksTheOneThatAnswers) {
    LinkRig rig;
    rig.port.present = {2, 9};
    rig.controllerOn(4, identifyReply(6, 223, 1)); // the reversed identity is accepted too
    rig.engine.startupLink();                      // no previous port: fails at once
    ASSERT_EQ(rig.host.lastState(), "SCAN");
    rig.host.events.clear();
    rig.advance(4000);

    EXPECT_EQ(identifyTargets(rig), (std::vector<int>{2, 4}));
    EXPECT_EQ(rig.settings.sys.ComPort, 4);
    EXPECT_EQ(rig.port.writes.back().port, 4);
    EXPECT_EQ(rig.port.writes.back().bytes.size(), 40u);
    const auto& ev = rig.host.events;
    // Scan order: the link handler runs before the state is shown.
    EXPECT_LT(indexOf(ev, "save"), indexOf(ev, "state:ON"));
    EXPECT_LT(indexOf(ev, "off:0"), indexOf(ev, "state:ON"));
    EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Scan));
    EXPECT_EQ(rig.engine.state().ScanAttempts, 0);
}

TEST(LinkScan, GivesUpAfterTwentyNineTicks) {
    struct Case {
        const char* what;
        std::int16_t fixed;
        std::set<int> present;
        int probed;
    };
    const Case cases[] = {
        {"one silent port", 0, {5}, 5},
        {"fixed COM7 with no controller", 7, {3, 7}, 7},
        {"fixed COM7 missing", 7, {3}, -1},
    };
    for (const auto& c : cases) {
        LinkRig rig;
        rig.settings.sys.FixedComPort = c.fixed;
        rig.port.present = c.present;
        rig.engine.startupLink();
        rig.advance(1100);
        ASSERT_EQ(rig.host.lastState(), "SCAN") << c.what;
        rig.port.writes.clear();
        rig.advance(60000);

        const auto targets = identifyTargets(rig);
        if (c.probed > 0) {
            EXPECT_EQ(targets, std::vector<int>(29, c.probed)) << c.what;
        } else {
            EXPECT_TRUE(targets.empty()) << c.what;
        }
        EXPECT_EQ(rig.host.lastState(), "OFF") << c.what;
        EXPECT_EQ(rig.host.states.back().scanCaption, "Scan") << c.what;
        EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Scan)) << c.what;
        EXPECT_EQ(rig.settings.sys.ComPort, 0) << c.what;
    }
}

TEST(LinkScan, StopLinkEndsAPendingProbeAndALaterLossStopsScanningAtOnce) {
    LinkRig rig;
    rig.port.present = {5};
    rig.engine.StartScan();
    EXPECT_EQ(rig.host.lastState(), "SCAN");
    rig.advance(1600);
    ASSERT_TRUE(rig.engine.probePending());
    rig.engine.StopLink();
    EXPECT_FALSE(rig.engine.probePending());
    EXPECT_EQ(rig.host.lastState(), "OFF");
    EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Scan));

    // Linked, then stopped: the next poll drops the link, and the scan it restarts ends at
    // its first tick without probing.
    LinkRig linked;
    linked.linkUp(3);
    linked.engine.StopLink();
    linked.engine.TimerCom_Timer();
    EXPECT_EQ(linked.host.lastState(), "SCAN");
    linked.port.writes.clear();
    linked.advance(1600);
    EXPECT_EQ(linked.host.lastState(), "OFF");
    EXPECT_TRUE(linked.port.writes.empty());
}

TEST(LinkScan, RestartWhenOffScansAgainButLeavesALinkOrAScanAlone) {
    // Scanning gave up: the restart lists the ports again and finds the controller that came back.
    LinkRig off;
    off.engine.startupLink(); // no port at all
    ASSERT_EQ(off.host.lastState(), "OFF");
    off.controllerOn(4);
    EXPECT_TRUE(off.engine.restartScanIfOff());
    EXPECT_EQ(off.engine.state().ScanAttempts, 0);
    EXPECT_TRUE(off.engine.timerRunning(LinkTimer::Scan));
    off.advance(4000);
    EXPECT_EQ(off.host.lastState(), "ON");
    EXPECT_EQ(off.settings.sys.ComPort, 4);

    const struct {
        const char* what;
        std::function<void(LinkRig&)> setUp;
    } busy[] = {
        {"linked", [](LinkRig& r) { r.linkUp(3); }},
        {"scanning", [](LinkRig& r) { r.engine.StartScan(); }},
    };
    for (const auto& c : busy) {
        LinkRig rig;
        c.setUp(rig);
        const std::string shown = rig.host.lastState();
        const auto attempts = rig.engine.state().ScanAttempts = 7;
        rig.host.events.clear();
        EXPECT_FALSE(rig.engine.restartScanIfOff()) << c.what;
        EXPECT_TRUE(rig.host.events.empty()) << c.what;
        EXPECT_EQ(rig.engine.state().ScanAttempts, attempts) << c.what;
        EXPECT_EQ(rig.host.lastState(), shown) << c.what;
    }
}

TEST(LinkPorts, ListingOpensOnlyCandidatesAndSkipsBusyPorts) {
    LinkRig rig;
    rig.port.present = {3, 40, 200};
    rig.port.busy = {40};
    rig.engine.setPortCandidates([](int n) { return n <= 64; });
    rig.engine.ListComPorts();
    EXPECT_EQ(rig.engine.state().PortList[0], 1);
    EXPECT_EQ(rig.engine.state().PortList[1], 3);
    EXPECT_EQ(rig.port.openedPorts, (std::vector<int>{3}));
    EXPECT_FALSE(rig.port.isOpen());
}

TEST(LinkPorts, PortThatRefusesTheUserIsNamedOnceWithTheWayOut) {
    struct Case {
        const char* what;
        std::int16_t previous, fixed;
        std::set<int> denied, busy;
        int controller; // 0: none
        bool hint;
    };
    const Case cases[] = {
        {"previous port refused, then met again by every scan", 2, 0, {2, 6}, {}, 4, true},
        {"fixed port refused on every scan tick", 0, 7, {7}, {}, 0, true},
        {"a busy port is no permission problem", 5, 0, {}, {5}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LinkRig rig;
        if (c.controller) rig.controllerOn(c.controller);
        rig.port.denied = c.denied;
        rig.port.busy = c.busy;
        rig.port.present.insert(c.busy.begin(), c.busy.end());
        rig.settings.sys.FixedComPort = c.fixed;
        rig.engine.state().PreviousComPort = c.previous;
        rig.engine.startupLink();
        rig.advance(60000);

        std::vector<std::string> hints;
        for (const auto& b : rig.host.balloons)
            if (b.text.find("dialout") != std::string::npos) hints.push_back(b.text);
        ASSERT_EQ(hints.size(), c.hint ? 1u : 0u);
        ASSERT_EQ(rig.host.errors.size(), c.hint ? 1u : 0u);
        if (!c.hint) continue;
        const int first = c.fixed ? c.fixed : *c.denied.begin();
        EXPECT_NE(hints[0].find("COM" + std::to_string(first)), std::string::npos) << hints[0];
        EXPECT_EQ(rig.host.balloons.front().icon, BalloonIcon::Warning);
        EXPECT_EQ(rig.host.errors[0].number, 70);
        EXPECT_NE(rig.host.errors[0].description.find("Permission denied. You need access to the serial ports"),
                  std::string::npos)
            << rig.host.errors[0].description;
        // A refused port never stands in the way of one that works.
        EXPECT_EQ(rig.host.lastState(), c.controller ? "ON" : "OFF");
        EXPECT_EQ(rig.settings.sys.ComPort, c.controller);
    }
}

} // namespace
} // namespace vrx
