#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace torvane::test {

// A clock that always shows `now` and does not wait.
class FixedClock final : public Clock {
public:
    FixedClock() = default;
    explicit FixedClock(LocalTime t) : now(t) {}
    LocalTime Now() const override { return now; }
    void Sleep(std::uint32_t) const override {}
    LocalTime now{2026, 12, 9, 14, 30, 5, 0};
};

}  // namespace torvane::test
