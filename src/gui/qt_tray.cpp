#include "qt_tray.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <optional>

namespace vrx::gui {

QIcon programIcon() {
    QPixmap pix(64, 64);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(26, 22), 40);
    g.setColorAt(0, QColor(120, 200, 255));
    g.setColorAt(1, QColor(20, 80, 150));
    p.setBrush(g);
    p.setPen(QPen(QColor(10, 40, 80), 2));
    // A drop of coolant.
    QPainterPath drop;
    drop.moveTo(32, 4);
    drop.cubicTo(44, 22, 54, 32, 54, 42);
    drop.arcTo(QRectF(10, 20, 44, 42), 0, -180);
    drop.cubicTo(10, 32, 20, 22, 32, 4);
    p.drawPath(drop);
    // Installed, the icon theme holds the program's icon in every size; the drawn one serves a
    // program run from its build folder.
    return QIcon::fromTheme("vrx", QIcon(pix));
}

namespace {

std::optional<TrayClick> clickOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger: return TrayClick::Single;
    case QSystemTrayIcon::DoubleClick: return TrayClick::Double;
    case QSystemTrayIcon::Context: return TrayClick::Right;
    case QSystemTrayIcon::MiddleClick: return TrayClick::Middle;
    default: return std::nullopt;
    }
}

} // namespace

QtTray::QtTray(QObject* parent) : QObject(parent) {
    m_icon.setIcon(programIcon());
    m_menu.setTitle("TopMenu");
    // Items are named for screen readers by their captions (without the mnemonic marker).
    m_menu.setAccessibleName("Notification area menu");
    for (int i = 0; i < tray_item::Count; ++i) {
        QAction* action = m_menu.addAction(QString());
        connect(action, &QAction::triggered, this, [this, i] { emit menuItemChosen(i); });
        m_actions[static_cast<std::size_t>(i)] = action;
    }
    m_icon.setContextMenu(&m_menu);
    connect(&m_menu, &QMenu::aboutToShow, this, &QtTray::menuAboutToShow);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        const auto click = clickOf(reason);
        if (!click) return;
        if (*click == TrayClick::Single || *click == TrayClick::Double) emit doubleClicked();
        emit clicked(*click);
    });
}

void QtTray::setMenuItems(const std::array<TrayMenuItem, tray_item::Count>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TrayMenuItem& item = items[i];
        QAction* action = m_actions[i];
        action->setSeparator(item.separator());
        if (item.separator()) continue;
        const QString caption = QString::fromStdString(item.caption);
        if (action->text() != caption) action->setText(caption);
        action->setCheckable(item.checkable);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
    }
}

void QtTray::add() { m_icon.show(); }
void QtTray::remove() { m_icon.hide(); }

bool QtTray::available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTray::showBalloon(const std::string& text, const std::string& title, BalloonIcon icon, int displayMs) {
    m_icon.showMessage(QString::fromStdString(title), QString::fromStdString(text),
                       icon == BalloonIcon::Warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information,
                       displayMs);
}

void QtTray::hideBalloon() {
    // There is no call to take a message down early; the display time given with it ends it.
}

void QtTray::setToolTip(const std::string& text) {
    // Tool tips break lines at LF; a CR would show as a stray mark on some desktops.
    m_icon.setToolTip(QString::fromStdString(text).remove(QLatin1Char('\r')));
}

} // namespace vrx::gui
