#include "twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace vrx::gui {

int screenTwipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    if (dpi <= 0) return 15;
    return static_cast<int>(std::lround(1440.0 / dpi));
}

} // namespace vrx::gui
