#pragma once
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <array>

#include "iface/tray.h"
#include "shell/tray_menu.h"
#include "shell/tray_rules.h"

namespace vrx::gui {

// The notification-area icon with its menu. Without a notification area it shows nothing.
class QtTray : public QObject, public Tray {
    Q_OBJECT
public:
    explicit QtTray(QObject* parent = nullptr);
    void add() override;
    void remove() override;
    void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon, int displayMs) override;
    void hideBalloon() override;
    void setToolTip(const std::string& text) override;
    bool available() const override;
    QSystemTrayIcon* icon() { return &m_icon; }

    // The menu's items as the core describes them; the menu keeps its actions and updates them.
    void setMenuItems(const std::array<TrayMenuItem, tray_item::Count>& items);
    QMenu* menu() { return &m_menu; }
    QAction* menuAction(int index) const { return m_actions.at(static_cast<std::size_t>(index)); }

signals:
    void doubleClicked(); // single or double click
    void clicked(vrx::TrayClick click);
    void menuAboutToShow();
    void menuItemChosen(int index);

private:
    QSystemTrayIcon m_icon;
    QMenu m_menu;
    std::array<QAction*, tray_item::Count> m_actions{};
};

QIcon programIcon();

} // namespace vrx::gui
