#include "live_graph_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace vrx::gui {

QColor fromBgr(std::int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

std::int32_t toBgr(const QColor& color) {
    return static_cast<std::int32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

namespace {

// Lines in runs of one colour, each run with a single pen; joined segments of a series go out
// as one polyline, so an antialiased series is stroked once rather than segment by segment.
void drawLines(QPainter& p, const std::vector<GraphLine>& lines, qreal width) {
    QPolygon path;
    auto flush = [&p, &path] {
        if (path.size() > 1) p.drawPolyline(path);
        path.clear();
    };
    std::int32_t color = -1;
    for (const GraphLine& l : lines) {
        if (l.color != color) {
            flush();
            QPen pen(fromBgr(l.color), width);
            pen.setCosmetic(true);
            p.setPen(pen);
            color = l.color;
        }
        const QPoint from(l.x1, l.y1);
        if (path.isEmpty() || path.last() != from) {
            flush();
            path << from;
        }
        path << QPoint(l.x2, l.y2);
    }
    flush();
}

} // namespace

LiveGraphWidget::LiveGraphWidget(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
    // Every pixel is painted here: nothing behind the chart needs drawing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LiveGraphWidget::setTwipsPerPixel(int tpp) {
    m_tpp = tpp > 0 ? tpp : 15;
    m_backdrop = QPixmap();
    update();
}

void LiveGraphWidget::setBackColor(const QColor& color) {
    if (color == m_back) return;
    m_back = color;
    m_backdrop = QPixmap();
    update();
}

void LiveGraphWidget::setPicture(std::vector<GraphLine> grid, std::vector<GraphLine> lines) {
    if (grid != m_grid) {
        m_grid = std::move(grid);
        m_backdrop = QPixmap();
    }
    m_lines = std::move(lines);
    update();
}

void LiveGraphWidget::resizeEvent(QResizeEvent* event) {
    m_backdrop = QPixmap();
    QWidget::resizeEvent(event);
}

void LiveGraphWidget::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    if (m_backdrop.isNull()) {
        m_backdrop = QPixmap(size() * dpr);
        m_backdrop.setDevicePixelRatio(dpr);
        QPainter q(&m_backdrop);
        q.fillRect(rect(), m_back);
        q.scale(1.0 / m_tpp, 1.0 / m_tpp); // draw in chart units
        drawLines(q, m_grid, 1.0);
    }
    QPainter p(this);
    p.drawPixmap(0, 0, m_backdrop);
    p.scale(1.0 / m_tpp, 1.0 / m_tpp);
    p.setRenderHint(QPainter::Antialiasing);
    drawLines(p, m_lines, 1.6);
}

void LiveGraphWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) emit menuRequested(event->globalPosition().toPoint());
    else QWidget::mousePressEvent(event);
}

} // namespace vrx::gui
