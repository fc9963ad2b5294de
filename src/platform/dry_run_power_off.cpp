#include "dry_run_power_off.h"

#include <cstdio>

namespace vrx {

bool DryRunPowerOff::requestPowerOff(std::string& reason) {
    reason.clear();
    std::fprintf(stderr, "%s\n", kMessage);
    std::fflush(stderr);
    return true;
}

} // namespace vrx
