// The pump test as the program wires it: its timer runs exactly while the test runs, and Capture
// writes the chart the window shows as a BMP file.
#include "pumptest_wiring.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "frm_characteristics.h"
#include "program_rig.h"

namespace vrx::gui {
namespace {

class PumpTestWiringTest : public ::testing::Test, protected test::ProgramRig {
protected:
    SafetyState safety;
    bool linked = true;
    PumpTestWiring wiring{program, window, dialogs, safety, [this] { return linked; }, dir.dir()};

    void SetUp() override { program.Main(); }

    // Runs `inside` once the test's modal window is open, then closes it.
    void withWindowOpen(const std::function<void(FrmCharacteristics&)>& inside) {
        QTimer::singleShot(0, [this, inside] {
            FrmCharacteristics* w = wiring.window();
            ASSERT_NE(w, nullptr);
            inside(*w);
            w->button(2)->click();
        });
        wiring.openPumpTest();
    }
};

TEST_F(PumpTestWiringTest, TheTimerRunsExactlyWhileTheTestRuns) {
    withWindowOpen([this](FrmCharacteristics& w) {
        EXPECT_FALSE(wiring.timerTest().isActive());
        w.button(0)->click(); // the fake box answers OK
        EXPECT_TRUE(wiring.test().running());
        EXPECT_TRUE(wiring.timerTest().isActive());
        EXPECT_EQ(wiring.timerTest().interval(), 2000);
        linked = false;
        wiring.test().TimerTest();
        EXPECT_FALSE(wiring.test().running());
        EXPECT_FALSE(wiring.timerTest().isActive());
    });
    EXPECT_FALSE(program.PumpTestRunning);
}

TEST_F(PumpTestWiringTest, CaptureWritesTheChartAsABmpUnderTheConfirmedName) {
    program.settings().test.PumpTestPumps = 0; // a stored result makes Capture available
    const std::string path = dir.dir() + "/chart.bmp";
    dialogs.nextSaveFiles = {path};
    withWindowOpen([](FrmCharacteristics& w) {
        ASSERT_TRUE(w.button(1)->isEnabled());
        w.button(1)->click();
    });
    QImage written;
    ASSERT_TRUE(written.load(QString::fromStdString(path), "BMP"));
    EXPECT_EQ(written.size(), QSize(450, 433));
    ASSERT_FALSE(dialogs.standard.empty());
    EXPECT_EQ(dialogs.standard.back().text, "You have successfully completed the capture!     ");
}

} // namespace
} // namespace vrx::gui
