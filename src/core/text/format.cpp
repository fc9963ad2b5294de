#include "text/format.h"

#include <cmath>
#include <cstdio>

namespace vrx {

double roundHalfEven(double value) {
    // Independent of the floating-point rounding mode, and cheap enough for every drawn point.
    const double r = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return r;
}

std::string formatThousands(std::int64_t value) {
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return negative ? "-" + out : out;
}

std::string formatFixed(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double scaled = roundHalfEven(value * scale);
    if (scaled == 0.0) scaled = 0.0; // no "-0.0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, scaled / scale);
    return buf;
}

namespace {
int hour12(int hour) {
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}
const char* amPm(int hour) { return hour < 12 ? "AM" : "PM"; }
} // namespace

std::string formatLongTime(const LocalDateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", hour12(t.hour), t.minute, t.second, amPm(t.hour));
    return buf;
}

std::string formatGeneralDateTime(const LocalDateTime& t) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d/%d/%d ", t.month, t.day, t.year);
    return buf + formatLongTime(t);
}

std::string formatShortStamp(const LocalDateTime& t) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%02d %02d:%02d:%02d", t.month, t.day, t.year % 100, t.hour,
                  t.minute, t.second);
    return buf;
}

} // namespace vrx
