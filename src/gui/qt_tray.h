#pragma once
#include <QObject>
#include <QSystemTrayIcon>

#include "iface/tray.h"

namespace vrx::gui {

// The notification-area icon. Without a notification area it does nothing.
class QtTray : public QObject, public Tray {
    Q_OBJECT
public:
    explicit QtTray(QObject* parent = nullptr);
    void add() override;
    void remove() override;
    void showBalloon(const std::string& text, const std::string& title, BalloonIcon icon) override;
    void hideBalloon() override;
    QSystemTrayIcon* icon() { return &m_icon; }

signals:
    void doubleClicked();

private:
    QSystemTrayIcon m_icon;
};

QIcon programIcon();

} // namespace vrx::gui
