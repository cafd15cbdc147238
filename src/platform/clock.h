#pragma once
#include <compare>
#include <cstdint>

namespace torvane {

// A local calendar time, as the user's clock shows it.
struct LocalTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    auto operator<=>(const LocalTime&) const = default;
};

// The current time and blocking waits; tests inject a fixed clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
    // Blocks the calling thread without handling window messages.
    virtual void Sleep(std::uint32_t milliseconds) const = 0;
};

// The back end's real clock.
Clock& SystemClock();

// Local time of a FILETIME tick count (100 ns since 1601 UTC), in the system's time zone.
LocalTime LocalTimeOfFileTime(std::int64_t ticks);

}  // namespace torvane
