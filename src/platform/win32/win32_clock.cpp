#include <windows.h>

#include "platform/clock.h"

namespace torvane {
namespace {

LocalTime FromSystemTime(const SYSTEMTIME& st) {
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

class Win32Clock final : public Clock {
public:
    LocalTime Now() const override {
        SYSTEMTIME st{};
        GetLocalTime(&st);
        return FromSystemTime(st);
    }
    void Sleep(std::uint32_t milliseconds) const override { ::Sleep(milliseconds); }
};

}  // namespace

Clock& SystemClock() {
    static Win32Clock clock;
    return clock;
}

LocalTime LocalTimeOfFileTime(std::int64_t ticks) {
    const auto value = static_cast<std::uint64_t>(ticks);
    const FILETIME utc{static_cast<DWORD>(value & 0xFFFFFFFFu), static_cast<DWORD>(value >> 32)};
    FILETIME local{};
    SYSTEMTIME st{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return {};
    return FromSystemTime(st);
}

}  // namespace torvane
