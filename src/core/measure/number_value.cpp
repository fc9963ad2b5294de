#include "measure/number_value.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace vrx {

namespace {
bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
// The text between leading and trailing blanks, as [begin, end).
std::pair<std::size_t, std::size_t> withoutBlanks(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return {begin, end};
}
} // namespace

std::optional<double> numberValue(const std::string& text) {
    auto [begin, end] = withoutBlanks(text);

    // Rebuild a plain C-locale number, dropping the thousands separators on the way.
    std::string plain;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    bool wholeDigits = false;
    for (; i < end && (isDigit(text[i]) || text[i] == ','); ++i) {
        if (text[i] == ',') {
            if (!wholeDigits) return std::nullopt; // a separator needs a digit before it
            continue;
        }
        wholeDigits = true;
        plain += text[i];
    }
    bool fractionDigits = false;
    if (i < end && text[i] == '.') {
        plain += text[i++];
        for (; i < end && isDigit(text[i]); ++i) {
            fractionDigits = true;
            plain += text[i];
        }
    }
    if (!wholeDigits && !fractionDigits) return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += text[i++];
        if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        bool exponentDigits = false;
        for (; i < end && isDigit(text[i]); ++i) {
            exponentDigits = true;
            plain += text[i];
        }
        if (!exponentDigits) return std::nullopt;
    }
    if (i != end) return std::nullopt;

    const double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> wholeNumberIn(const std::string& text, int min, int max) {
    auto [begin, end] = withoutBlanks(text);
    bool negative = false;
    if (begin < end && (text[begin] == '+' || text[begin] == '-')) negative = text[begin++] == '-';
    if (begin == end) return std::nullopt;
    long long value = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!isDigit(text[i])) return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 1'000'000'000LL) return std::nullopt; // far past any range asked for
    }
    if (negative) value = -value;
    if (value < min || value > max) return std::nullopt;
    return static_cast<int>(value);
}

} // namespace vrx
