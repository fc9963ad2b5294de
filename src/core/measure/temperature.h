#pragma once
// Temperature codes as the controller reports them, and their texts in Celsius or Fahrenheit.
#include <cstdint>
#include <string>

namespace vrx {

inline constexpr int kTempCodeOffset = 62;   // degrees C = code - 62
inline constexpr int kTempCodeMin = 32;      // -30 C
inline constexpr int kTempCodeMax = 192;     // 130 C
inline constexpr int kSensorOpenCode = 1;    // shown as "S-0"
inline constexpr int kSensorShortCode = 254; // shown as "S-S"
inline constexpr int kUnitCelsius = 1;

bool isValidTempCode(int code);

// Nearest whole degree Fahrenheit of a whole degree Celsius.
int celsiusToFahrenheit(int celsius);

// Whole C of a valid code ("-30".."130"); "" for any other code.
std::string mPlayTemp(int code);

// A whole C value in the display unit, without unit text: unit 1 as is, else Fahrenheit.
std::string gTempFVal(int celsius, int unit);

// Main-window text of a code: "35 C" or "95 F"; "" outside the valid codes.
std::string TempText(int code, int tempUnit);

} // namespace vrx
