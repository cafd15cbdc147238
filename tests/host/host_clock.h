#pragma once
#include <windows.h>

namespace torvane::test {

// QueryPerformanceCounter in microseconds: one clock for the tests and the host processes.
inline long long NowMicroseconds() {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return now.QuadPart / frequency.QuadPart * 1000000 + now.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

}  // namespace torvane::test
