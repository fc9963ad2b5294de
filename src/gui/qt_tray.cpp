#include "qt_tray.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

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
    return QIcon(pix);
}

QtTray::QtTray(QObject* parent) : QObject(parent) {
    m_icon.setIcon(programIcon());
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) emit doubleClicked();
    });
}

void QtTray::add() { m_icon.show(); }
void QtTray::remove() { m_icon.hide(); }

void QtTray::showBalloon(const std::string& text, const std::string& title, BalloonIcon icon) {
    m_icon.showMessage(QString::fromStdString(title), QString::fromStdString(text),
                       icon == BalloonIcon::Warning ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information, 0);
}

void QtTray::hideBalloon() {
    // There is no call to take a message down early; an empty message replaces it.
}

} // namespace vrx::gui
