#include "safety/countdown.h"

#include <functional>

#include "shutdown_fixture.h"

namespace vrx::test {
namespace {

using Step = std::function<void(ShutdownRig&)>;

// Starts a countdown for temperature channel 3 (index 2) at 70 C with the given delay and action.
void startTemp3(ShutdownRig& r, Int16 delay, Int16 action) {
    r.s.sys.ShutdownDelay = delay;
    r.s.sys.ShutdownAction = action;
    r.temp(2, 70);
    r.check.TimerShutDown_Timer();
    ASSERT_TRUE(r.countdown().running());
}

TEST(Countdown, TheActionComesOneTickAfterTheLabelReachesZero) {
    struct Case {
        Int16 delay;
        int shownAtLoad; // also the ticks that pass without action
    };
    // A delay outside 1..60 is read as the full minute; it never acts at once.
    const Case cases[] = {{60, 60}, {5, 5}, {1, 1}, {0, 60}, {-3, 60}, {61, 60}, {3600, 60}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delay);
        ShutdownRig r;
        startTemp3(r, c.delay, 0);
        EXPECT_EQ(r.countdown().LabDelay(), std::to_string(c.shownAtLoad) + " sec");
        r.ticks(c.shownAtLoad);
        EXPECT_EQ(r.countdown().LabDelay(), "0 sec");
        EXPECT_EQ(r.host.updates, c.shownAtLoad);
        EXPECT_EQ(r.byte37(), 2);
        EXPECT_TRUE(r.host.visible);
        r.ticks(1);
        EXPECT_EQ(r.byte37(), 1);
        EXPECT_FALSE(r.countdown().running());
        EXPECT_FALSE(r.host.visible);
    }
}

TEST(Countdown, TheSourceBackInsideClosesTheWindowSilently) {
    struct Case {
        const char* what;
        Step pass, recover;
    };
    const Case cases[] = {
        {"temperature", [](ShutdownRig& r) { r.temp(4, 60); }, [](ShutdownRig& r) { r.temp(4, 57); }},
        {"pump", [](ShutdownRig& r) { r.pump(1, "900"); }, [](ShutdownRig& r) { r.pump(1, "1,530"); }},
        {"flow", [](ShutdownRig& r) { r.flow(0, "0.3"); }, [](ShutdownRig& r) { r.flow(0, "0.6"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShutdownRig r;
        c.pass(r);
        r.check.TimerShutDown_Timer();
        r.state.ControlBytes[ct::PowerOff] = 7; // whatever it is, recovery leaves it
        const std::string logged = r.logText();
        r.ticks(3);
        c.recover(r);
        r.ticks(1);
        EXPECT_FALSE(r.countdown().running());
        EXPECT_FALSE(r.host.visible);
        EXPECT_EQ(r.logText(), logged);
        EXPECT_EQ(r.byte37(), 7);
        r.ticks(100);
        EXPECT_EQ(r.byte37(), 7);
        EXPECT_EQ(r.power.calls, 0);
    }
}

TEST(Countdown, AReadingLostDuringTheCountdownDoesNotEndIt) {
    const Step losses[] = {[](ShutdownRig& r) { r.code(2, 1); }, [](ShutdownRig& r) { r.code(2, 0); }};
    for (const auto& lose : losses) {
        ShutdownRig r;
        startTemp3(r, 3, 0);
        lose(r);
        r.ticks(3);
        EXPECT_TRUE(r.countdown().running());
        r.ticks(1);
        EXPECT_EQ(r.byte37(), 1);
    }
    ShutdownRig r;
    r.pump(0, "0");
    r.check.TimerShutDown_Timer();
    r.pump(0, "");
    r.ticks(5);
    EXPECT_TRUE(r.countdown().running());
}

TEST(Countdown, CancelSwitchesTheSourceRuleOffAndSaves) {
    struct Case {
        Step pass;
        std::function<Int16(const Settings&)> rule;
    };
    const Case cases[] = {
        {[](ShutdownRig& r) { r.temp(8, 99); }, [](const Settings& s) { return s.temp.TempShutdownOn[8]; }},
        {[](ShutdownRig& r) { r.flow(1, "0.0"); },
         [](const Settings& s) { return s.pump.FlowShutdownOn[1]; }},
        {[](ShutdownRig& r) { r.pump(0, "0"); }, [](const Settings& s) { return s.pump.PumpShutdownOn[0]; }},
    };
    for (const auto& c : cases) {
        ShutdownRig r;
        c.pass(r);
        r.check.TimerShutDown_Timer();
        const std::string logged = r.logText();
        r.countdown().cancelClick();
        EXPECT_EQ(c.rule(r.s), 0);
        EXPECT_EQ(r.host.saves, 1);
        EXPECT_EQ(r.byte37(), 2);
        EXPECT_FALSE(r.host.visible);
        EXPECT_EQ(r.logText(), logged);
        // Off for good: the next checks leave the channel alone.
        r.check.TimerShutDown_Timer();
        r.ticks(100);
        EXPECT_EQ(r.host.shows, 1);
        EXPECT_EQ(r.power.calls, 0);
    }
}

TEST(Countdown, CancelKeepsAnotherChannelsHardwarePowerOffRequest) {
    ShutdownRig r;
    r.safety.ShutdownLatch[13] = -1;
    r.state.ControlBytes[ct::PowerOff] = 1;
    r.pump(1, "0");
    startTemp3(r, 60, 0);
    r.countdown().cancelClick();
    EXPECT_EQ(r.byte37(), 1);
    EXPECT_EQ(r.safety.ShutdownLatch[13], -1);
}

TEST(Countdown, EscapeOnlyClosesAndTheNextCheckStartsAgainFromTheFullDelay) {
    ShutdownRig r;
    startTemp3(r, 10, 0);
    r.ticks(4);
    r.countdown().escape();
    EXPECT_FALSE(r.host.visible);
    EXPECT_EQ(r.s.temp.TempShutdownOn[2], 1);
    EXPECT_EQ(r.host.saves, 0);
    r.ticks(20);
    EXPECT_EQ(r.byte37(), 2);

    r.check.TimerShutDown_Timer();
    EXPECT_EQ(r.host.shows, 2);
    EXPECT_EQ(r.countdown().LabDelay(), "10 sec");
    EXPECT_EQ(r.logText(),
              ShutdownRig::line("Temp.(C), ch3, 70, 58") + ShutdownRig::line("Temp.(C), ch3, 70, 58"));
}

TEST(Countdown, HardwarePowerOffStaysRequestedUntilTheSourceRecovers) {
    ShutdownRig r;
    r.s.sys.ShutdownAction = 0;
    r.pump(0, "0");
    r.check.TimerShutDown_Timer();
    r.countdown().okClick();
    EXPECT_EQ(r.logText(), ShutdownRig::line("Pump(RPM), ch1, 1500, 0") +
                               ShutdownRig::line("Pump(RPM), ch1, 1500, Hardware Power Off"));
    EXPECT_EQ(r.byte37(), 1);
    EXPECT_EQ(r.safety.ShutdownLatch[12], -1);
    EXPECT_FALSE(r.host.visible);
    EXPECT_EQ(r.power.calls, 0);
    EXPECT_EQ(r.host.exits, 0);

    // The other channels are inside and call the clear every second: the request stands.
    for (int k = 0; k < 3; ++k)
        r.check.TimerShutDown_Timer();
    EXPECT_EQ(r.byte37(), 1);
    EXPECT_EQ(r.host.shows, 1);

    r.pump(0, "2,400");
    r.check.TimerShutDown_Timer();
    EXPECT_EQ(r.byte37(), 2);
    EXPECT_EQ(r.safety.ShutdownLatch[12], 0);
}

TEST(Countdown, AnotherChannelPassingWhileHardwareIsRequestedGetsAVisibleCountdown) {
    ShutdownRig r;
    r.s.sys.ShutdownAction = 0;
    r.safety.ShutdownLatch[12] = -1;
    r.state.ControlBytes[ct::PowerOff] = 1;
    r.pump(0, "0");
    r.temp(5, 80);
    r.check.TimerShutDown_Timer();
    EXPECT_TRUE(r.countdown().running());
    EXPECT_TRUE(r.host.visible);
    EXPECT_EQ(r.countdown().source(), 5);
}

TEST(Countdown, PowerOffLinesOfEachKindCarryTheLimitAsStored) {
    struct Case {
        Step pass;
        const char* powerLine;
    };
    const Case cases[] = {
        {[](ShutdownRig& r) { r.temp(0, 60); }, "Temp.(C), ch1, 58, Software Power Off"},
        {[](ShutdownRig& r) {
             r.s.pump.FlowShutdownLimit[1] = "0.50";
             r.flow(1, "0.2");
         },
         "Flow rate(LPM), ch2, 0.50, Software Power Off"},
        {[](ShutdownRig& r) {
             r.s.pump.PumpShutdownLimit[1] = "1,200";
             r.pump(1, "0");
         },
         "Pump(RPM), ch2, 1,200, Software Power Off"},
    };
    for (const auto& c : cases) {
        ShutdownRig r;
        c.pass(r);
        r.check.TimerShutDown_Timer();
        const std::string logged = r.logText();
        r.ticks(61);
        EXPECT_EQ(r.logText(), logged + ShutdownRig::line(c.powerLine));
    }
}

TEST(Countdown, AcceptedSoftwarePowerOffEndsTheProgramInOrder) {
    ShutdownRig r;
    r.safety.ShutdownLatch[11] = -1;
    startTemp3(r, 2, 1);
    r.ticks(3);
    EXPECT_EQ(r.logText(), ShutdownRig::line("Temp.(C), ch3, 70, 58") +
                               ShutdownRig::line("Temp.(C), ch3, 58, Software Power Off"));
    EXPECT_EQ(r.power.calls, 1);
    EXPECT_EQ(r.host.exits, 1);
    EXPECT_TRUE(r.countdown().exited());
    EXPECT_EQ(r.safety.ShutdownLatch[11], 0);
    // Ending: no further check or countdown does anything.
    r.check.TimerShutDown_Timer();
    r.ticks(100);
    r.countdown().mPowerOff();
    EXPECT_EQ(r.power.calls, 1);
    EXPECT_EQ(r.host.shows, 1);
}

TEST(Countdown, RefusedSoftwarePowerOffIsReportedAndTheProgramKeepsWatching) {
    ShutdownRig r;
    r.power.accept = false;
    r.power.refusal = "Access denied";
    startTemp3(r, 5, 1);
    r.countdown().okClick();
    EXPECT_EQ(r.power.calls, 1);
    EXPECT_EQ(r.host.exits, 0);
    EXPECT_FALSE(r.countdown().exited());
    EXPECT_FALSE(r.host.visible);
    EXPECT_EQ(r.host.errors,
              std::vector<std::string>{"clsEndWin.ExitWindows: power-off refused: Access denied"});
    EXPECT_EQ(r.host.messages,
              std::vector<std::string>{"ZADa2.1|The computer could not be powered off: Access "
                                       "denied\nThe program keeps monitoring the controller."});
    EXPECT_EQ(r.host.balloons, std::vector<std::string>{"w:Power off failed: Access denied"});

    // Still hot: the next check starts a new countdown.
    r.check.TimerShutDown_Timer();
    EXPECT_TRUE(r.countdown().running());
    EXPECT_EQ(r.host.shows, 2);
    EXPECT_EQ(r.countdown().LabDelay(), "5 sec");
}

TEST(Countdown, ButtonsOfAClosedWindowDoNothing) {
    ShutdownRig r;
    r.countdown().okClick();
    r.countdown().cancelClick();
    r.countdown().escape();
    r.ticks(100);
    EXPECT_EQ(r.power.calls, 0);
    EXPECT_EQ(r.host.saves, 0);
    EXPECT_EQ(r.host.closes, 0);
    EXPECT_EQ(r.logText(), "");
}

} // namespace
} // namespace vrx::test
