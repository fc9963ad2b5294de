#pragma once
#include "iface/clock.h"

namespace vrx {

class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
    std::int64_t monotonicMs() const override;
};

} // namespace vrx
