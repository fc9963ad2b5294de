#include "auto_curve_plot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace vrx::gui {

namespace {
constexpr int kLeft = 74, kTop = 24, kRight = 24, kBottom = 46; // margins around the plot, pixels
constexpr int kTitleStrip = 20;                                 // the rotated power title
constexpr int kHandleWidth = 12, kHandleDepth = 16;
const std::array<QColor, 3> kPointColours = {QColor(0x2E, 0x6F, 0xD8), QColor(0x2A, 0x9A, 0x4C),
                                             QColor(0xD0, 0x45, 0x3B)};
const QColor kCurveColour(0x1F, 0x2A, 0x44);
const QColor kGridColour(0xE2, 0xE2, 0xDA);

std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

// Centres of three labels in ascending order, pushed apart so that none overlaps its neighbour and
// kept within lo..hi; `sizes` are their extents along the axis.
std::array<double, 3> spread(std::array<double, 3> c, const std::array<double, 3>& sizes, double lo,
                             double hi) {
    constexpr double gap = 4;
    for (std::size_t k = 1; k < 3; ++k)
        c[k] = std::max(c[k], c[k - 1] + (sizes[k - 1] + sizes[k]) / 2 + gap);
    c[2] = std::min(c[2], hi - sizes[2] / 2);
    for (std::size_t k = 2; k-- > 0;)
        c[k] = std::min(c[k], c[k + 1] - (sizes[k] + sizes[k + 1]) / 2 - gap);
    c[0] = std::max(c[0], lo + sizes[0] / 2);
    return c;
}
} // namespace

AutoCurvePlot::AutoCurvePlot(AutoEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor) {
    setAccessibleName(QStringLiteral("Curve"));
    setCursor(Qt::ArrowCursor);
}

QSize AutoCurvePlot::sizeHint() const {
    return {kLeft + kPlotWidth / kUnitsPerPixel + kRight, kTop + kPlotHeight / kUnitsPerPixel + kBottom};
}

QRect AutoCurvePlot::plotRect() const {
    return {kLeft, kTop, kPlotWidth / kUnitsPerPixel, kPlotHeight / kUnitsPerPixel};
}

QPoint AutoCurvePlot::toPixel(int x, int y) const {
    return {kLeft + static_cast<int>(std::lround(x / double(kUnitsPerPixel))),
            kTop + static_cast<int>(std::lround(y / double(kUnitsPerPixel)))};
}

QPoint AutoCurvePlot::temperatureHandleCentre(int k) const {
    return {toPixel(m_editor.temperatureHandle(k), 0).x(), kTop - 2 - kHandleDepth / 2};
}

QPoint AutoCurvePlot::powerHandleCentre(int k) const {
    return {plotRect().right() + 2 + kHandleDepth / 2, toPixel(0, m_editor.powerHandle(k)).y()};
}

AutoCurvePlot::Grab AutoCurvePlot::handleAt(const QPoint& p) const {
    Grab best;
    int bestDistance = 0;
    for (const bool power : {false, true}) {
        for (int k = 0; k < 3; ++k) {
            const QPoint c = power ? powerHandleCentre(k) : temperatureHandleCentre(k);
            const QSize box = power ? QSize(kHandleDepth, kHandleWidth) : QSize(kHandleWidth, kHandleDepth);
            const QRect hit(c.x() - box.width() / 2 - 2, c.y() - box.height() / 2 - 2, box.width() + 4,
                            box.height() + 4);
            if (!hit.contains(p)) continue;
            const int along = power ? p.y() - c.y() : p.x() - c.x();
            if (best.active && std::abs(along) >= bestDistance) continue;
            best = {true, power, k, along};
            bestDistance = std::abs(along);
        }
    }
    return best;
}

void AutoCurvePlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    m_grab = handleAt(event->position().toPoint());
}

void AutoCurvePlot::mouseMoveEvent(QMouseEvent* event) {
    if (!m_grab.active) return QWidget::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    if (m_grab.power)
        m_editor.dragPower(m_grab.k, (p.y() - m_grab.offset - kTop) * kUnitsPerPixel);
    else
        m_editor.dragTemperature(m_grab.k, (p.x() - m_grab.offset - kLeft) * kUnitsPerPixel);
    update();
    emit curveChanged();
}

void AutoCurvePlot::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_grab.active = false;
    QWidget::mouseReleaseEvent(event);
}

void AutoCurvePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    drawGridAndCurve(painter);
    drawHandles(painter);
    drawLabels(painter);
}

