#include "viewer_wiring.h"

#include <QApplication>
#include <QPushButton>
#include <gtest/gtest.h>

#include "frm_xplayer.h"
#include "program_rig.h"
#include "twips.h"

namespace vrx::gui {
namespace {

class ViewerWiringTest : public ::testing::Test, protected test::ProgramRig {
protected:
    ViewerWiring wiring{program, window, dialogs, dir.dir()};
    void SetUp() override { program.Main(); }
};

TEST_F(ViewerWiringTest, OneModelessViewerThatRemembersWhereItWasClosed) {
    wiring.openLogViewer();
    FrmxPlayer* first = wiring.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    wiring.openLogViewer();
    EXPECT_EQ(wiring.window(), first); // raised, not opened twice

    first->move(120, 80);
    first->button(4)->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(wiring.window(), nullptr);
    const int tpp = screenTwipsPerPixel();
    EXPECT_EQ(program.settings().sys.WindowPos[2], 120 * tpp);
    EXPECT_EQ(program.settings().sys.WindowPos[3], 80 * tpp);

    wiring.openLogViewer();
    ASSERT_NE(wiring.window(), nullptr);
    EXPECT_FALSE(wiring.window()->viewer().FileLoaded()); // a new window starts empty
    EXPECT_EQ(wiring.window()->pos(), QPoint(120, 80));
}

} // namespace
} // namespace vrx::gui
