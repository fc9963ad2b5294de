#include "frm_delay.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "core/shutdown_fixture.h"

namespace vrx::gui {
namespace {

using test::ShutdownRig;

// The countdown window wired to the model the way the program wires it, over a main window.
struct Wired {
    ShutdownRig rig;
    QWidget main;
    FrmDelay window{&main, rig.countdown()};
    Wired() {
        rig.host.onShow = [this](bool topmost) { window.present(topmost); };
        rig.host.onUpdate = [this] { window.refresh(); };
        rig.host.onClose = [this] { window.closeWindow(); };
        rig.s.sys.ShutdownAction = 0; // hardware: nothing leaves the process
        main.show();
    }
    void passPump2() {
        rig.pump(1, "0");
        rig.check.TimerShutDown_Timer();
    }
};

TEST(FrmDelay, ShowsTheModelsTextsWithoutBlocking) {
    Wired w;
    w.rig.s.sys.AlwaysOnTop = -1;
    w.passPump2(); // returns: the window does not run its own loop
    FrmDelay& d = w.window;
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), " PC Shutdown Activated");
    EXPECT_EQ(d.windowModality(), Qt::WindowModal);
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(d.label1()->text(), "PC Shutdown countdown : ");
    EXPECT_EQ(d.labDelay()->text(), "60 sec");
    EXPECT_EQ(d.label2()->text(), "Pump : Pump2,   1500 RPM");
    EXPECT_EQ(d.label3(0)->text(), "WARNING: Your computer is pending shutdown.");
    EXPECT_EQ(d.label3(1)->text(), "Unsaved files and documents may be lost!");
    EXPECT_EQ(d.button(0)->text(), " OK");
    EXPECT_EQ(d.button(1)->text(), " Cancel");
    EXPECT_EQ(d.button(0)->accessibleName(), "OK");
    EXPECT_EQ(d.button(1)->accessibleName(), "Cancel");
    EXPECT_LT(d.button(0)->x(), d.button(1)->x());

    w.rig.ticks(3);
    EXPECT_EQ(d.labDelay()->text(), "57 sec");
    w.rig.pump(1, "2,400"); // back inside: the model closes the window
    w.rig.ticks(1);
    EXPECT_FALSE(d.isVisible());
}

TEST(FrmDelay, NotTopmostUnlessAsked) {
    Wired w;
    w.passPump2();
    EXPECT_FALSE(w.window.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(FrmDelay, ButtonsAndKeysReachTheModel) {
    struct Case {
        const char* what;
        std::function<void(FrmDelay&)> act;
        int byte37;   // 1 after the hardware power-off
        Int16 ruleOn; // the pump's rule afterwards
        int saves;
    };
    const Case cases[] = {
        {"OK", [](FrmDelay& d) { d.button(0)->click(); }, 1, 1, 0},
        {"Cancel", [](FrmDelay& d) { d.button(1)->click(); }, 2, 0, 1},
        {"Escape", [](FrmDelay& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 2, 1, 0},
        {"close box", [](FrmDelay& d) { d.close(); }, 2, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Wired w;
        w.passPump2();
        ASSERT_TRUE(w.window.isVisible());
        c.act(w.window);
        EXPECT_FALSE(w.window.isVisible());
        EXPECT_FALSE(w.rig.countdown().running());
        EXPECT_EQ(w.rig.byte37(), c.byte37);
        EXPECT_EQ(w.rig.s.pump.PumpShutdownOn[1], c.ruleOn);
        EXPECT_EQ(w.rig.host.saves, c.saves);
        EXPECT_EQ(w.rig.power.calls, 0);
    }
}

TEST(FrmDelay, LeftAndRightMoveBetweenTheButtons) {
    Wired w;
    w.passPump2();
    FrmDelay& d = w.window;
    QTest::keyClick(d.button(0), Qt::Key_Right);
    EXPECT_EQ(d.focusWidget(), d.button(1));
    QTest::keyClick(d.button(1), Qt::Key_Left);
    EXPECT_EQ(d.focusWidget(), d.button(0));
}

} // namespace
} // namespace vrx::gui
