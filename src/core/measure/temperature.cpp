#include "measure/temperature.h"

#include "text/format.h"

namespace vrx {

bool isValidTempCode(int code) {
    return code >= kTempCodeMin && code <= kTempCodeMax;
}

int celsiusToFahrenheit(int celsius) {
    return static_cast<int>(roundHalfEven(celsius * 1.8 + 32.0));
}

std::string mPlayTemp(int code) {
    if (!isValidTempCode(code)) return {};
    return std::to_string(code - kTempCodeOffset);
}

std::string gTempFVal(int celsius, int unit) {
    if (unit == kUnitCelsius) return std::to_string(celsius);
    return std::to_string(celsiusToFahrenheit(celsius));
}

std::string TempText(int code, int tempUnit) {
    if (!isValidTempCode(code)) return {};
    const int celsius = code - kTempCodeOffset;
    if (tempUnit == kUnitCelsius) return std::to_string(celsius) + " C";
    return std::to_string(celsiusToFahrenheit(celsius)) + " F";
}

} // namespace vrx
