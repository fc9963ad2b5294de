#pragma once
// The tray icon's menu: its items with their check marks, and what each item does.
#include <array>
#include <functional>
#include <string>

#include "iface/autostart.h"
#include "iface/dialogs.h"
#include "settings/settings_record.h"

namespace vrx {

namespace tray_item {
inline constexpr int StartAtLogin = 0;
inline constexpr int AlwaysOnTop = 1;
inline constexpr int DisableHover = 2;
inline constexpr int Help = 4;
inline constexpr int About = 5;
inline constexpr int PumpCharacteristics = 6;
inline constexpr int LogViewer = 7;
inline constexpr int Settings = 8;
inline constexpr int End = 10;
inline constexpr int Count = 11;
} // namespace tray_item

struct TrayMenuItem {
    std::string caption; // "-" for a separator
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    bool separator() const { return caption == "-"; }
};

// What the menu asks of the program.
class TrayMenuHost {
public:
    virtual ~TrayMenuHost() = default;
    virtual bool saveSystemFile() = 0;
    virtual void applyAlwaysOnTop(bool onTop) = 0; // the main window, at once
    virtual void confirmExit() = 0;
    virtual void logError(const std::string& procedure, const std::string& description) = 0;
};

// Windows of other areas that the menu opens; an item whose command is not set is disabled.
struct TrayMenuHooks {
    std::function<void()> openHelp;
    std::function<void()> openPumpCharacteristics;
    std::function<void()> openLogViewer;
    std::function<void()> openSettings;
};

// "VRX cooling monitor v.2.1.30", the data folder and the licence, one per line.
std::string aboutText(const std::string& appDir);

class TopVRXMenu {
public:
    TopVRXMenu(Settings& settings, std::string appDir, AutoStarter& autoStarter, Dialogs& dialogs,
               TrayMenuHost& host, const TrayMenuHooks& hooks)
        : m_settings(settings), m_appDir(std::move(appDir)), m_autoStarter(autoStarter), m_dialogs(dialogs),
          m_host(host), m_hooks(hooks) {}

    // Asked each time the menu opens: the check marks follow the settings, whoever changed them.
    std::array<TrayMenuItem, tray_item::Count> items() const;
    // Runs item `index`; separators, disabled items and unknown indexes do nothing.
    void choose(int index);

    // Sets AutoStart, registers or unregisters the program and saves.
    void gAutoStart(bool on);

private:
    const std::function<void()>* hookFor(int index) const;

    Settings& m_settings;
    std::string m_appDir;
    AutoStarter& m_autoStarter;
    Dialogs& m_dialogs;
    TrayMenuHost& m_host;
    const TrayMenuHooks& m_hooks;
};

} // namespace vrx
