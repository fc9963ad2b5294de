// The name boxes and the shortcut keys as the program wires them: what the user types and presses
// in the main window, down to the settings and the saved file.
#include <QTest>
#include <cctype>
#include <QWindow>
#include <gtest/gtest.h>

#include "diag/messages.h"
#include "frm_main.h"
#include "outputs_wiring.h"
#include "program_rig.h"
#include "settings/system_file.h"

namespace vrx::gui {
namespace {

class MainKeysWiring : public ::testing::Test, protected test::ProgramRig {
protected:
    BalloonTip balloons{tray};
    OutputsWiring wiring{program, balloons, window};

    void SetUp() override {
        program.Main(); // the small board: five channels, one pump and flow meter, three fans
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWindow* handle() { return window.windowHandle(); }
    Settings stored() {
        Settings s;
        EXPECT_TRUE(gLoadBIN(program.paths().SysFilePath, s).ok());
        return s;
    }
    void type(const std::string& text) {
        for (char c : text) {
            const bool upper = std::isupper(static_cast<unsigned char>(c)) != 0;
            QTest::keyClick(handle(), c, upper ? Qt::ShiftModifier : Qt::NoModifier);
        }
    }
};

TEST_F(MainKeysWiring, TypedNamesAreStoredAndSavedWhenEnterMovesOn) {
    window.focusNameBox(4);
    window.nameBox(4)->clear();
    type(" CPU in ");
    QTest::keyClick(handle(), Qt::Key_Return);
    EXPECT_EQ(window.focusWidget(), window.nameBox(10)); // the first flow meter follows channel 5
    EXPECT_EQ(program.settings().temp.TempName[4], "CPU in");
    EXPECT_EQ(stored().temp.TempName[4], "CPU in");
    EXPECT_EQ(window.nameBox(4)->text(), "CPU in");

    // A fan name keeps its blanks and stops at the longest name its box takes.
    window.focusNameBox(16);
    window.nameBox(16)->clear();
    type(" Exhaust fan");
    QTest::keyClick(handle(), Qt::Key_Return);
    EXPECT_EQ(window.focusWidget(), window.commandButton(kOptionsButton)); // past the last box
    EXPECT_EQ(stored().fan.FanName[2], " Exhaus");

    // Up walks back; from the first box it goes to the last command button there is.
    window.focusNameBox(10);
    QTest::keyClick(handle(), Qt::Key_Up);
    EXPECT_EQ(window.focusWidget(), window.nameBox(4));
    window.focusNameBox(0);
    QTest::keyClick(handle(), Qt::Key_Up);
    EXPECT_EQ(window.focusWidget(), window.commandButton(kLogViewerButton));
    window.focusNameBox(0);
    QTest::keyClick(handle(), Qt::Key_Down);
    EXPECT_EQ(window.focusWidget(), window.nameBox(1));
    EXPECT_TRUE(dialogs.standard.empty());
}

TEST_F(MainKeysWiring, ShortcutKeysReachTheirCommands) {
    QTest::keyClick(handle(), Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(window.fanBar(0)->displayStyle(), 2);
    EXPECT_EQ(stored().sys.FanBarStyle, kTrue);
    QTest::keyClick(handle(), Qt::Key_V, Qt::ShiftModifier);
    EXPECT_EQ(window.fanBar(0)->displayStyle(), 4);
    EXPECT_EQ(stored().sys.FanBarStyle, 0);

    QTest::keyClick(handle(), Qt::Key_P, Qt::ShiftModifier);
    EXPECT_EQ(window.graphLabel(0)->text(), "Pump (RPM)");
    EXPECT_EQ(stored().sys.CycleMode, 3);

    QTest::keyClick(handle(), Qt::Key_X, Qt::ControlModifier); // answered No
    ASSERT_EQ(dialogs.standard.size(), 1u);
    EXPECT_NE(dialogs.standard[0].text.find(MessageText(7)), std::string::npos);
    EXPECT_FALSE(program.ended());

    // A name typed just before the window is hidden is kept.
    window.focusNameBox(1);
    window.nameBox(1)->clear();
    type("GPU");
    QTest::keyClick(handle(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stored().temp.TempName[1], "GPU");
}

} // namespace
} // namespace vrx::gui
