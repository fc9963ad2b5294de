#include "xdg_autostart.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vrx {

XdgAutoStart::XdgAutoStart(std::string entryPath, std::string command)
    : m_entryPath(std::move(entryPath)), m_command(std::move(command)) {}

std::string XdgAutoStart::defaultEntryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path base = config && *config ? config : std::filesystem::path(home ? home : "/tmp") / ".config";
    return (base / "autostart" / "RURu2.desktop").string();
}

void XdgAutoStart::write(bool hidden) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_entryPath).parent_path(), ec);
    std::ofstream out(m_entryPath, std::ios::trunc);
    out << "[Desktop Entry]\nType=Application\nName=VRX\nComment=Liquid cooling monitor\n"
        << "Exec=\"" << m_command << "\"\nTerminal=false\nX-GNOME-Autostart-enabled=" << (hidden ? "false" : "true")
        << "\nHidden=" << (hidden ? "true" : "false") << "\n";
}

void XdgAutoStart::install() { write(false); }
void XdgAutoStart::uninstall() { write(true); }

} // namespace vrx
