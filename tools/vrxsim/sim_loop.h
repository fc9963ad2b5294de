#pragma once
// Runs the simulator in real time over a pty until told to stop or a quit event.
#include <atomic>

#include "vrxsim/pty_link.h"
#include "vrxsim/sim_options.h"

namespace vrxsim {

// `link` must already be open (its first open reports errors to the caller); the loop reopens
// it on a replug and closes it before returning. Returns 0, or 1 when a replug failed.
int runSimLoop(const SimOptions& options, PtyLink& link, const std::atomic<bool>& stop);

} // namespace vrxsim
