#include "safety/shutdown_check.h"

#include <functional>

#include "shutdown_fixture.h"

namespace vrx::test {
namespace {

using Step = std::function<void(ShutdownRig&)>;

TEST(ShutdownCheck, EachKindOfChannelTriggersWithItsLogLineAndDescription) {
    struct Case {
        const char* what;
        Step setup;
        int source;
        const char* logLine;
        const char* label2;
    };
    const Case cases[] = {
        {"temperature exactly at the limit", [](ShutdownRig& r) { r.temp(2, 58); }, 2,
         "Temp.(C), ch3, 58, 58", "Temperature sensor : Ch 3,   58 C"},
        {"temperature above", [](ShutdownRig& r) { r.temp(9, 61); }, 9, "Temp.(C), ch10, 61, 58",
         "Temperature sensor : Ch 10,   58 C"},
        {"stopped pump", [](ShutdownRig& r) { r.pump(0, "0"); }, 12, "Pump(RPM), ch1, 1500, 0",
         "Pump : Pump1,   1500 RPM"},
        {"pump speed equal to the limit", [](ShutdownRig& r) { r.pump(1, "1,500"); }, 13,
         "Pump(RPM), ch2, 1500, 1500", "Pump : Pump2,   1500 RPM"},
        {"flow at the limit", [](ShutdownRig& r) { r.flow(0, "0.5"); }, 10, "Flow rate(LPM), ch1, 0.5, 0.5",
         "Flowmeter rate : Flow1,   0.5 LPM"},
        {"flow in gallons per minute",
         [](ShutdownRig& r) {
             r.s.pump.FlowUnit = 2;
             r.s.pump.FlowShutdownLimit = {"0.1", "0.13"};
             r.flow(1, "0.5"); // 0.1321 GPM, read as 0.13
         },
         11, "Flow rate(LPM), ch2, 0.13, 0.13", "Flowmeter rate : Flow2,   0.13 GPM"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShutdownRig r;
        c.setup(r);
        r.check.TimerShutDown_Timer();
        EXPECT_EQ(r.logText(), ShutdownRig::line(c.logLine));
        EXPECT_EQ(r.safety.ShutdownSource, c.source);
        EXPECT_EQ(r.countdown().source(), c.source);
        EXPECT_EQ(r.countdown().Label2(), c.label2);
        EXPECT_EQ(r.countdown().LabDelay(), "60 sec");
        EXPECT_EQ(r.host.shows, 1);
        EXPECT_FALSE(r.host.lastTopmost);
        EXPECT_TRUE(r.countdown().running());
        EXPECT_TRUE(r.writeErrors.empty());
    }
}

// Each case holds a hardware power-off latch on the channel it spoils: a reading that is no
// reading must neither start a countdown nor clear that latch.
TEST(ShutdownCheck, NoReadingNoRuleOrNoChannelNeitherTriggersNorClears) {
    struct Case {
        const char* what;
        int index;
        Step setup;
    };
    const Case cases[] = {
        {"sensor open", 0, [](ShutdownRig& r) { r.code(0, 1); }},
        {"sensor shorted", 1, [](ShutdownRig& r) { r.code(1, 254); }},
        {"no frame yet", 2, [](ShutdownRig& r) { r.code(2, 0); }},
        {"code below the scale", 3, [](ShutdownRig& r) { r.code(3, -31); }},
        {"temperature rule off", 4,
         [](ShutdownRig& r) {
             r.s.temp.TempShutdownOn[4] = 0;
             r.temp(4, 90);
         }},
        {"temperature rule -1 is not on", 5,
         [](ShutdownRig& r) {
             r.s.temp.TempShutdownOn[5] = -1;
             r.temp(5, 90);
         }},
        {"pump with no reading yet", 12, [](ShutdownRig& r) { r.pump(0, ""); }},
        {"pump reading not a number", 13, [](ShutdownRig& r) { r.pump(1, "S-0"); }},
        {"flow with no reading", 10, [](ShutdownRig& r) { r.flow(0, ""); }},
        {"flow rule off", 11,
         [](ShutdownRig& r) {
             r.s.pump.FlowShutdownOn[1] = 0;
             r.flow(1, "0.0");
         }},
        {"channel beyond the controller's type", 7,
         [](ShutdownRig& r) {
             r.s.sys.BoardType = 1;
             r.temp(7, 90);
             r.pump(1, "0");
         }},
        {"pump test running", 0,
         [](ShutdownRig& r) {
             r.pumpTestRunning = true;
             r.temp(0, 90);
             r.temp(1, 20);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShutdownRig r;
        r.safety.ShutdownLatch[static_cast<std::size_t>(c.index)] = -1;
        r.state.ControlBytes[ct::PowerOff] = 1;
        c.setup(r);
        r.check.TimerShutDown_Timer();
        EXPECT_EQ(r.logText(), "");
        EXPECT_EQ(r.host.shows, 0);
        EXPECT_EQ(r.safety.ShutdownLatch[static_cast<std::size_t>(c.index)], -1);
        EXPECT_EQ(r.byte37(), 1);
    }
}

TEST(ShutdownCheck, AChannelBackInsideClearsItsLatchAndTheLastLatchWithdrawsTheRequest) {
    ShutdownRig r;
    r.safety.ShutdownLatch[3] = -1;
    r.safety.ShutdownLatch[12] = -1;
    r.state.ControlBytes[ct::PowerOff] = 1;
    r.pump(0, "0"); // still stopped: latched, so neither logged nor counted down
    r.check.TimerShutDown_Timer();
    EXPECT_EQ(r.safety.ShutdownLatch[3], 0);
    EXPECT_EQ(r.safety.ShutdownLatch[12], -1);
    EXPECT_EQ(r.safety.ShutdownSource, 12);
    EXPECT_EQ(r.byte37(), 1);
    EXPECT_EQ(r.logText(), "");
    EXPECT_EQ(r.host.shows, 0);

    r.pump(0, "2,400");
    r.check.TimerShutDown_Timer();
    EXPECT_EQ(r.safety.ShutdownLatch[12], 0);
    EXPECT_EQ(r.byte37(), 2);
}

TEST(ShutdownCheck, ABadLimitTextSwitchesOffOnlyItsOwnRuleAndIsReportedOnceWhileBad) {
    ShutdownRig r;
    r.s.pump.PumpShutdownLimit[0] = "15OO";
    r.pump(0, "0");
    r.check.TimerShutDown_Timer();
    r.check.TimerShutDown_Timer();
    EXPECT_EQ(r.host.shows, 0);
    const std::string text = "The shutdown limit of pump 1 is not a number: \"15OO\". Its shutdown rule is "
                             "off until the limit is corrected.";
    EXPECT_EQ(r.host.errors, std::vector<std::string>{"FrmMain.TimerShutDown_Timer: " + text});
    EXPECT_EQ(r.host.balloons, std::vector<std::string>{"w:" + text});

    // The flow meter after it still works.
    r.flow(0, "0.2");
    r.check.TimerShutDown_Timer();
    EXPECT_EQ(r.countdown().source(), 10);
    EXPECT_EQ(r.host.balloons.size(), 1u);

    // Once corrected and spoiled again, it is reported again.
    r.countdown().escape();
    r.flow(0, "1.6");
    r.s.pump.PumpShutdownLimit[0] = "1500";
    r.pump(0, "2,400");
    r.check.TimerShutDown_Timer();
    r.s.pump.PumpShutdownLimit[0] = "";
    r.check.TimerShutDown_Timer();
    EXPECT_EQ(r.host.balloons.size(), 2u);
}

TEST(ShutdownCheck, WhileACountdownRunsOtherTriggersLeaveItsSourceAndLogNothing) {
    ShutdownRig r;
    r.temp(0, 70);
    r.temp(1, 70);
    r.check.TimerShutDown_Timer(); // ends at the first channel that opens the window
    EXPECT_EQ(r.logText(), ShutdownRig::line("Temp.(C), ch1, 70, 58"));

    r.pump(1, "0");
    for (int k = 0; k < 5; ++k) {
        r.check.TimerShutDown_Timer();
        r.countdown().Timer1_Timer();
    }
    EXPECT_EQ(r.host.shows, 1);
    EXPECT_EQ(r.safety.ShutdownSource, 0);
    EXPECT_EQ(r.countdown().source(), 0);
    EXPECT_EQ(r.countdown().LabDelay(), "55 sec");
    EXPECT_EQ(r.logText(), ShutdownRig::line("Temp.(C), ch1, 70, 58"));

    r.countdown().cancelClick();
    EXPECT_EQ(r.s.temp.TempShutdownOn[0], 0);
    EXPECT_EQ(r.s.temp.TempShutdownOn[1], 1);
    EXPECT_EQ(r.s.pump.PumpShutdownOn[1], 1);
}

TEST(ShutdownCheck, TopmostWhenAlwaysOnTop) {
    ShutdownRig r;
    r.s.sys.AlwaysOnTop = -1;
    r.temp(4, 99);
    r.check.TimerShutDown_Timer();
    EXPECT_TRUE(r.host.lastTopmost);
}

TEST(ShutdownCheck, LinkLossEndsTheCountdownAndWithdrawsEveryPowerOffRequest) {
    ShutdownRig r;
    r.safety.ShutdownLatch[12] = -1;
    r.state.ControlBytes[ct::PowerOff] = 1;
    r.temp(6, 80);
    r.check.TimerShutDown_Timer();
    ASSERT_TRUE(r.countdown().running());

    r.check.linkLost();
    EXPECT_FALSE(r.countdown().running());
    EXPECT_FALSE(r.host.visible);
    EXPECT_EQ(r.byte37(), 2);
    for (const auto latch : r.safety.ShutdownLatch)
        EXPECT_EQ(latch, 0);
    r.ticks(100);
    EXPECT_EQ(r.byte37(), 2);
    EXPECT_EQ(r.power.calls, 0);
    EXPECT_EQ(r.logText(), ShutdownRig::line("Temp.(C), ch7, 80, 58"));
}

} // namespace
} // namespace vrx::test
