#pragma once
#include <windows.h>

#include <chrono>

namespace torvane::test {

// Polls `condition` every 10 ms until it holds or `milliseconds` have passed.
template <class Condition>
bool WaitFor(Condition condition, int milliseconds = 5000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < until) {
        if (condition()) return true;
        Sleep(10);
    }
    return condition();
}

}  // namespace torvane::test
