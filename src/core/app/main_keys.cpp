#include "app/main_keys.h"

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
        return false;
    case KeyModifiers::Other:
        if (press.key != Key::Letter) return false;
        if (press.letter == 'F') {
            m_surface.popupOutputMenu(OutputKind::Fan);
            return true;
        }
        if (press.letter == 'P') {
            m_surface.popupOutputMenu(OutputKind::Pump);
            return true;
        }
        if (press.letter == 'A') return run(openAlarmSettings);
        if (press.letter == 'D') return run(openShutdownSettings);
        if (press.letter == 'L') return run(openRecordingSettings);
        if (press.letter == 'S') return run(openOptions);
        if (press.letter == 'V') return run(openLogViewer);
        return false;
    }
    return false;
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

bool MainKeys::xCtl_Button2_KeyDown(int index, Key key) {
    // Arrows walk the buttons that exist; past either end they go to the name boxes.
    auto walk = [&](int step) {
        for (int k = index + step; k >= 0 && k < kCommandButtons; k += step) {
            if (m_surface.hasCommandButton(k)) {
                m_surface.focusCommandButton(k);
                return;
            }
        }
        if (step < 0) m_surface.focusNameBox(m_settings.sys.BoardType == 2 ? 19 : 16);
        else m_surface.focusNameBox(0);
    };
    switch (key) {
    case Key::Left: walk(-1); return true;
    case Key::Right: walk(1); return true;
    case Key::Down:
        if (index == kFanMenuButton || index == kPumpMenuButton) {
            xCtl_Button2_Click(index);
            return true;
        }
        return false;
    default: return false;
    }
}

} // namespace vrx
