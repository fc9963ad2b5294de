#pragma once
// The fan and pump outputs as one area: the guarded frame bytes, the level commands and auto mode.
#include "outputs/auto_mode.h"
#include "outputs/output_levels.h"

namespace vrx {

class Outputs {
public:
    Outputs(Settings& settings, ControllerState& state, OutputsHost& host)
        : bytes(state, [&host](const std::string& procedure, const std::string& description) {
              host.logError(procedure, description);
          }),
          levels(settings, bytes, host), autoMode(settings, state, bytes) {}

    OutputBytes bytes;
    OutputLevels levels;
    AutoMode autoMode;
};

} // namespace vrx
