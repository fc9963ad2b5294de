#include "frm_characteristics.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "fakes/fake_pump_test_host.h"
#include "pump_chart.h"

namespace vrx::gui {
namespace {

using test::FakePumpTestHost;

struct Rig {
    Settings settings;
    ControllerState state;
    SafetyState safety;
    bool running = false;
    FakePumpTestHost host;
    PumpTest test{settings, state, safety, running, host};
    std::unique_ptr<FrmCharacteristics> window;

    explicit Rig(int boardType) {
        SetDefaults(settings, "/tmp/vrx-test/");
        settings.sys.BoardType = static_cast<Int16>(boardType);
        state.ControlBytes[29] = 17;
        state.ControlBytes[30] = 20;
        window = std::make_unique<FrmCharacteristics>(nullptr, test, settings);
    }
    void tick() {
        state.StatusBytes[18] = static_cast<std::int16_t>(state.ControlBytes[29] + 60);
        state.StatusBytes[20] = state.ControlBytes[29];
        test.TimerTest();
        window->refresh();
    }
};

TEST(FrmCharacteristics, ShowsTheStoredResultAndOnlyThePairsTheControllerHas) {
    struct Case {
        int board;
        bool secondFrame;
    };
    for (const Case c : {Case{1, false}, Case{2, true}}) {
        Rig rig(c.board);
        rig.settings.test.PumpTestPumps = 0;
        rig.settings.test.PumpTestPumpText[0] = "2,700 RPM";
        rig.settings.test.PumpTestTubeText1 = "6mm";
        rig.window = std::make_unique<FrmCharacteristics>(nullptr, rig.test, rig.settings);
        FrmCharacteristics& w = *rig.window;
        w.show();
        EXPECT_EQ(w.windowTitle(), " Pump Characteristics");
        EXPECT_EQ(w.labPump(0)->text(), "2,700 RPM");
        EXPECT_EQ(w.labTub(0)->text(), "6mm");
        EXPECT_EQ(w.frame(1)->isVisible(), c.secondFrame);
        EXPECT_EQ(w.button(0)->text(), " Start");
        EXPECT_EQ(w.button(1)->text(), " Capture");
        EXPECT_EQ(w.button(2)->text(), " Close");
        EXPECT_TRUE(w.button(1)->isEnabled()) << "a stored result can be captured again";
        for (int i = 0; i < 3; ++i)
            EXPECT_FALSE(w.button(i)->accessibleName().isEmpty());
        for (int k = 0; k < 4; ++k)
            EXPECT_FALSE(w.swatch(k)->accessibleName().isEmpty());
        EXPECT_FALSE(w.chart()->grab().isNull());
    }
}

TEST(FrmCharacteristics, ButtonsFollowTheTestFromStartToEnd) {
    Rig rig(2);
    FrmCharacteristics& w = *rig.window;
    w.show();
    EXPECT_FALSE(w.button(1)->isEnabled()) << "nothing to capture yet";
    QTest::mouseClick(w.button(0), Qt::LeftButton);
    EXPECT_TRUE(rig.running);
    EXPECT_FALSE(w.button(0)->isEnabled());
    EXPECT_FALSE(w.button(1)->isEnabled());
    EXPECT_FALSE(w.swatch(0)->isEnabled());
    for (int i = 0; i < 101; ++i)
        rig.tick();
    EXPECT_FALSE(rig.running);
    EXPECT_TRUE(w.button(0)->isEnabled());
    EXPECT_TRUE(w.button(1)->isEnabled());
    EXPECT_TRUE(w.swatch(0)->isEnabled());
    EXPECT_EQ(w.progress()->value(), 100);
    EXPECT_EQ(w.labPump(0)->text(), "2,730 RPM");
    EXPECT_FALSE(w.chart()->grab().isNull());
    if (qEnvironmentVariableIsSet("VRX_SCREENSHOT_DIR"))
        w.grab().save(qEnvironmentVariable("VRX_SCREENSHOT_DIR") + "/pump_characteristics.png");
}

TEST(FrmCharacteristics, ClosingDuringTheTestHandsTheOutputsBack) {
    Rig rig(2);
    FrmCharacteristics& w = *rig.window;
    w.show();
    QTest::mouseClick(w.button(0), Qt::LeftButton);
    for (int i = 0; i < 40; ++i)
        rig.tick();
    ASSERT_NE(rig.state.ControlBytes[29], 17);
    QTest::mouseClick(w.button(2), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(rig.running);
    EXPECT_EQ(rig.state.ControlBytes[29], 17);
    EXPECT_EQ(rig.state.ControlBytes[30], 20);
    EXPECT_EQ(rig.settings.test.PumpTestPumps, 9) << "no result stored";
    EXPECT_EQ(rig.host.count("save"), 1);
}

} // namespace
} // namespace vrx::gui
