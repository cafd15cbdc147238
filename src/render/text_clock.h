#pragma once
#include "platform/clock.h"

namespace torvane {

// The clock that "now" of the text codes is read from; the system clock unless a test sets one.
inline const Clock* TxtClock = nullptr;
inline LocalTime TextCodeNow() { return (TxtClock != nullptr ? *TxtClock : SystemClock()).Now(); }

}  // namespace torvane
