#pragma once
#include <string>
#include <vector>

#include "vrxsim/sim_options.h"

namespace vrxsim {

struct CommandLine {
    SimOptions options;
    bool help = false;
    std::vector<std::string> errors; // empty when the options can be used
};

// The arguments after the program name. A --script file is read here.
CommandLine parseCommandLine(const std::vector<std::string>& args);

std::string usageText();

} // namespace vrxsim
