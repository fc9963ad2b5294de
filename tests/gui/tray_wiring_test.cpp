// The tray icon as the program wires it: the menu's items are named and act, the hooks of other
// windows are called, clicks open the window, the tool tip carries the readings, and without a
// notification area (as here, offscreen) hiding minimises.
#include "tray_wiring.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_tray.h"
#include "fakes/temp_dir.h"
#include "frm_main.h"
#include "qt_tray.h"
#include "settings/system_file.h"
#include "window_button.h"

namespace vrx::gui {
namespace {

class TrayWiringTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::FakeClock clock;
    test::FakeDialogs dialogs;
    test::FakeAutoStarter autoStarter;
    QtTray tray;
    FrmMain window;
    MainProgram program{makeAppPaths(dir.dir()), {window, tray, dialogs, clock, autoStarter}};
    TrayWiring wiring{program, tray, window, dialogs, autoStarter};

    void SetUp() override { program.Main(); }
    void openMenu() { emit tray.menu()->aboutToShow(); }
    Settings stored() {
        Settings s;
        EXPECT_TRUE(gLoadBIN(program.paths().SysFilePath, s).ok());
        return s;
    }
};

TEST_F(TrayWiringTest, EveryMenuItemHasAnAccessibleName) {
    openMenu();
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(tray.menu());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->childCount(), tray_item::Count);
    const QStringList names = {"Start at Login", "Always on Top", "Disable Mouseover Window", "", "Help", "About",
                               "Pump Characteristics", "Log Viewer", "Settings", "", "End(X)"};
    for (int i = 0; i < tray_item::Count; ++i) {
        const bool separator = tray.menuAction(i)->isSeparator();
        EXPECT_EQ(separator, names[i].isEmpty()) << i;
        if (!separator) {
            EXPECT_EQ(menu->child(i)->text(QAccessible::Name), names[i]) << i;
        }
    }
}

TEST_F(TrayWiringTest, AToggleSavesAndReachesTheWindow) {
    openMenu();
    EXPECT_FALSE(tray.menuAction(tray_item::AlwaysOnTop)->isChecked());
    tray.menuAction(tray_item::AlwaysOnTop)->trigger();
    EXPECT_EQ(stored().sys.AlwaysOnTop, kTrue);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // A change made elsewhere shows the next time the menu opens.
    program.settings().sys.AlwaysOnTop = kFalse;
    program.settings().sys.AutoStart = 1;
    openMenu();
    EXPECT_FALSE(tray.menuAction(tray_item::AlwaysOnTop)->isChecked());
    EXPECT_TRUE(tray.menuAction(tray_item::StartAtLogin)->isChecked());

    tray.menuAction(tray_item::StartAtLogin)->trigger();
    EXPECT_EQ(autoStarter.uninstalls, 1);
    EXPECT_EQ(stored().sys.AutoStart, 0);
}

TEST_F(TrayWiringTest, AHookIsCalledOnceSetAndItsItemIsOffBefore) {
    openMenu();
    EXPECT_FALSE(tray.menuAction(tray_item::LogViewer)->isEnabled());
    int opened = 0;
    wiring.openLogViewer = [&] { ++opened; };
    openMenu();
    ASSERT_TRUE(tray.menuAction(tray_item::LogViewer)->isEnabled());
    tray.menuAction(tray_item::LogViewer)->trigger();
    EXPECT_EQ(opened, 1);
}

TEST_F(TrayWiringTest, ClicksOnTheIconOpenTheWindow) {
    for (auto reason : {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Trigger}) {
        window.hide();
        emit tray.icon()->activated(reason);
        EXPECT_TRUE(window.isVisible()) << reason;
    }
    window.hide();
    emit tray.icon()->activated(QSystemTrayIcon::Context);
    EXPECT_FALSE(window.isVisible()); // the right button never opens a hidden window
}

TEST_F(TrayWiringTest, TheToolTipCarriesTheReadingsWhileTheHoverIsOn) {
    program.settings().sys.HoverPopupOff = 0;
    program.settings().temp.TempName[0] = "CPU";
    window.setLinkStatus("COM3");
    wiring.refreshHover();
    const QString tip = tray.icon()->toolTip();
    EXPECT_TRUE(tip.startsWith("1.CPU  ")) << tip.toStdString();
    EXPECT_EQ(tip.count('\n'), 4);
    EXPECT_FALSE(tip.contains('\r'));

    openMenu();
    tray.menuAction(tray_item::DisableHover)->trigger();
    EXPECT_TRUE(tray.icon()->toolTip().isEmpty());
    EXPECT_EQ(stored().sys.HoverPopupOff, kTrue);
}

TEST_F(TrayWiringTest, WithoutANotificationAreaHidingMinimises) {
    ASSERT_FALSE(tray.available()); // offscreen has none
    window.showWindow();
    window.hideButton()->click();
    EXPECT_TRUE(window.isMinimized());
}

} // namespace
} // namespace vrx::gui
