#include "tray_wiring.h"

#include "app/status_display.h"
#include "frm_main.h"
#include "qt_tray.h"

namespace vrx {

TrayWiring::TrayWiring(MainProgram& program, gui::QtTray& tray, gui::FrmMain& window, Dialogs& dialogs,
                       AutoStarter& autoStarter)
    : m_program(program), m_tray(tray), m_window(window),
      m_menu(program.settings(), program.paths().AppDir, autoStarter, dialogs, *this, *this), m_hover(tray) {
    QObject::connect(&m_tray, &gui::QtTray::menuAboutToShow, &m_window, [this] { updateMenu(); });
    QObject::connect(&m_tray, &gui::QtTray::menuItemChosen, &m_window, [this](int index) {
        m_menu.choose(index);
        refreshHover(); // the hover switch may have changed
    });
    QObject::connect(&m_tray, &gui::QtTray::clicked, &m_window, [this](TrayClick click) { handleClick(click); });
    m_window.onHideRequested = [this] { hideWindow(); };
    m_hoverTimer.setInterval(1000);
    QObject::connect(&m_hoverTimer, &QTimer::timeout, &m_window, [this] { refreshHover(); });
    m_hoverTimer.start();
    // Desktops that export the menu read it before it is first opened.
    updateMenu();
}

void TrayWiring::updateMenu() { m_tray.setMenuItems(m_menu.items()); }

void TrayWiring::handleClick(TrayClick click) {
    const TrayClickAction action = trayClickAction(click, m_window.isVisible());
    if (action.showWindow) m_window.showWindow();
    if (action.raiseWindow) {
        m_window.raise();
        m_window.activateWindow();
    }
    // The menu itself is opened by the icon, which owns it as its context menu.
    if (action.openMenu) updateMenu();
}

void TrayWiring::hideWindow() {
    if (hideAction(m_tray.available()) == HideAction::Minimise) m_window.showMinimized();
    else m_window.hideWindow();
}

void TrayWiring::refreshHover() {
    // With the hover text switched off (the default) there is nothing to work out each second.
    if (m_program.settings().sys.HoverPopupOff != 0 && m_hoverShown == false) return;
    m_hoverShown = m_program.settings().sys.HoverPopupOff == 0;
    const StatusDisplay display = gDisplayOn(m_program.settings(), m_program.state(), m_program.PumpTestRunning);
    m_hover.refresh(m_program.settings(), m_window.linkStatusLabel()->text().toStdString(), display);
}

bool TrayWiring::saveSystemFile() { return m_program.saveSystemFile(); }
void TrayWiring::applyAlwaysOnTop(bool onTop) { m_window.setAlwaysOnTop(onTop); }
void TrayWiring::confirmExit() { m_program.ConfirmExit(); }
void TrayWiring::logError(const std::string& procedure, const std::string& description) {
    m_program.errorLog().LogError(procedure, "0", description);
}

} // namespace vrx
