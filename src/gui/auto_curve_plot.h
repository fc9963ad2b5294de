#pragma once
#include <QWidget>

#include "outputs/auto_editor.h"

namespace vrx::gui {

// The curve editor's plot: grid, curve, a line per point, handles above the plot (temperatures)
// and at its right edge (powers), point labels under and left of it, and the axis texts.
// Dragging a handle with the left button moves it through the editor.
class AutoCurvePlot : public QWidget {
    Q_OBJECT
public:
    static constexpr int kUnitsPerPixel = 10;

    AutoCurvePlot(AutoEditor& editor, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // Widget pixel of a plot position, and the centres of the handles.
    QPoint toPixel(int x, int y) const;
    QPoint temperatureHandleCentre(int k) const;
    QPoint powerHandleCentre(int k) const;

signals:
    void curveChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Grab {
        bool active = false;
        bool power = false;
        int k = 0;
        int offset = 0; // pixels between the press and the handle's centre along its axis
    };
    QRect plotRect() const;
    Grab handleAt(const QPoint& p) const;
    void drawGridAndCurve(QPainter& painter) const;
    void drawHandles(QPainter& painter) const;
    void drawLabels(QPainter& painter) const;

    AutoEditor& m_editor;
    Grab m_grab;
};

} // namespace vrx::gui
