#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "util/numbers.h"

namespace torvane {
namespace {

constexpr int kSignificant = 15;
constexpr int kMaxDecimals = 18;

// |x| × 10^decimals rounded half away from zero, as decimal digits, from x taken to
// 15 significant digits (the precision at which doubles are shown).
std::string ScaledDigits(double x, int decimals) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific, kSignificant - 1);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    const int exponent = std::stoi(text.substr(e + 1));

    const int integer_digits = exponent + 1 + decimals;
    if (integer_digits < 0) return "0";
    if (integer_digits >= kSignificant) return digits + std::string(integer_digits - kSignificant, '0');
    const bool round_up = digits[integer_digits] >= '5';
    digits.resize(integer_digits);
    if (round_up) {
        int i = integer_digits - 1;
        for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
        if (i < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i];
    }
    return digits.empty() ? "0" : digits;
}

std::string GroupThousands(const std::string& integer) {
    std::string out;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) out += ',';
        out += integer[i];
    }
    return out;
}

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::u16string Decimal(int n, double x, bool grouped) {
    if (std::isnan(x)) return u"NAN";
    if (std::isinf(x)) return x < 0 ? u"-INF" : u"INF";
    n = std::clamp(n, 0, kMaxDecimals);
    std::string digits = ScaledDigits(x, n);
    if (digits.size() < static_cast<std::size_t>(n) + 1) digits.insert(0, n + 1 - digits.size(), '0');
    const std::string integer = digits.substr(0, digits.size() - n);
    const std::string fraction = digits.substr(digits.size() - n);
    const bool zero = std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
    std::string text = (x < 0 && !zero) ? "-" : "";
    text += grouped ? GroupThousands(integer) : integer;
    if (n > 0) text += '.' + fraction;
    return Widen(text);
}

}  // namespace

std::u16string FixStr(int n, double x) { return Decimal(n, x, false); }

std::u16string NumStr(int n, double x) { return Decimal(n, x, true); }

}  // namespace torvane
