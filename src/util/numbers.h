#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace torvane {

// The integer written in s: optional sign, then decimal digits or hexadecimal digits after "$"
// (hexadecimal up to 32 bits, read as a two's-complement value). Leading spaces are skipped.
// 0 when s is empty, not entirely a number, or out of range.
int ValInt(std::u16string_view s);

// The real number written in s with "." as decimal point and an optional exponent;
// 0 when s is empty, malformed or out of range.
double ValReal(std::u16string_view s);

// True when s upper-cased is "T", "TR", "TRU", "TRUE", "1", "１", "○", "ON", "真" or "正".
bool ValBool(std::u16string_view s);

// "1" or "0".
std::u16string BoolStr(bool b);

// n in decimal.
std::u16string IntStr(std::int64_t n);

// x with exactly n decimals (n clamped to 0..18). The value is taken to 15 significant digits
// and rounded half away from zero, so 1.25 gives "1.3" and 0.15 gives "0.2".
std::u16string FixStr(int n, double x);

// As FixStr, with "," separating thousands: 1234567.891 with 2 decimals is "1,234,567.89".
std::u16string NumStr(int n, double x);

// x rounded to d decimals (d from 1 to 9; any other d means 0 decimals) on its magnitude:
// mode 0 truncates, mode 1 rounds up (adds 0.9999999999 before truncating), any other mode
// rounds half up; the sign of x is kept.
double RoundDigits(int d, int mode, double x);

// x is neither NaN nor infinite.
bool IsFiniteNum(double x);

void SwapDbl(double& a, double& b);

}  // namespace torvane
