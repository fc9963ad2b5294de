#pragma once
#include "iface/clock.h"

namespace vrx::test {

// A clock that moves only when told to.
class FakeClock : public Clock {
public:
    LocalDateTime wall{2026, 12, 8, 21, 30, 5};
    std::int64_t ms = 0;
    LocalDateTime now() const override { return wall; }
    std::int64_t monotonicMs() const override { return ms; }
    void advanceMs(std::int64_t delta) {
        ms += delta;
        const std::int64_t total = wall.second + wall.minute * 60 + wall.hour * 3600 + ms / 1000 - (ms - delta) / 1000;
        wall.second = static_cast<int>(total % 60);
        wall.minute = static_cast<int>((total / 60) % 60);
        wall.hour = static_cast<int>((total / 3600) % 24);
    }
};

} // namespace vrx::test
