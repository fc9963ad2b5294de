#include "app/main_keys.h"

#include "app/name_boxes.h"

namespace vrx {

bool MainKeys::Form_KeyDown(const KeyPress& press) {
    switch (press.modifiers) {
    case KeyModifiers::None:
        switch (press.key) {
        case Key::F1: m_levels.mAllFansLevel(kLevelFirst); return true;
        case Key::F2: m_levels.mAllFansLevel(kLevelLast); return true;
        case Key::F3: m_levels.mAllPumpsLevel(kLevelFirst); return true;
        case Key::F4: m_levels.mAllPumpsLevel(kLevelLast); return true;
        case Key::F5:
        case Key::F6:
            if (!setAlarmMode) return false;
            setAlarmMode(press.key == Key::F5);
            return true;
        case Key::F7: m_levels.mAllAuto("FAN"); return true;
        case Key::F8: m_levels.mAllAuto("PUMP"); return true;
        default: return false;
        }
    case KeyModifiers::Shift:
        return press.key == Key::Letter && shiftKey(press.letter);
    case KeyModifiers::Other:
        return press.key == Key::Letter && ctrlKey(press.letter);
    }
    return false;
}

bool MainKeys::shiftKey(char letter) {
    static constexpr char groups[] = {'T', 'F', 'P', 'M'};
    for (int g = 0; g < 4; ++g) {
        if (letter != groups[g]) continue;
        if (!chooseGraphGroup) return false;
        chooseGraphGroup(g + 1);
        return true;
    }
    if (letter == 'S') return run(restartScan);
    if (letter == 'V') return run(switchFanBarStyle);
    return false;
}

bool MainKeys::ctrlKey(char letter) {
    switch (letter) {
    case 'F': m_surface.popupOutputMenu(OutputKind::Fan); return true;
    case 'P': m_surface.popupOutputMenu(OutputKind::Pump); return true;
    case 'A': return run(openAlarmSettings);
    case 'D': return run(openShutdownSettings);
    case 'H': return run(hideWindow);
    case 'L': return run(openRecordingSettings);
    case 'S': return run(openOptions);
    case 'V': return run(openLogViewer);
    case 'X': return run(confirmExit);
    default: return false;
    }
}

bool MainKeys::run(const std::function<void()>& command) {
    if (!command) return false;
    command();
    return true;
}

void MainKeys::xCtl_Button2_Click(int index) {
    if (index == kOptionsButton) run(openOptions);
    if (index == kAlarmButton) run(openAlarmSettings);
    if (index == kShutdownButton) run(openShutdownSettings);
    if (index == kRecordingButton) run(openRecordingSettings);
    if (index == kLogViewerButton) run(openLogViewer);
    if (index == kFanMenuButton) m_surface.popupOutputMenu(OutputKind::Fan);
    if (index == kPumpMenuButton) m_surface.popupOutputMenu(OutputKind::Pump);
}

bool MainKeys::focusButtonFrom(int from, int step) {
    // Buttons of windows not built yet are passed over.
    for (int k = from; k >= 0 && k < kCommandButtons; k += step) {
        if (m_surface.hasCommandButton(k)) {
            m_surface.focusCommandButton(k);
            return true;
        }
    }
    return false;
}

bool MainKeys::xCtl_Button2_KeyDown(int index, Key key) {
    // Arrows walk the buttons that exist; past either end they go to the name boxes.
    const int lastFanBox = nameBoxOrder(m_settings.sys.BoardType).back();
    switch (key) {
    case Key::Left:
        if (!focusButtonFrom(index - 1, -1)) m_surface.focusNameBox(lastFanBox);
        return true;
    case Key::Right:
        if (!focusButtonFrom(index + 1, 1)) m_surface.focusNameBox(0);
        return true;
    case Key::Down:
        if (index == kFanMenuButton || index == kPumpMenuButton) {
            xCtl_Button2_Click(index);
            return true;
        }
        return false;
    default: return false;
    }
}

bool MainKeys::txtTname_KeyDown(int box, Key key) {
    const int boardType = m_settings.sys.BoardType;
    switch (key) {
    case Key::Enter: {
        const int next = nextNameBox(box, boardType);
        if (next >= 0) m_surface.focusNameBox(next);
        else focusButtonFrom(kOptionsButton, 1);
        return true;
    }
    case Key::Up: {
        const int previous = previousNameBox(box, boardType);
        if (previous >= 0) m_surface.focusNameBox(previous);
        else focusButtonFrom(kLogViewerButton, -1);
        return true;
    }
    case Key::Down: m_surface.focusNextControl(); return true;
    default: return false;
    }
}

} // namespace vrx
