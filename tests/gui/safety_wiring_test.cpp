// The safety commands as the program wires them: the buttons open the settings dialogs, F5
// switches to silent mode, and an alarm reaches the window and holds the outputs up.
#include "safety_wiring.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include "program_rig.h"
#include "frm_alarm.h"
#include "frm_down.h"
#include "frm_main.h"
#include "link/control_frame.h"
#include "link/status_frame.h"

namespace vrx::gui {
namespace {

class SafetyWiringTest : public ::testing::Test, protected test::ProgramRig {
protected:
    BalloonTip balloons{tray};
    OutputsWiring outputs{program, balloons, window};
    SafetyWiring safety{program, balloons, window, dialogs, clock, /*dryRun=*/true};

    void SetUp() override {
        safety.attachTo(outputs);
        program.Main();
    }
    // Closes the modal dialog that the next call opens, reporting its type.
    template <class Dialog> void expectDialogThenEscape(bool& seen) {
        QTimer::singleShot(0, [&seen] {
            QWidget* w = QApplication::activeModalWidget();
            seen = qobject_cast<Dialog*>(w) != nullptr;
            if (w) QTest::keyClick(w, Qt::Key_Escape);
        });
    }
};

TEST_F(SafetyWiringTest, ButtonsOpenTheSettingsDialogs) {
    bool alarm = false, shutdown = false;
    expectDialogThenEscape<FrmAlarm>(alarm);
    window.commandButton(kAlarmButton)->click();
    expectDialogThenEscape<FrmDown>(shutdown);
    window.commandButton(kShutdownButton)->click();
    EXPECT_TRUE(alarm);
    EXPECT_TRUE(shutdown);
}

TEST_F(SafetyWiringTest, AnOverheatedChannelForcesTheOutputsAndLocksTheMenus) {
    Settings& s = program.settings();
    s.temp.TempAlarmOn[0] = 1;
    s.fan.FanGroup = 1;
    s.fan.FanLevel.fill(5); // Level 3: 30 %
    program.state().ControlBytes[ct::FanPower] = 30;
    for (std::size_t c = 0; c < 10; ++c) program.state().StatusBytes[st::Temp + c] = 92;
    program.state().StatusBytes[st::Temp] = static_cast<std::int16_t>(program.state().ControlBytes[ct::TempAlarm]);
    program.TimerView_Timer();
    EXPECT_TRUE(safety.state().anyAlarm());
    EXPECT_EQ(program.state().ControlBytes[ct::FanPower], 100);
    EXPECT_EQ(program.state().ControlBytes[ct::PumpPower], 31);
    EXPECT_FALSE(window.commandButton(kFanMenuButton)->isEnabled());

    // F1 during the alarm lowers nothing.
    QTest::keyClick(window.windowHandle(), Qt::Key_F1);
    EXPECT_EQ(program.state().ControlBytes[ct::FanPower], 100);

    program.state().StatusBytes[st::Temp] = 92;
    program.TimerView_Timer();
    EXPECT_TRUE(window.commandButton(kFanMenuButton)->isEnabled());
    EXPECT_EQ(program.state().ControlBytes[ct::FanPower], 10) << "the fans return to the level F1 chose";
}

} // namespace
} // namespace vrx::gui
