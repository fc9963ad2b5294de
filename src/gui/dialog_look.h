#pragma once
// What every dialog of the program shares: modal over its parent, topmost when the user keeps the
// program on top, and the settings dialogs' light background.
#include <QDialog>

namespace vrx::gui {

void prepareModalDialog(QDialog& dialog, bool alwaysOnTop);
// The pale background of the settings dialogs, also under their buttons.
void paintSettingsBackground(QWidget& widget);

} // namespace vrx::gui
