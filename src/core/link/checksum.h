#pragma once
#include <cstddef>
#include <cstdint>

namespace vrx {

// The one checksum of the protocol: the sum of the covered bytes modulo 256.
template <typename It> std::uint8_t Checksum8(It first, It last) {
    unsigned sum = 0;
    for (; first != last; ++first) sum += static_cast<unsigned>(*first) & 0xFFu;
    return static_cast<std::uint8_t>(sum % 256u);
}

} // namespace vrx
