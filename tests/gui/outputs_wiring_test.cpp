// The fan and pump commands as the program wires them: a menu item, the curve editor and the
// power-adjust dialog, each down to the control frame and the saved file.
#include "outputs_wiring.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "program_rig.h"
#include "auto_curve_plot.h"
#include "frm_adjust.h"
#include "frm_auto.h"
#include "frm_main.h"
#include "link/control_frame.h"
#include "output_menu.h"
#include "settings/system_file.h"

namespace vrx::gui {
namespace {

class OutputsWiringTest : public ::testing::Test, protected test::ProgramRig {
protected:
    BalloonTip balloons{tray};
    OutputsWiring wiring{program, balloons, window};

    void SetUp() override { program.Main(); }

    Settings stored() {
        Settings s;
        EXPECT_TRUE(gLoadBIN(program.paths().SysFilePath, s).ok());
        return s;
    }
    int fanByte(int f) { return program.state().ControlBytes[ct::FanPower + static_cast<std::size_t>(f - 1)]; }

    // Opens the fan menu as the user would and returns the action of item `item` in unit u's submenu.
    QAction* fanItem(int unit, int item) {
        window.popupOutputMenu(OutputKind::Fan);
        OutputPopupMenu* menu = window.outputMenu(OutputKind::Fan);
        for (QAction* a : menu->submenu(unit)->actions())
            if (a->property("index").toInt() == item && !a->isSeparator()) return a;
        return nullptr;
    }
    // Runs `act` on the modal dialog that the next call opens.
    template <class Dialog> void onNextDialog(std::function<void(Dialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            act(*d);
        });
    }
};

TEST_F(OutputsWiringTest, MenuChoiceReachesTheFrameAndTheFile) {
    QAction* level4 = fanItem(0, 6);
    ASSERT_NE(level4, nullptr);
    EXPECT_EQ(level4->text(), "Level 4 (40%)");
    level4->trigger();
    for (int f = 1; f <= 6; ++f) EXPECT_EQ(fanByte(f), 40) << f;
    EXPECT_EQ(stored().fan.FanLevel[0], 6);
    EXPECT_EQ(stored().fan.FanGroup, 1);
    window.outputMenu(OutputKind::Fan)->close();
    // The menu shows the new check when it opens again.
    EXPECT_TRUE(fanItem(2, 6)->isChecked());
    window.outputMenu(OutputKind::Fan)->close();
}

TEST_F(OutputsWiringTest, CurveEditorDragIsClampedAndSavePutsTheFanInAuto) {
    onNextDialog<FrmAuto>([](FrmAuto& d) {
        AutoCurvePlot* plot = d.plot();
        const QPoint from = plot->temperatureHandleCentre(1);
        QTest::mousePress(plot, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(plot, from - QPoint(400, 0));
        QTest::mouseRelease(plot, Qt::LeftButton, Qt::NoModifier, from - QPoint(400, 0));
        d.button(0)->click();
    });
    fanItem(3, kLevelAuto)->trigger();
    const Settings s = stored();
    EXPECT_EQ(s.fan.FanLevel[3], kLevelAuto);
    EXPECT_EQ(s.fan.FanGroup, 0);
    EXPECT_EQ(s.fan.FanAutoTempMid[3], 16) << "stops 1 4/9 C after T0 (15 C)";
    EXPECT_EQ(s.fan.FanAutoTempMid[2], 55);
}

TEST_F(OutputsWiringTest, AdjustSaveUpdatesCaptionsAndFixedLevelOutputs) {
    fanItem(0, 5)->trigger(); // all fans Level 3 (30 %)
    window.outputMenu(OutputKind::Fan)->close();
    onNextDialog<FrmAdjust>([](FrmAdjust& d) {
        d.slider(3)->setValue(35);
        d.button(1)->click();
    });
    fanItem(4, kLevelAdjust)->trigger();
    EXPECT_EQ(fanByte(4), 35) << "fan 4 at Level 3 gets its new power at once";
    EXPECT_EQ(fanByte(3), 30);
    EXPECT_EQ(stored().sys.FanLevelTable(4, 3), 35);
    EXPECT_EQ(fanItem(4, 5)->text(), "Level 3 (35%)");
    EXPECT_EQ(fanItem(0, 5)->text(), "Level 3 (30%)");
    window.outputMenu(OutputKind::Fan)->close();
}

TEST_F(OutputsWiringTest, PumpCharacteristicsOpensThePumpTest) {
    int opened = 0;
    wiring.openPumpTest = [&opened] { ++opened; };
    window.popupOutputMenu(OutputKind::Pump);
    for (QAction* a : window.outputMenu(OutputKind::Pump)->actions())
        if (a->text() == "Pump Characteristics") a->trigger();
    window.outputMenu(OutputKind::Pump)->close();
    EXPECT_EQ(opened, 1);
}

} // namespace
} // namespace vrx::gui
