#include "art_underlay.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace vrx::gui {

ArtUnderlay::ArtUnderlay(const QPixmap& art, QWidget& window) : QObject(&window), m_art(art), m_window(window) {}

void ArtUnderlay::attach(QWidget* widget) {
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->installEventFilter(this);
}

bool ArtUnderlay::eventFilter(QObject* watched, QEvent* event) {
    // Runs inside the widget's paint event, before its own painting.
    if (event->type() == QEvent::Paint && !m_art.isNull()) {
        auto* widget = static_cast<QWidget*>(watched);
        QPainter p(widget);
        p.drawPixmap(widget->rect(), m_art, QRect(widget->mapTo(&m_window, QPoint(0, 0)), widget->size()));
    }
    return false;
}

} // namespace vrx::gui
