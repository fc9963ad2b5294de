#include "measure/flow.h"

#include "measure/number_value.h"
#include "text/format.h"

namespace vrx {

double FlowFactor(int model, int tube) {
    const bool smallTube = tube != 1;
    if (model == 1) return smallTube ? 0.276 : 0.304;
    return smallTube ? 0.159 : 0.251;
}

double flowLpm(int count, int model, int tube) {
    return count * FlowFactor(model, tube);
}

std::string flowDisplayText(double lpm, int flowUnit) {
    if (flowUnit == kFlowUnitLpm) return formatFixed(lpm, 1) + " LPM";
    return formatFixed(lpm / kLitresPerGallon, 2) + " GPM";
}

std::optional<std::string> convertFlowLimit(const std::string& text, int newUnit) {
    const std::optional<double> value = numberValue(text);
    if (!value) return std::nullopt;
    if (newUnit == kFlowUnitLpm) return formatFixed(*value * kLitresPerGallon, 1);
    return formatFixed(*value / kLitresPerGallon, 2);
}

bool convertFlowLimits(PumpFlowSettings& pump, int newUnit) {
    bool allConverted = true;
    for (std::size_t m = 0; m < pump.FlowAlarmLimit.size(); ++m) {
        for (std::string* limit : {&pump.FlowAlarmLimit[m], &pump.FlowShutdownLimit[m]}) {
            if (const auto converted = convertFlowLimit(*limit, newUnit)) {
                *limit = *converted;
            } else {
                allConverted = false;
            }
        }
    }
    return allConverted;
}

} // namespace vrx
