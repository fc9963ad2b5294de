#pragma once
// The pump drive voltages. The controller has 32 voltage steps; these texts are the only voltage
// values the program knows, and no arithmetic is ever done on them.
#include <string>

namespace vrx {

inline constexpr int kVoltSteps = 32;

// Text of voltage step 1..32 ("7.58" .. "12.73"); 100 also gives "12.73", anything else "".
std::string VoltText(int step);

// Drive voltage of a pump whose control byte is b (0..31, one below the step); "" otherwise.
std::string PumpVoltText(int b);

} // namespace vrx
