#pragma once
#include "iface/power_off.h"

namespace vrx {

// Stands in for the real power-off in demos and tests: it only says what it would have done.
class DryRunPowerOff : public PowerOff {
public:
    static constexpr const char* kMessage = "vrx: power-off requested (dry run)";
    bool requestPowerOff(std::string& reason) override;
};

} // namespace vrx
