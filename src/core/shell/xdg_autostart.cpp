#include "shell/xdg_autostart.h"

#include <cstdlib>
#include <filesystem>

#include "iface/file_access.h"

namespace vrx {

namespace {

// Marks an entry as this program's own.
constexpr const char* kOwnerLine = "X-vrx-Autostart=true";

// The escapes every desktop entry string value takes.
std::string stringValue(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

std::string desktopExecArgument(const std::string& arg) {
    std::string quoted = "\"";
    for (const char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
        if (c == '%') quoted += '%'; // a single one would start a field code
    }
    quoted += '"';
    return stringValue(quoted);
}

std::string autostartEntryText(const std::string& exePath, const std::string& appDir, bool hidden) {
    std::string exec = desktopExecArgument(exePath);
    if (!appDir.empty()) exec += " --app-dir " + desktopExecArgument(appDir);
    const char* flag = hidden ? "true" : "false";
    return std::string("[Desktop Entry]\nType=Application\nName=VRX\n") +
           "Comment=Monitor and drive a liquid-cooling controller on a serial port\nExec=" + exec +
           "\nIcon=vrx\nTerminal=false\nX-GNOME-Autostart-enabled=" + (hidden ? "false" : "true") +
           "\nHidden=" + flag + "\n" + kOwnerLine + "\n";
}

bool isOwnAutostartEntry(const std::string& text) {
    if (text.find(std::string("\n") + kOwnerLine + "\n") != std::string::npos) return true;
    // Entries written before the owner line existed start a program named vrx, quoted.
    const std::size_t exec = text.find("\nExec=\"");
    if (exec == std::string::npos) return false;
    const std::size_t end = text.find('\n', exec + 1);
    const std::string line = text.substr(exec + 1, end == std::string::npos ? std::string::npos : end - exec - 1);
    return line.size() >= 5 && line.compare(line.size() - 5, 5, "/vrx\"") == 0;
}

XdgAutoStart::XdgAutoStart(std::string entryPath, std::string exePath, std::string appDir)
    : m_entryPath(std::move(entryPath)), m_exePath(std::move(exePath)), m_appDir(std::move(appDir)) {}

std::string XdgAutoStart::defaultEntryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = config && *config == '/' ? std::filesystem::path(config)
                                                                : std::filesystem::path(home ? home : "") / ".config";
    return (base / "autostart" / "RURu2.desktop").string();
}

void XdgAutoStart::install() {
    std::string existing;
    const FileOutcome found = fileAccess().read(m_entryPath, 64 * 1024, existing);
    if (found.ok() && !isOwnAutostartEntry(existing)) return; // someone else's entry
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_entryPath).parent_path(), ec);
    fileAccess().write(m_entryPath, autostartEntryText(m_exePath, m_appDir, false));
}

void XdgAutoStart::uninstall() {
    std::string existing;
    // No entry, or not ours: nothing of ours starts, so there is nothing to switch off.
    if (!fileAccess().read(m_entryPath, 64 * 1024, existing).ok() || !isOwnAutostartEntry(existing)) return;
    fileAccess().write(m_entryPath, autostartEntryText(m_exePath, m_appDir, true));
}

} // namespace vrx
