#include "shell/tray_rules.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

TEST(TrayRules, ClicksOnTheIcon) {
    struct Case {
        TrayClick click;
        bool shown;
        bool show, raise, menu;
    };
    const Case cases[] = {
        {TrayClick::Single, false, true, false, false}, {TrayClick::Single, true, true, false, false},
        {TrayClick::Double, false, true, false, false}, {TrayClick::Double, true, true, false, false},
        // A hidden window stays hidden: the menu opens on its own.
        {TrayClick::Right, false, false, false, true},  {TrayClick::Right, true, false, true, true},
        {TrayClick::Middle, true, false, false, false},
    };
    for (const auto& c : cases) {
        const TrayClickAction a = trayClickAction(c.click, c.shown);
        EXPECT_EQ(a.showWindow, c.show) << static_cast<int>(c.click) << " shown " << c.shown;
        EXPECT_EQ(a.raiseWindow, c.raise) << static_cast<int>(c.click) << " shown " << c.shown;
        EXPECT_EQ(a.openMenu, c.menu) << static_cast<int>(c.click) << " shown " << c.shown;
    }
}

TEST(TrayRules, WithoutANotificationAreaTheWindowCanNotBeLost) {
    struct Case {
        Int16 startHidden;
        bool tray;
        bool hidden;
        HideAction hide;
    };
    const Case cases[] = {
        {kTrue, true, true, HideAction::Hide},
        {1, true, true, HideAction::Hide},
        {0, true, false, HideAction::Hide},
        {kTrue, false, false, HideAction::Minimise},
        {0, false, false, HideAction::Minimise},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(startsHidden(c.startHidden, c.tray), c.hidden) << c.startHidden << " tray " << c.tray;
        EXPECT_EQ(hideAction(c.tray), c.hide) << "tray " << c.tray;
    }
}

} // namespace
} // namespace vrx
