#pragma once
// Number and date texts in US English conventions, whatever the user's locale, so that files
// written on one machine read the same on another.
#include <cstdint>
#include <string>

#include "iface/clock.h"

namespace vrx {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

// "#,#0": 1500 -> "1,500", 0 -> "0", -1234 -> "-1,234".
std::string formatThousands(std::int64_t value);

// "0.0" / "0.00": fixed decimals of the decimal value, halves away from zero (23.85 -> "23.9").
std::string formatFixed(double value, int decimals);

// A number as its shortest decimal text that reads back the same, without exponent or grouping:
// 35 -> "35", 1.5 -> "1.5", -30 -> "-30".
std::string formatPlain(double value);

// "#,#0" of a fraction: rounded like formatFixed, then grouped (1499.5 -> "1,500").
std::string formatWhole(double value);

// General date-time: "12/8/2026 9:30:05 PM" (no leading zeros on month, day, hour).
std::string formatGeneralDateTime(const LocalDateTime& t);

// "mm/dd/yy hh:nn:ss": two-digit fields, 24-hour clock.
std::string formatShortStamp(const LocalDateTime& t);

// Long time: "9:30:05 PM".
std::string formatLongTime(const LocalDateTime& t);

} // namespace vrx
