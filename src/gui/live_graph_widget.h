#pragma once
#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <vector>

#include "recording/live_graph.h"

namespace vrx::gui {

// The chart picture: draws the grid and lines it is given, in chart units mapped to pixels. The
// background and grid rarely change, so they are drawn once into a cached backdrop and each
// repaint only copies it and draws the lines.
class LiveGraphWidget : public QWidget {
    Q_OBJECT
public:
    explicit LiveGraphWidget(QWidget* parent = nullptr);
    void setTwipsPerPixel(int tpp);
    void setBackColor(const QColor& color);
    void setPicture(std::vector<GraphLine> grid, std::vector<GraphLine> lines);
    const std::vector<GraphLine>& lines() const { return m_lines; }

signals:
    void menuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_tpp = 15;
    QColor m_back{Qt::black};
    std::vector<GraphLine> m_grid;
    QPixmap m_backdrop; // background and grid; null = to be drawn again
    std::vector<GraphLine> m_lines;
};

// 0x00BBGGRR to a colour.
QColor fromBgr(std::int32_t bgr);
std::int32_t toBgr(const QColor& color);

} // namespace vrx::gui
