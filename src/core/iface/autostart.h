#pragma once

namespace vrx {

// Starting the program with the user's desktop session.
class AutoStarter {
public:
    virtual ~AutoStarter() = default;
    virtual void install() = 0;   // register the program
    virtual void uninstall() = 0; // keep the entry, but switched off
};

} // namespace vrx
