#pragma once
#include <string>

namespace vrx::app {

// Says that the data folder dir cannot be used and why: on standard error always, and in a message
// box when there is a screen to show it on. Returns the program's exit status.
int reportUnusableDataFolder(int argc, char** argv, const std::string& dir, const std::string& reason);

} // namespace vrx::app
