#pragma once
// Wires the notification-area icon into the program: its menu, clicks, hover tool tip, and the
// hide command that depends on whether the desktop has a notification area.
#include <QTimer>

#include "app/main_program.h"
#include "iface/autostart.h"
#include "iface/dialogs.h"
#include "shell/hover_text.h"
#include "shell/tray_menu.h"
#include "shell/tray_rules.h"

namespace vrx::gui {
class FrmMain;
class QtTray;
} // namespace vrx::gui

namespace vrx {

// The hooks (openHelp, openPumpCharacteristics, openLogViewer, openSettings) are filled in by the
// program once those windows exist; until then their items are disabled.
class TrayWiring : public TrayMenuHooks, private TrayMenuHost {
public:
    TrayWiring(MainProgram& program, gui::QtTray& tray, gui::FrmMain& window, Dialogs& dialogs,
               AutoStarter& autoStarter);

    TopVRXMenu& menu() { return m_menu; }
    // The hide button (and the hide key): to the tray, or minimised when there is no tray.
    void hideWindow();
    // Updates the icon's tool tip from the current readings; runs every second.
    void refreshHover();
    void handleClick(TrayClick click);

private:
    // TrayMenuHost
    bool saveSystemFile() override;
    void applyAlwaysOnTop(bool onTop) override;
    void confirmExit() override;
    void logError(const std::string& procedure, const std::string& description) override;

    void updateMenu();

    MainProgram& m_program;
    gui::QtTray& m_tray;
    gui::FrmMain& m_window;
    TopVRXMenu m_menu;
    bool m_hoverShown = true; // the last refresh showed (or cleared) a hover text
    HoverToolTip m_hover;
    QTimer m_hoverTimer;
};

} // namespace vrx
