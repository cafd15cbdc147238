#include "convert/fifteen_digits.h"

#include <charconv>
#include <cmath>

namespace torvane {

double FifteenDigits(double x) {
    if (!std::isfinite(x)) return x;
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, x, std::chars_format::general, 15);
    double value = x;
    std::from_chars(text, written.ptr, value);
    return value;
}

}  // namespace torvane
