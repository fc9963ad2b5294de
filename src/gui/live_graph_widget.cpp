#include "live_graph_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace vrx::gui {

QColor fromBgr(std::int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

std::int32_t toBgr(const QColor& color) {
    return static_cast<std::int32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

LiveGraphWidget::LiveGraphWidget(QWidget* parent) : QWidget(parent) { setCursor(Qt::CrossCursor); }

void LiveGraphWidget::setTwipsPerPixel(int tpp) {
    m_tpp = tpp > 0 ? tpp : 15;
    update();
}

void LiveGraphWidget::setBackColor(const QColor& color) {
    if (color == m_back) return;
    m_back = color;
    update();
}

void LiveGraphWidget::setPicture(std::vector<GraphLine> grid, std::vector<GraphLine> lines) {
    m_grid = std::move(grid);
    m_lines = std::move(lines);
    update();
}

void LiveGraphWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_back);
    p.scale(1.0 / m_tpp, 1.0 / m_tpp); // draw in chart units
    auto draw = [&p](const std::vector<GraphLine>& lines, qreal width) {
        for (const GraphLine& l : lines) {
            QPen pen(fromBgr(l.color), width);
            pen.setCosmetic(true);
            p.setPen(pen);
            p.drawLine(l.x1, l.y1, l.x2, l.y2);
        }
    };
    draw(m_grid, 1.0);
    p.setRenderHint(QPainter::Antialiasing);
    draw(m_lines, 1.6);
}

void LiveGraphWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) emit menuRequested(event->globalPosition().toPoint());
    else QWidget::mousePressEvent(event);
}

} // namespace vrx::gui
