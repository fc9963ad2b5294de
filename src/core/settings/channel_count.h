#pragma once
// How many temperature channels the controller has; the settings, the auto curves and the
// recordings all count them.
namespace vrx {

inline constexpr int kTempChannels = 10;

} // namespace vrx
