#include "window_button.h"

#include <QPainter>

namespace vrx::gui {

WindowButton::WindowButton(Glyph glyph, QWidget* parent) : QAbstractButton(parent), m_glyph(glyph) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void WindowButton::enterEvent(QEnterEvent*) {
    m_hover = true;
    update();
}

void WindowButton::leaveEvent(QEvent*) {
    m_hover = false;
    update();
}

void WindowButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QColor base = m_glyph == Glyph::Close ? QColor(200, 70, 60) : QColor(70, 120, 170);
    p.setPen(QPen(base.lighter(m_hover ? 150 : 115), 1.2));
    p.setBrush(isDown() ? base.darker(130) : (m_hover ? base : base.darker(160)));
    p.drawEllipse(r);
    p.setPen(QPen(QColor(235, 240, 245), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    const qreal s = r.width() * 0.22;
    if (m_glyph == Glyph::Close) {
        p.drawLine(c + QPointF(-s, -s), c + QPointF(s, s));
        p.drawLine(c + QPointF(-s, s), c + QPointF(s, -s));
    } else {
        p.drawLine(c + QPointF(-s, s * 0.6), c + QPointF(s, s * 0.6));
    }
}

} // namespace vrx::gui
