#include "text/format.h"

#include <algorithm>
#include <charconv>
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

namespace {

// The value as the shortest decimal text that reads back as the same double, so that 23.85 is
// rounded as 23.85 and not as the binary 23.849999... it is stored as.
std::string shortestFixed(double value) {
    char buf[1100]; // room for the longest fixed text of a double
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (r.ec != std::errc()) return "0";
    return std::string(buf, r.ptr);
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Picture formats round the decimal value, halves away from zero.
std::string roundDecimal(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    std::string text = shortestFixed(value);
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    const std::size_t places = static_cast<std::size_t>(std::max(decimals, 0));
    const bool roundUp = fraction.size() > places && fraction[places] >= '5';
    fraction.resize(places, '0');
    std::string digits = whole + fraction;
    if (roundUp) incrementDigits(digits);
    whole = digits.substr(0, digits.size() - places);
    fraction = digits.substr(digits.size() - places);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !zero) ? "-" : ""; // no "-0.0"
    out += whole;
    if (places > 0) out += "." + fraction;
    return out;
}

} // namespace

std::string formatFixed(double value, int decimals) {
    return roundDecimal(value, decimals);
}

std::string formatPlain(double value) {
    return shortestFixed(value == 0 ? 0.0 : value);
}

std::string formatWhole(double value) {
    return formatThousands(std::stoll(roundDecimal(value, 0)));
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
