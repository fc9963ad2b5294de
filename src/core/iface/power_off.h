#pragma once
// Asking the operating system to power the computer off.
#include <string>

namespace vrx {

class PowerOff {
public:
    virtual ~PowerOff() = default;
    // True when the request was accepted; otherwise `reason` says why it was refused or failed.
    virtual bool requestPowerOff(std::string& reason) = 0;
};

} // namespace vrx
