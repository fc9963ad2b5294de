#pragma once
#include <cstdint>

namespace vrx {

struct LocalDateTime {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

// Wall clock for texts and stamps, plus a monotonic millisecond count for waits.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
    virtual std::int64_t monotonicMs() const = 0;
};

} // namespace vrx
