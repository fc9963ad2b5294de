#pragma once
// The main window's shortcut keys and command buttons. The window maps its key events to these
// codes and forwards them; what each key does is decided here.
#include <functional>

#include "outputs/output_levels.h"

namespace vrx {

enum class Key { Other, F1, F2, F3, F4, F5, F6, F7, F8, Left, Right, Up, Down, Enter, Letter };
enum class KeyModifiers { None, Shift, Other };

struct KeyPress {
    Key key = Key::Other;
    char letter = 0; // 'A'..'Z' when key is Letter
    KeyModifiers modifiers = KeyModifiers::None;
};

// Command buttons along the window, by index.
inline constexpr int kOptionsButton = 0;
inline constexpr int kAlarmButton = 1;
inline constexpr int kShutdownButton = 2;
inline constexpr int kFanMenuButton = 3;
inline constexpr int kPumpMenuButton = 4;
inline constexpr int kRecordingButton = 5;
inline constexpr int kLogViewerButton = 6;
inline constexpr int kCommandButtons = 7;

// What the keys ask of the window.
class CommandSurface {
public:
    virtual ~CommandSurface() = default;
    // Pops up the fan or pump menu under its command button.
    virtual void popupOutputMenu(OutputKind kind) = 0;
    virtual void focusCommandButton(int index) = 0;
    virtual void focusNameBox(int index) = 0;
    // Whether the command button exists (buttons of windows not built yet are left out).
    virtual bool hasCommandButton(int index) const = 0;
    // Moves the focus on as the Tab key would.
    virtual void focusNextControl() = 0;
};

class MainKeys {
public:
    MainKeys(const Settings& settings, OutputLevels& levels, CommandSurface& surface)
        : m_settings(settings), m_levels(levels), m_surface(surface) {}

    // Commands of other areas, set when those areas are wired.
    std::function<void()> openOptions;          // Ctrl+S, button 0
    std::function<void()> openAlarmSettings;    // Ctrl+A, button 1
    std::function<void()> openShutdownSettings; // Ctrl+D, button 2
    std::function<void(bool silent)> setAlarmMode; // F5 silent, F6 alarm mode
    std::function<void()> openRecordingSettings; // Ctrl+L, button 5
    std::function<void()> openLogViewer;         // Ctrl+V, button 6
    std::function<void()> hideWindow;            // Ctrl+H
    std::function<void()> confirmExit;           // Ctrl+X
    std::function<void()> restartScan;           // Shift+S; the link restarts only a stopped scan
    std::function<void()> switchFanBarStyle;     // Shift+V
    std::function<void(int group)> chooseGraphGroup; // Shift+T, F, P, M: groups 1..4

    // True when the key was a command (the window then swallows it).
    bool Form_KeyDown(const KeyPress& press);
    void xCtl_Button2_Click(int index);
    bool xCtl_Button2_KeyDown(int index, Key key);
    // Enter and Up walk the name boxes the controller type shows, Down moves on as Tab would.
    bool txtTname_KeyDown(int box, Key key);

private:
    static bool run(const std::function<void()>& command);
    bool shiftKey(char letter);
    bool ctrlKey(char letter);
    // Focuses the first command button that exists from `from` on in direction `step`.
    bool focusButtonFrom(int from, int step);

    const Settings& m_settings;
    OutputLevels& m_levels;
    CommandSurface& m_surface;
};

} // namespace vrx
