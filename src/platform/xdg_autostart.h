#pragma once
#include <string>

#include "iface/autostart.h"

namespace vrx {

// Start with the desktop session through an XDG autostart entry. Switching it off keeps the
// entry but marks it hidden, so the desktop skips it.
class XdgAutoStart : public AutoStarter {
public:
    XdgAutoStart(std::string entryPath, std::string command);
    void install() override;
    void uninstall() override;
    static std::string defaultEntryPath();

private:
    void write(bool hidden);
    std::string m_entryPath;
    std::string m_command;
};

} // namespace vrx
