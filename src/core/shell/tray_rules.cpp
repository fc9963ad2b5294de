#include "shell/tray_rules.h"

namespace vrx {

TrayClickAction trayClickAction(TrayClick click, bool windowShown) {
    TrayClickAction action;
    switch (click) {
    case TrayClick::Single:
    case TrayClick::Double: action.showWindow = true; break;
    case TrayClick::Right:
        action.raiseWindow = windowShown;
        action.openMenu = true;
        break;
    case TrayClick::Middle: break;
    }
    return action;
}

bool startsHidden(Int16 startHidden, bool trayAvailable) { return startHidden != 0 && trayAvailable; }

HideAction hideAction(bool trayAvailable) { return trayAvailable ? HideAction::Hide : HideAction::Minimise; }

} // namespace vrx
