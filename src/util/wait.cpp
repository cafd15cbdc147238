#include "util/wait.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace torvane {

void WaitSec(double x, const Clock& clock) {
    if (!(x > 0)) return;
    constexpr double kMaxMilliseconds = std::numeric_limits<std::uint32_t>::max();
    const double milliseconds = std::min(std::round(x * 1000.0), kMaxMilliseconds);
    if (milliseconds >= 1) clock.Sleep(static_cast<std::uint32_t>(milliseconds));
}

}  // namespace torvane
