#include "command_button.h"

#include <QPainter>
#include <QPainterPath>

namespace vrx::gui {
namespace {

// Three swept blades round a hub, inside a square of side s centred on c.
void drawFan(QPainter& p, QPointF c, qreal s) {
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(c);
        p.rotate(120.0 * k - 90);
        p.translate(s * 0.21, 0);
        p.rotate(28);
        p.drawEllipse(QPointF(0, 0), s * 0.22, s * 0.13);
        p.restore();
    }
    p.drawEllipse(c, s * 0.11, s * 0.11);
}

// A drop of coolant.
void drawDrop(QPainter& p, QPointF c, qreal s) {
    QPainterPath drop;
    drop.moveTo(c.x(), c.y() - s * 0.48);
    drop.cubicTo(c.x() + s * 0.10, c.y() - s * 0.20, c.x() + s * 0.34, c.y() + s * 0.02, c.x() + s * 0.30,
                 c.y() + s * 0.22);
    drop.arcTo(QRectF(c.x() - s * 0.30, c.y() - s * 0.08, s * 0.60, s * 0.56), 0, -180);
    drop.cubicTo(c.x() - s * 0.34, c.y() + s * 0.02, c.x() - s * 0.10, c.y() - s * 0.20, c.x(),
                 c.y() - s * 0.48);
    p.drawPath(drop);
}

// A bell: the alarm settings.
void drawBell(QPainter& p, QPointF c, qreal s) {
    QPainterPath bell;
    bell.moveTo(c.x() - s * 0.36, c.y() + s * 0.24);
    bell.cubicTo(c.x() - s * 0.22, c.y() + s * 0.10, c.x() - s * 0.30, c.y() - s * 0.40, c.x(), c.y() - s * 0.40);
    bell.cubicTo(c.x() + s * 0.30, c.y() - s * 0.40, c.x() + s * 0.22, c.y() + s * 0.10, c.x() + s * 0.36,
                 c.y() + s * 0.24);
    bell.closeSubpath();
    p.drawPath(bell);
    p.drawEllipse(QPointF(c.x(), c.y() + s * 0.34), s * 0.09, s * 0.09);
}

// The power symbol: the shutdown settings.
void drawPower(QPainter& p, QPointF c, qreal s, const QColor& ink) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, s * 0.12, Qt::SolidLine, Qt::RoundCap));
    const QRectF ring(c.x() - s * 0.32, c.y() - s * 0.28, s * 0.64, s * 0.64);
    p.drawArc(ring, 120 * 16, -240 * 16);
    p.drawLine(QPointF(c.x(), c.y() - s * 0.42), QPointF(c.x(), c.y() - s * 0.02));
    p.restore();
}

// A cog wheel: the program's options.
void drawGear(QPainter& p, QPointF c, qreal s) {
    QPainterPath wheel;
    wheel.setFillRule(Qt::OddEvenFill);
    for (int k = 0; k < 8; ++k) {
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(45.0 * k);
        QPainterPath tooth;
        tooth.addRect(QRectF(-s * 0.07, -s * 0.42, s * 0.14, s * 0.16));
        wheel.addPath(turn.map(tooth));
    }
    QPainterPath body;
    body.addEllipse(c, s * 0.30, s * 0.30);
    wheel = wheel.united(body);
    QPainterPath hole;
    hole.addEllipse(c, s * 0.12, s * 0.12);
    p.drawPath(wheel.subtracted(hole));
}

// A small line chart over an axis: the log viewer.
void drawChart(QPainter& p, QPointF c, qreal s, const QColor& ink) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, s * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal l = c.x() - s * 0.40, r = c.x() + s * 0.40, t = c.y() - s * 0.36, b = c.y() + s * 0.36;
    p.drawLine(QPointF(l, t), QPointF(l, b));
    p.drawLine(QPointF(l, b), QPointF(r, b));
    const QPointF line[] = {{l + s * 0.08, c.y() + s * 0.16},
                            {c.x() - s * 0.10, c.y() - s * 0.10},
                            {c.x() + s * 0.08, c.y() + s * 0.06},
                            {r, c.y() - s * 0.28}};
    p.drawPolyline(line, 4);
    p.restore();
}

} // namespace

CommandButton::CommandButton(Glyph glyph, bool opensMenu, QWidget* parent)
    : QAbstractButton(parent), m_glyph(glyph), m_opensMenu(opensMenu) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::setMenuOpen(bool open) {
    m_menuOpen = open;
    update();
}

void CommandButton::enterEvent(QEnterEvent*) {
    m_hover = true;
    update();
}

void CommandButton::leaveEvent(QEvent*) {
    m_hover = false;
    update();
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const bool on = isEnabled();
    const QColor base = on ? QColor(70, 120, 170) : QColor(80, 88, 98);
    const bool lit = on && (m_hover || hasFocus());
    p.setPen(
        QPen(hasFocus() ? QColor(200, 225, 250) : base.lighter(lit ? 150 : 115), hasFocus() ? 1.6 : 1.2));
    // Pressed or with its menu open it takes the menus' highlight, so the pair reads as one.
    p.setBrush(on && (isDown() || m_menuOpen) ? QColor(48, 140, 210) : (lit ? base : base.darker(160)));
    const qreal radius = r.height() * 0.3;
    p.drawRoundedRect(r, radius, radius);

    const QColor ink = on ? QColor(235, 240, 245) : QColor(140, 148, 158);
    const qreal s = r.height() * 0.78;
    const qreal arrowW = m_opensMenu ? r.height() * 0.36 : 0;
    const QPointF glyphCentre(r.left() + (r.width() - arrowW) / 2 + (m_opensMenu ? 1 : 0), r.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    switch (m_glyph) {
    case Glyph::Options: drawGear(p, glyphCentre, s); break;
    case Glyph::Fans: drawFan(p, glyphCentre, s); break;
    case Glyph::Pumps: drawDrop(p, glyphCentre, s); break;
    case Glyph::Alarm: drawBell(p, glyphCentre, s); break;
    case Glyph::Shutdown: drawPower(p, glyphCentre, s, ink); break;
    case Glyph::Viewer: drawChart(p, glyphCentre, s, ink); break;
    case Glyph::Record:
        // A recording dot, red while the button is usable.
        p.setBrush(on ? QColor(230, 70, 70) : ink);
        p.drawEllipse(glyphCentre, s * 0.28, s * 0.28);
        break;
    }
    if (m_opensMenu) {
        const qreal ax = r.right() - arrowW * 0.5 - 2, ay = r.center().y() + 1, h = arrowW * 0.38;
        const QPointF arrow[] = {
            {ax - h * 1.3, ay - h * 0.6}, {ax + h * 1.3, ay - h * 0.6}, {ax, ay + h * 0.8}};
        p.drawPolygon(arrow, 3);
    }
}

} // namespace vrx::gui
