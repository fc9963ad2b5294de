#include "dialog_look.h"

namespace vrx::gui {

void prepareModalDialog(QDialog& dialog, bool alwaysOnTop) {
    dialog.setModal(true);
    if (alwaysOnTop) dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void paintSettingsBackground(QWidget& widget) {
    const QColor background(0xF7, 0xF7, 0xEF);
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::Button, background);
    widget.setPalette(pal);
    widget.setAutoFillBackground(true);
}

} // namespace vrx::gui
