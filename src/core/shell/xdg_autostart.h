#pragma once
// Starting with the desktop session through an XDG autostart entry.
#include <string>

#include "iface/autostart.h"

namespace vrx {

// One argument of a desktop entry's Exec line: quoted, with the characters the Exec rules reserve
// escaped, '%' doubled, then escaped again as a desktop entry string value.
std::string desktopExecArgument(const std::string& arg);

// The entry that starts the program at exePath, with "--app-dir appDir" when appDir is not "".
std::string autostartEntryText(const std::string& exePath, const std::string& appDir, bool hidden);

// Whether an entry's text is one this program wrote (only those are ever changed).
bool isOwnAutostartEntry(const std::string& text);

// Switching it off keeps the entry but marks it hidden, so the desktop skips it; a file of the same
// name that another program or the user wrote is left alone. Failures are not reported: the
// setting keeps what the user chose and the entry is written again at the next start.
class XdgAutoStart : public AutoStarter {
public:
    // appDir: the data folder to pass on, "" when it is the default one.
    XdgAutoStart(std::string entryPath, std::string exePath, std::string appDir = {});
    void install() override;
    void uninstall() override;
    // $XDG_CONFIG_HOME/autostart/RURu2.desktop, or ~/.config/autostart/RURu2.desktop.
    static std::string defaultEntryPath();

private:
    std::string m_entryPath;
    std::string m_exePath;
    std::string m_appDir;
};

} // namespace vrx
