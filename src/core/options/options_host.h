#pragma once
// What the options dialog needs from the rest of the program: the link for manual scanning and
// for a new port, start at login, the live graph, the system file and the error log.
#include <string>

namespace vrx {

class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    virtual void startScan() = 0;
    virtual void stopLink() = 0;
    virtual void setAutoStart(bool on) = 0;
    // Colours, series or the group shown changed.
    virtual void refreshGraph() = 0;
    virtual void saveSystemFile() = 0;
    virtual void logError(const std::string& procedure, const std::string& description) = 0;
};

} // namespace vrx
