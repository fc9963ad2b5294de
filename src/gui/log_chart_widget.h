#pragma once
// One chart of the log viewer: a grey pane showing part of a tall drawing surface, scrolled by
// dragging, with the cursor line. The surface is drawn by drawLogSurface, which the capture uses
// too, so the pictures show exactly what the screen shows.
#include <QImage>
#include <QWidget>
#include <functional>

#include "recording/log_viewer.h"

namespace vrx::gui {

inline constexpr int kSurfaceWidthTwips = 8085;
inline constexpr int kSurfaceHeightTwips = 7700;

// The surface of one chart in twips (the painter scaled to twips): white ground, grid, the lines
// of the ticked channels and the time labels. twipsPerPixel sizes the 8 point text.
void drawLogSurface(QPainter& p, const LogViewer& viewer, LogChart chart, int twipsPerPixel);

// A capture picture: the whole surface with the scale, the file's details and the legend.
QImage renderCapture(const LogViewer& viewer, LogChart chart);

class LogChartWidget : public QWidget {
    Q_OBJECT
public:
    LogChartWidget(const LogViewer& viewer, LogChart chart, int twipsPerPixel, QWidget* parent = nullptr);

    LogChart chart() const { return m_chart; }
    // Drags and double clicks, in twips from the pane's top.
    std::function<void(int yTwips)> onPress;
    std::function<void(int yTwips)> onDrag;
    std::function<void()> onRelease;
    std::function<void()> onDoubleClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const LogViewer& m_viewer;
    LogChart m_chart;
    int m_tpp;
};

} // namespace vrx::gui
