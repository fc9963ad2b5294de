#pragma once
// Readings that change every second sit on the window's static art. Drawn opaque, with their
// piece of the art painted under them first, they repaint alone; transparent, each change would
// also repaint the window behind them and every sibling it touches.
#include <QObject>
#include <QPixmap>

class QWidget;

namespace vrx::gui {

class ArtUnderlay : public QObject {
public:
    // `art` is the window's picture at the window's coordinates; it may be redrawn later.
    ArtUnderlay(const QPixmap& art, QWidget& window);
    void attach(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QPixmap& m_art;
    QWidget& m_window;
};

} // namespace vrx::gui
