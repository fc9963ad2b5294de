#pragma once
// Powers the computer off through systemd-logind on the system bus.
#include <QString>

#include "iface/power_off.h"

namespace vrx {

// Whether a CanPowerOff answer lets the program go on to ask for the power-off. "challenge" goes
// on too: logind itself then decides, and its refusal comes back as an error.
bool canPowerOffAllows(const QString& answer);

// Never construct this in a test: a successful request powers the machine off.
class LogindPowerOff : public PowerOff {
public:
    bool requestPowerOff(std::string& reason) override;
};

} // namespace vrx