void AutoCurvePlot::drawGridAndCurve(QPainter& painter) const {
    const QRect plot = plotRect();
    painter.fillRect(plot, Qt::white);
    painter.setPen(QPen(kGridColour, 1));
    for (int i = 1; i < 10; ++i) {
        painter.drawLine(toPixel(temperatureX(10 * i), 0), toPixel(temperatureX(10 * i), kPlotHeight));
        painter.drawLine(toPixel(0, powerY(10 * i)), toPixel(kPlotWidth, powerY(10 * i)));
    }
    for (int k = 0; k < 3; ++k) {
        painter.setPen(QPen(kPointColours[at(k)], 1, Qt::DashLine));
        const int x = temperatureX(m_editor.temperature(k)), y = powerY(m_editor.power(k));
        painter.drawLine(toPixel(x, 0), toPixel(x, kPlotHeight));
        painter.drawLine(toPixel(0, y), toPixel(kPlotWidth, y));
    }
    painter.setPen(QPen(kCurveColour, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (const PlotSegment& s : m_editor.curveSegments())
        painter.drawLine(toPixel(s.x1, s.y1), toPixel(s.x2, s.y2));
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(plot).adjusted(0.5, 0.5, -0.5, -0.5));
}

void AutoCurvePlot::drawHandles(QPainter& painter) const {
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    for (int k = 0; k < 3; ++k) {
        painter.setBrush(kPointColours[at(k)]);
        const QPointF t = temperatureHandleCentre(k), p = powerHandleCentre(k);
        const double w = kHandleWidth / 2.0, d = kHandleDepth / 2.0;
        QPainterPath down; // points at the plot below
        down.addPolygon(QPolygonF({{t.x() - w, t.y() - d},
                                   {t.x() + w, t.y() - d},
                                   {t.x() + w, t.y()},
                                   {t.x(), t.y() + d},
                                   {t.x() - w, t.y()}}));
        down.closeSubpath();
        QPainterPath left; // points at the plot to its left
        left.addPolygon(QPolygonF({{p.x() + d, p.y() - w},
                                   {p.x() + d, p.y() + w},
                                   {p.x(), p.y() + w},
                                   {p.x() - d, p.y()},
                                   {p.x(), p.y() - w}}));
        left.closeSubpath();
        painter.drawPath(down);
        painter.drawPath(left);
    }
    painter.setBrush(Qt::NoBrush);
}

void AutoCurvePlot::drawLabels(QPainter& painter) const {
    const QRect plot = plotRect();
    const QFontMetrics fm = fontMetrics();
    const int h = fm.height();
    std::array<double, 3> xs{}, widths{}, ys{}, heights{};
    std::array<QString, 3> temps, powers;
    for (int k = 0; k < 3; ++k) {
        temps[at(k)] = QString::fromStdString(m_editor.temperatureLabel(k));
        powers[at(k)] = QString::fromStdString(m_editor.powerLabel(k));
        xs[at(k)] = toPixel(temperatureX(m_editor.temperature(k)), 0).x();
        widths[at(k)] = fm.horizontalAdvance(temps[at(k)]);
        ys[at(2 - k)] = toPixel(0, powerY(m_editor.power(k))).y(); // top to bottom: P2, P1, P0
        heights[at(k)] = h;
    }
    xs =
        spread(xs, widths,
               kTitleStrip + fm.horizontalAdvance(QString::fromStdString(m_editor.temperatureAxisUnit())) + 6,
               width());
    ys = spread(ys, heights, kTop, plot.bottom() + 2); // clear of the unit text under it
    const int labelRow = plot.bottom() + 4;
    for (int k = 0; k < 3; ++k) {
        painter.setPen(kPointColours[at(k)].darker(130));
        const auto x = static_cast<int>(xs[at(k)] - widths[at(k)] / 2);
        painter.drawText(QRect(x, labelRow, static_cast<int>(widths[at(k)]) + 1, h), Qt::AlignCenter,
                         temps[at(k)]);
        const auto y = static_cast<int>(ys[at(2 - k)] - h / 2.0);
        painter.drawText(QRect(kTitleStrip, y, kLeft - kTitleStrip - 6, h), Qt::AlignRight | Qt::AlignVCenter,
                         powers[at(k)]);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(kTitleStrip, labelRow, kLeft, h), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(m_editor.temperatureAxisUnit()));
    // Centred over the power labels, clear of a temperature handle at 0 C.
    painter.drawText(QRect(kTitleStrip, 0, kLeft - kTitleStrip - 6, kTop), Qt::AlignCenter,
                     QString::fromStdString(m_editor.powerAxisUnit()));
    painter.drawText(QRect(plot.left(), labelRow + h + 2, plot.width(), h), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromStdString(m_editor.temperatureAxisTitle()));
    painter.save();
    painter.translate(0, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, 0, plot.height(), kTitleStrip), Qt::AlignCenter,
                     QString::fromStdString(m_editor.powerAxisTitle()));
    painter.restore();
}

} // namespace vrx::gui
