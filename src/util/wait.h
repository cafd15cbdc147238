#pragma once
#include "platform/clock.h"

namespace torvane {

// Blocks the calling thread for x seconds (rounded to milliseconds; nothing when x is not
// positive) without handling window messages.
void WaitSec(double x, const Clock& clock = SystemClock());

}  // namespace torvane
