#include "key_map.h"

namespace vrx::gui {

KeyPress toKeyPress(int qtKey, Qt::KeyboardModifiers modifiers) {
    KeyPress press;
    // Keypad and layout-group flags say where a key sits, not what the user holds down.
    const Qt::KeyboardModifiers held = modifiers & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    press.modifiers = held == Qt::NoModifier      ? KeyModifiers::None
                      : held == Qt::ShiftModifier ? KeyModifiers::Shift
                                                  : KeyModifiers::Other;
    static constexpr Key functionKeys[] = {Key::F1, Key::F2, Key::F3, Key::F4,
                                           Key::F5, Key::F6, Key::F7, Key::F8};
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F8) {
        press.key = functionKeys[qtKey - Qt::Key_F1];
    } else if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        press.key = Key::Letter;
        press.letter = static_cast<char>('A' + (qtKey - Qt::Key_A));
    } else {
        switch (qtKey) {
        case Qt::Key_Left:
            press.key = Key::Left;
            break;
        case Qt::Key_Right:
            press.key = Key::Right;
            break;
        case Qt::Key_Up:
            press.key = Key::Up;
            break;
        case Qt::Key_Down:
            press.key = Key::Down;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            press.key = Key::Enter;
            break;
        default:
            break;
        }
    }
    return press;
}

} // namespace vrx::gui
