#include "shell/tray_menu.h"

#include <stdexcept>

#include "diag/messages.h"

namespace vrx {

namespace {
constexpr const char* kLicenceLine = "Provided as is, without warranty of any kind.";
}

std::string aboutText(const std::string& appDir) {
    return MessageText(100) + " v." + VRX_VERSION_TEXT + "\nData folder: " + appDir + "\n" + kLicenceLine;
}

const std::function<void()>* TopVRXMenu::hookFor(int index) const {
    switch (index) {
    case tray_item::Help: return &m_hooks.openHelp;
    case tray_item::PumpCharacteristics: return &m_hooks.openPumpCharacteristics;
    case tray_item::LogViewer: return &m_hooks.openLogViewer;
    case tray_item::Settings: return &m_hooks.openSettings;
    default: return nullptr;
    }
}

std::array<TrayMenuItem, tray_item::Count> TopVRXMenu::items() const {
    const SysMain& sys = m_settings.sys;
    std::array<TrayMenuItem, tray_item::Count> items{{
        {"Start at Login", true, sys.AutoStart == 1},
        {"Always on Top", true, sys.AlwaysOnTop == kTrue},
        {"Disable Mouseover Window", true, sys.HoverPopupOff == kTrue},
        {"-"},
        {"Help"},
        {"About"},
        {"Pump Characteristics"},
        {"Log Viewer"},
        {"Settings"},
        {"-"},
        {"End(&X)"},
    }};
    for (int i = 0; i < tray_item::Count; ++i) {
        const auto* hook = hookFor(i);
        if (hook && !*hook) items[static_cast<std::size_t>(i)].enabled = false;
    }
    return items;
}

void TopVRXMenu::gAutoStart(bool on) {
    m_settings.sys.AutoStart = on ? 1 : 0;
    try {
        if (on) m_autoStarter.install();
        else m_autoStarter.uninstall();
    } catch (const std::exception& e) {
        // The setting keeps what the user asked for; the entry is written again at the next start.
        m_host.logError("ModSub.gAutoStart", e.what());
    }
    m_host.saveSystemFile();
}

void TopVRXMenu::choose(int index) {
    SysMain& sys = m_settings.sys;
    try {
        switch (index) {
        case tray_item::StartAtLogin: gAutoStart(sys.AutoStart != 1); break;
        case tray_item::AlwaysOnTop:
            sys.AlwaysOnTop = sys.AlwaysOnTop == kTrue ? kFalse : kTrue;
            m_host.applyAlwaysOnTop(sys.AlwaysOnTop == kTrue);
            m_host.saveSystemFile();
            break;
        case tray_item::DisableHover:
            sys.HoverPopupOff = sys.HoverPopupOff == kTrue ? kFalse : kTrue;
            m_host.saveSystemFile();
            break;
        case tray_item::About:
            m_dialogs.standardBox(MessageText(100), aboutText(m_appDir), BoxIcon::Information, BoxButtons::Ok);
            break;
        case tray_item::End: m_host.confirmExit(); break;
        default:
            if (const auto* hook = hookFor(index); hook && *hook) (*hook)();
            break;
        }
    } catch (const std::exception& e) {
        m_host.logError("FrmPopup.menu_Click", e.what());
    }
}

} // namespace vrx
