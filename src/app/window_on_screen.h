#pragma once
#include <span>

#include "app/palette_layout.h"

namespace torvane {

// Where a window shows: `window` itself while at least half of it lies inside the monitors'
// work areas (which do not overlap); otherwise moved into `nearest`, the work area of the monitor
// nearest to it, keeping its size where that fits and shrunk to the work area where it does not.
TRect WindowOnScreen(const TRect& window, std::span<const TRect> work_areas, const TRect& nearest);

}  // namespace torvane
