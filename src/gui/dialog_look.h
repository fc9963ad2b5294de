#pragma once
// What every dialog of the program shares: modal over its parent, topmost when the user keeps the
// program on top, and the settings dialogs' light background.
#include <QDialog>
#include <span>

class QPushButton;

namespace vrx::gui {

void prepareModalDialog(QDialog& dialog, bool alwaysOnTop);
// The pale background of the settings dialogs, also under their buttons.
void paintSettingsBackground(QWidget& widget);
// Left and Right arrows along a row of buttons: the focus moves to the nearest enabled neighbour.
// True when a button of the row had the focus (the key is then used up).
bool walkButtonRow(std::span<QPushButton* const> row, bool forward);

} // namespace vrx::gui
