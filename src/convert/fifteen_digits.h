#pragma once

namespace torvane {

// x rounded to 15 significant digits, as its shortest general decimal text reads back;
// values that are not finite are returned unchanged.
double FifteenDigits(double x);

}  // namespace torvane
