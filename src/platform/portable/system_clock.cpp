#include "platform/clock.h"

#include <ctime>

namespace torvane {
namespace {

LocalTime FromTm(const std::tm& tm, int millisecond) {
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, millisecond};
}

class PosixClock final : public Clock {
public:
    LocalTime Now() const override {
        struct timespec ts {};
        clock_gettime(CLOCK_REALTIME, &ts);
        std::tm tm{};
        localtime_r(&ts.tv_sec, &tm);
        return FromTm(tm, static_cast<int>(ts.tv_nsec / 1000000));
    }
    void Sleep(std::uint32_t milliseconds) const override {
        struct timespec left {static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
        while (nanosleep(&left, &left) != 0) {
        }
    }
};

}  // namespace

Clock& SystemClock() {
    static PosixClock clock;
    return clock;
}

LocalTime LocalTimeOfFileTime(std::int64_t ticks) {
    const std::time_t seconds = static_cast<std::time_t>(ticks / 10000000 - 11644473600LL);
    std::tm tm{};
    localtime_r(&seconds, &tm);
    return FromTm(tm, static_cast<int>(ticks % 10000000 / 10000));
}

}  // namespace torvane
