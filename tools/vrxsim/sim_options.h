#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vrxsim/event_script.h"

namespace vrxsim {

struct SimOptions {
    std::string appDir; // the link goes to <appDir>/ports/COM<port>
    int port = 1;       // 1..255
    int boardType = 2;  // 1 = small, 2 = full
    std::uint64_t seed = 1;
    std::vector<SimEvent> events;
    bool quiet = false; // leave out the "rx ..." lines
    // Receives each log line (no newline), on the simulator's thread. Empty: lines are dropped.
    std::function<void(const std::string&)> onLine;
};

} // namespace vrxsim
