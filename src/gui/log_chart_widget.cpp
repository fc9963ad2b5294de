#include "log_chart_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <vector>

#include "live_graph_widget.h"

namespace vrx::gui {
namespace {

constexpr int kCaptureWidthTwips = 8235, kCaptureHeightTwips = 9300;
constexpr int kCaptureTwipsPerPixel = 15;
constexpr int kCursorWidthTwips = 15;
const QColor kGridColor(0xC0, 0xC0, 0xC0);
const QColor kTextColor(0x40, 0x40, 0x40);
const QColor kCursorColor(0x80, 0x80, 0xFF); // &HFF8080 as BGR

void setTextFont(QPainter& p, int twipsPerPixel) {
    QFont font("Arial");
    font.setPointSizeF(8.0 * twipsPerPixel); // 8 points once the painter's scale applies
    p.setFont(font);
    p.setPen(kTextColor);
}

// Texts are placed by their top-left corner.
void drawTexts(QPainter& p, const std::vector<PlacedText>& texts) {
    const int ascent = p.fontMetrics().ascent();
    for (const PlacedText& t : texts)
        p.drawText(QPoint(t.x, t.y + ascent), QString::fromStdString(t.text));
}

void drawGrid(QPainter& p, const LogViewer& viewer, LogChart chart) {
    p.setPen(QPen(kGridColor, 0));
    const std::vector<int> ys = horizontalGrid(chart);
    for (int y : ys)
        p.drawLine(kChartLeft, y, kChartLeft + kChartWidth + 20, y);
    for (int x : verticalGrid(viewer.GridStep()))
        p.drawLine(x, ys.front(), x, ys.back());
}

void drawChannels(QPainter& p, const LogViewer& viewer, LogChart chart) {
    const Recording* r = viewer.recording();
    if (!r) return;
    const ChannelRange range = chartChannels(chart);
    const int step = viewer.CursorStep();
    std::vector<QLine> segments;
    segments.reserve(static_cast<std::size_t>(r->LogLineLimit));
    for (int channel = range.first; channel < range.first + range.count; ++channel) {
        if (!viewer.shown(channel - 1)) continue;
        segments.clear();
        // A line after a missing one starts from the missing value's place, below the surface.
        int y = chartY(chart, r->value(channel, 1));
        for (int n = 1; n < r->LogLineLimit; ++n) {
            const double next = r->value(channel, n + 1);
            const int nextY = chartY(chart, next);
            if (next != kNoValue) segments.emplace_back(lineX(n, step), y, lineX(n + 1, step), nextY);
            y = nextY;
        }
        p.setPen(QPen(fromBgr(viewer.channelColor(channel - 1)), 0));
        p.drawLines(segments.data(), static_cast<int>(segments.size()));
    }
}

} // namespace

void drawLogSurface(QPainter& p, const LogViewer& viewer, LogChart chart, int twipsPerPixel) {
    p.fillRect(QRect(0, 0, kSurfaceWidthTwips, kSurfaceHeightTwips), Qt::white);
    drawGrid(p, viewer, chart);
    drawChannels(p, viewer, chart);
    setTextFont(p, twipsPerPixel);
    drawTexts(p, timeAxisTexts(viewer.lineLimit()));
}

QImage renderCapture(const LogViewer& viewer, LogChart chart) {
    QImage image(kCaptureWidthTwips / kCaptureTwipsPerPixel, kCaptureHeightTwips / kCaptureTwipsPerPixel,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(1.0 / kCaptureTwipsPerPixel, 1.0 / kCaptureTwipsPerPixel);
    drawLogSurface(p, viewer, chart, kCaptureTwipsPerPixel);
    setTextFont(p, kCaptureTwipsPerPixel);
    drawTexts(p, viewer.captureTexts(chart));
    for (const LegendBox& b : viewer.captureLegend(chart)) {
        const QRect box(b.x, b.y, b.width, b.height);
        if (b.filled)
            p.fillRect(box, fromBgr(b.color));
        else {
            p.setPen(QPen(fromBgr(b.color), 0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box);
        }
    }
    return image;
}

LogChartWidget::LogChartWidget(const LogViewer& viewer, LogChart chart, int twipsPerPixel, QWidget* parent)
    : QWidget(parent), m_viewer(viewer), m_chart(chart), m_tpp(twipsPerPixel > 0 ? twipsPerPixel : 15) {
    static const char* names[] = {"Temperature chart", "Fan chart", "Pump chart", "Flow meter chart"};
    setAccessibleName(names[static_cast<int>(chart)]);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LogChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The chart's own width is grey under the surface; what lies right of it only carries the
    // right-hand scale, on the window's colour.
    const int chartWidth = kSurfaceWidthTwips / m_tpp;
    p.fillRect(QRect(0, 0, chartWidth, height()), QColor(0xC0, 0xC0, 0xC0));
    p.fillRect(QRect(chartWidth, 0, width() - chartWidth, height()), palette().color(QPalette::Window));
    p.scale(1.0 / m_tpp, 1.0 / m_tpp);
    p.translate(0, m_viewer.top(m_chart));
    drawLogSurface(p, m_viewer, m_chart, m_tpp);
    // The screen's scale follows the unit buttons; the chart itself never changes.
    const ViewUnits u = m_viewer.units();
    drawTexts(p, scaleLabels(m_chart, u.temp, u.flowLpm));
    const int x = cursorX(m_viewer.position(), m_viewer.lineLimit());
    p.fillRect(QRect(x, 0, kCursorWidthTwips, kSurfaceHeightTwips), kCursorColor);
}

void LogChartWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onPress) onPress(static_cast<int>(event->position().y()) * m_tpp);
}

void LogChartWidget::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && onDrag) onDrag(static_cast<int>(event->position().y()) * m_tpp);
}

void LogChartWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onRelease) onRelease();
}

void LogChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onDoubleClick) onDoubleClick();
}

} // namespace vrx::gui
