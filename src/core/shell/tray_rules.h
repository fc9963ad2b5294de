#pragma once
// How the notification-area icon's clicks and the hide commands behave, decided apart from the
// desktop so both cases (with and without a notification area) are tested.
#include "settings/settings_record.h"

namespace vrx {

enum class TrayClick { Single, Double, Right, Middle };

struct TrayClickAction {
    bool showWindow = false;  // show and activate the main window
    bool raiseWindow = false; // bring the already shown main window forward
    bool openMenu = false;    // the tray menu
};

// Single and double clicks open the window. A right click raises the window only while it is
// shown (raising a hidden one would open it) and then opens the menu.
TrayClickAction trayClickAction(TrayClick click, bool windowShown);

// Without a notification area a hidden window could never be found again, so the window then
// starts shown and hiding it minimises it instead.
bool startsHidden(Int16 startHidden, bool trayAvailable);

enum class HideAction { Hide, Minimise };
HideAction hideAction(bool trayAvailable);

} // namespace vrx
