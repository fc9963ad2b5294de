#pragma once
// A power-off that never reaches the machine: it accepts or refuses as the test says and counts.
#include <string>

#include "iface/power_off.h"

namespace vrx::test {

class FakePowerOff : public PowerOff {
public:
    bool accept = true;
    std::string refusal = "not allowed";
    int calls = 0;
    bool requestPowerOff(std::string& reason) override {
        ++calls;
        if (accept) return true;
        reason = refusal;
        return false;
    }
};

} // namespace vrx::test
