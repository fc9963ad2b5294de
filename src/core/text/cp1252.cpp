#include "text/cp1252.h"

#include <array>
#include <cstdint>

namespace vrx {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five undefined bytes, kept as C1 controls.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t byteToCodePoint(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        char32_t cp = kHigh[b - 0x80];
        return cp != 0 ? cp : b;
    }
    return b;
}

int codePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp || (kHigh[i] == 0 && cp == 0x80 + i)) return static_cast<int>(0x80 + i);
    return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) appendUtf8(out, byteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
        const bool truncated = extra > 0 && i + static_cast<std::size_t>(extra) >= utf8.size();
        if (extra < 0 || truncated) {
            out += '?';
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? lead : (lead & (0x3F >> extra));
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto cont = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((cont & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (cont & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        const int b = codePointToByte(cp);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

} // namespace vrx
