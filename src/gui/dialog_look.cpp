#include "dialog_look.h"

#include <QPushButton>

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

bool walkButtonRow(std::span<QPushButton* const> row, bool forward) {
    const int count = static_cast<int>(row.size());
    for (int i = 0; i < count; ++i) {
        if (!row[static_cast<std::size_t>(i)]->hasFocus()) continue;
        for (int j = forward ? i + 1 : i - 1; j >= 0 && j < count; j += forward ? 1 : -1) {
            QPushButton* next = row[static_cast<std::size_t>(j)];
            if (!next->isEnabled()) continue;
            next->setFocus();
            break;
        }
        return true;
    }
    return false;
}

} // namespace vrx::gui
