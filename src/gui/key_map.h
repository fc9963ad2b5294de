#pragma once
// Qt's key events in the terms the core's key handling uses.
#include <QKeyEvent>

#include "app/main_keys.h"

namespace vrx::gui {

KeyPress toKeyPress(int qtKey, Qt::KeyboardModifiers modifiers);
inline KeyPress toKeyPress(const QKeyEvent& event) {
    return toKeyPress(event.key(), event.modifiers());
}

} // namespace vrx::gui
