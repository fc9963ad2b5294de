#include "frm_main.h"

#include <gtest/gtest.h>

namespace vrx::gui {
namespace {

TEST(FrmMain, LayoutShowsTheRowsOfTheControllerType) {
    for (int tpp : {15, 12}) {
        FrmMain w;
        w.applyLayout(computeFormLayout(1, tpp));
        EXPECT_EQ(w.width(), twipsToPixels(8790, tpp));
        EXPECT_EQ(w.height(), twipsToPixels(4822, tpp));
        EXPECT_FALSE(w.nameBox(4)->isHidden());
        EXPECT_TRUE(w.nameBox(5)->isHidden());
        EXPECT_TRUE(w.nameBox(17)->isHidden()); // fan 4
        EXPECT_TRUE(w.nameBox(13)->isHidden()); // pump 2
        EXPECT_EQ(w.nameBox(1)->y() - w.nameBox(0)->y(), twipsToPixels(1600 + 600, tpp) - twipsToPixels(1600, tpp));

        w.applyLayout(computeFormLayout(2, tpp));
        EXPECT_EQ(w.height(), twipsToPixels(5570, tpp));
        for (int i : {5, 9, 12, 13, 17, 19}) EXPECT_FALSE(w.nameBox(i)->isHidden()) << i;
        EXPECT_FALSE(w.mask().isEmpty());
        EXPECT_FALSE(w.mask().contains(QPoint(0, 0))); // the corners are cut
    }
}

TEST(FrmMain, ClosingFromTheDesktopAsksLikeTheExitButton) {
    FrmMain w;
    int asked = 0;
    EXPECT_TRUE(w.closeRequested(true)) << "nobody to ask yet: the window may close";
    w.onExitRequested = [&asked] { ++asked; };
    EXPECT_FALSE(w.closeRequested(true)); // Alt+F4: the question, and the window stays
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(w.closeRequested(false)); // the program's own closing
    EXPECT_EQ(asked, 1);
}

TEST(FrmMain, TimersStartDisabledAndFollowTheCore) {
    FrmMain w;
    int ticks = 0;
    w.setTimerHandler(MainTimer::Com, [&] { ++ticks; });
    for (MainTimer t : {MainTimer::Scan, MainTimer::Com, MainTimer::View, MainTimer::ShutDown, MainTimer::Graph,
                        MainTimer::Log})
        EXPECT_FALSE(w.timerEnabled(t));
    w.setTimerEnabled(MainTimer::Com, true);
    EXPECT_TRUE(w.timerEnabled(MainTimer::Com));
    w.setTimerEnabled(MainTimer::Com, false);
    EXPECT_FALSE(w.timerEnabled(MainTimer::Com));
}

TEST(FrmMain, NameBoxesAndLabelsShowWhatTheyAreGiven) {
    FrmMain w;
    w.setNameBox(3, "Caf\xC3\xA9 loop");
    w.setVersionLabel("VRX v.2.1.30 f14.");
    w.setLinkStatus("COM 3");
    EXPECT_EQ(w.nameBox(3)->text(), QString::fromUtf8("Caf\xC3\xA9 loo")); // a channel name holds 8 characters
    w.setNameBox(12, "Flow meter 2");
    EXPECT_EQ(w.nameBox(12)->text(), "Flow meter ");
    EXPECT_EQ(w.versionLabel()->text(), "VRX v.2.1.30 f14.");
    EXPECT_EQ(w.linkStatusLabel()->text(), "COM 3");
}

} // namespace
} // namespace vrx::gui
