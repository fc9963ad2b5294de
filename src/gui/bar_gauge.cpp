#include "bar_gauge.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace vrx::gui {

BarGauge::BarGauge(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TranslucentBackground); }

void BarGauge::setValue(int value) {
    if (value == m_value) return;
    m_value = value;
    update();
}

void BarGauge::setMaximum(int maximum) {
    if (maximum == m_maximum || maximum <= 0) return;
    m_maximum = maximum;
    update();
}

void BarGauge::setDisplayStyle(int style) {
    if (style == m_style) return;
    m_style = style;
    update();
}

void BarGauge::setColor(const QColor& color) {
    m_color = color;
    update();
}

void BarGauge::setAlarm(bool alarm) {
    if (alarm == m_alarm) return;
    m_alarm = alarm;
    update();
}

void BarGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = frame.height() / 2.5;
    p.setPen(QColor(70, 80, 92));
    p.setBrush(QColor(18, 22, 27));
    p.drawRoundedRect(frame, radius, radius);

    const double fraction = std::clamp(static_cast<double>(m_value) / m_maximum, 0.0, 1.0);
    if (fraction <= 0) return;
    const QRectF inner = frame.adjusted(2, 2, -2, -2);
    QRectF fill = inner;
    fill.setWidth(inner.width() * fraction);
    const QColor color = m_alarm ? QColor(225, 40, 40) : m_color;
    QLinearGradient g(fill.topLeft(), fill.bottomLeft());
    g.setColorAt(0, color.lighter(135));
    g.setColorAt(1, color.darker(120));
    p.setPen(Qt::NoPen);
    if (m_style == 2) {
        // Segmented: blocks of equal width with small gaps.
        const qreal block = std::max<qreal>(4, inner.height());
        for (qreal x = fill.left(); x < fill.right(); x += block + 2)
            p.fillRect(QRectF(x, fill.top(), std::min(block, fill.right() - x), fill.height()), g);
        return;
    }
    QPainterPath path;
    path.addRoundedRect(fill, radius * 0.7, radius * 0.7);
    p.fillPath(path, g);
}

} // namespace vrx::gui
