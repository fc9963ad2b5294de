// FrmMain's command row, fan and pump menus and keys: the window maps what the user does to the
// core's terms and does what the core asks of it (CommandSurface).
#include <QApplication>
#include <QKeyEvent>
#include <QWindow>
#include <algorithm>

#include "app/name_boxes.h"
#include "frm_main.h"
#include "key_map.h"

namespace vrx::gui {

void FrmMain::buildCommandRow() {
    struct Built {
        int index;
        CommandButton::Glyph glyph;
        const char* name;
        const char* tip;
        bool opensMenu;
    };
    for (const Built& b :
         {Built{kOptionsButton, CommandButton::Glyph::Options, "Settings", "Settings (Ctrl+S)", false},
          Built{kAlarmButton, CommandButton::Glyph::Alarm, "Alarm settings", "Alarm settings (Ctrl+A)", false},
          Built{kShutdownButton, CommandButton::Glyph::Shutdown, "Shutdown settings", "Shutdown settings (Ctrl+D)",
                false},
          Built{kFanMenuButton, CommandButton::Glyph::Fans, "Fan menu", "Fans", true},
          Built{kPumpMenuButton, CommandButton::Glyph::Pumps, "Pump menu", "Pumps", true},
          Built{kRecordingButton, CommandButton::Glyph::Record, "Recording settings", "Recording (Ctrl+L)", false},
          Built{kLogViewerButton, CommandButton::Glyph::Viewer, "Log viewer", "Log viewer (Ctrl+V)", false}}) {
        auto* button = new CommandButton(b.glyph, b.opensMenu, this);
        button->setObjectName(QString("xCtl_Button2_%1").arg(b.index));
        button->setText(b.tip);
        button->setAccessibleName(b.name);
        button->setToolTip(b.tip);
        button->installEventFilter(this); // arrow keys on the button go to the core
        connect(button, &QAbstractButton::clicked, this, [this, i = b.index] {
            if (onCommandButtonClicked) onCommandButtonClicked(i);
        });
        m_commandButtons[static_cast<std::size_t>(b.index)] = button;
    }
    m_fanMenu = new OutputPopupMenu(OutputKind::Fan, this);
    m_pumpMenu = new OutputPopupMenu(OutputKind::Pump, this);
    for (OutputPopupMenu* menu : {m_fanMenu, m_pumpMenu}) {
        connect(menu, &OutputPopupMenu::itemChosen, this, [this](OutputKind kind, int unit, int item) {
            if (onOutputItemChosen) onOutputItemChosen(kind, unit, item);
        });
        connect(menu, &QMenu::aboutToHide, this,
                [this, menu] { menuButton(menu->kind())->setMenuOpen(false); });
    }
}

void FrmMain::setOutputMenusEnabled(bool enabled) {
    m_outputMenusEnabled = enabled;
    for (OutputPopupMenu* menu : {m_fanMenu, m_pumpMenu}) {
        if (!enabled) menu->close(); // no level can be picked from a menu left open
        menu->setEnabled(enabled);
    }
    for (OutputKind kind : {OutputKind::Fan, OutputKind::Pump})
        menuButton(kind)->setEnabled(enabled);
}

void FrmMain::popupOutputMenu(OutputKind kind) {
    if (!m_outputMenusEnabled || !outputMenuModel) return;
    OutputPopupMenu* menu = outputMenu(kind);
    menu->setModel(outputMenuModel(kind));
    CommandButton* button = menuButton(kind);
    button->setMenuOpen(true);
    // Left edge under the button's, top a fixed distance below the window's top.
    menu->popup(mapToGlobal(QPoint(button->x(), twipsToPixels(830, m_tpp))));
}

CommandButton* FrmMain::menuButton(OutputKind kind) const {
    return commandButton(kind == OutputKind::Fan ? kFanMenuButton : kPumpMenuButton);
}

void FrmMain::focusCommandButton(int index) {
    if (hasCommandButton(index)) commandButton(index)->setFocus(Qt::TabFocusReason);
}

void FrmMain::focusNameBox(int index) {
    nameBox(index)->setFocus(Qt::TabFocusReason);
}

void FrmMain::focusNextControl() { focusNextChild(); }

int FrmMain::nameBoxIndex(const QObject* watched) const {
    const auto it = std::find(m_txtTname.begin(), m_txtTname.end(), watched);
    return it == m_txtTname.end() ? -1 : static_cast<int>(it - m_txtTname.begin());
}

bool FrmMain::nameBoxEvent(int box, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const Key key = toKeyPress(*static_cast<QKeyEvent*>(event)).key;
        // Enter is swallowed here, so it neither beeps nor reaches the window.
        if (key != Key::Enter && key != Key::Up && key != Key::Down) return false;
        return onNameBoxKey && onNameBoxKey(box, key);
    }
    // Also when the window loses the keyboard (hidden, a dialog or the exit question opens), so a
    // name typed just before is not lost.
    if (event->type() == QEvent::FocusOut && onNameBoxLeft) onNameBoxLeft(box, nameBox(box)->text().toStdString());
    return false;
}

bool FrmMain::hasCommandButton(int index) const {
    return index >= 0 && index < kCommandButtons && commandButton(index) != nullptr;
}

void FrmMain::showEvent(QShowEvent* event) {
    // The window sees every key before the widget with the focus, as its own key-down handler.
    if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
    QWidget::showEvent(event);
}

bool FrmMain::previewKey(const QKeyEvent& event) {
    // Keys meant for a menu or a dialog over the window are theirs.
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return false;
    const KeyPress press = toKeyPress(event);
    // A name box being edited keeps its typing: letters alone or with Shift are text there.
    const auto* box = qobject_cast<const QLineEdit*>(focusWidget());
    const bool typing = box && !box->isReadOnly() && press.key == Key::Letter &&
                        press.modifiers != KeyModifiers::Other &&
                        std::find(m_txtTname.begin(), m_txtTname.end(), box) != m_txtTname.end();
    return !typing && onKeyDown && onKeyDown(press);
}

bool FrmMain::commandButtonKey(QObject* watched, const QKeyEvent& event) {
    const auto it = std::find(m_commandButtons.begin(), m_commandButtons.end(), watched);
    if (it == m_commandButtons.end() || !onCommandButtonKey) return false;
    const Key key = toKeyPress(event).key;
    if (key != Key::Left && key != Key::Right && key != Key::Down) return false;
    return onCommandButtonKey(static_cast<int>(it - m_commandButtons.begin()), key);
}

} // namespace vrx::gui
