#pragma once
// Flow meter counts to litres or US gallons per minute, and the stored flow limits' unit.
#include <optional>
#include <string>

#include "settings/settings_record.h"

namespace vrx {

inline constexpr double kLitresPerGallon = 3.7853;
inline constexpr int kFlowUnitLpm = 1;
inline constexpr int kFlowUnitGpm = 2;

// Litres per minute per count of a meter model (1, else 2) on a tubing size (1, else 2).
double FlowFactor(int model, int tube);

// Litres per minute of a count on that meter.
double flowLpm(int count, int model, int tube);

// Flow text of the main window: "1.6 LPM" with unit 1, else "0.42 GPM".
std::string flowDisplayText(double lpm, int flowUnit);

// A flow limit text converted for a new unit: to LPM as "0.0", to GPM as "0.00".
// No value when the text is not a number.
std::optional<std::string> convertFlowLimit(const std::string& text, int newUnit);

// Converts FlowAlarmLimit and FlowShutdownLimit of both meters for the new unit. A text that is
// not a number is left as it is and the others still convert; returns false when that happened.
bool convertFlowLimits(PumpFlowSettings& pump, int newUnit);

} // namespace vrx
