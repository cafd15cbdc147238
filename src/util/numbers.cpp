#include "util/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "util/strings.h"

namespace torvane {
namespace {

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}

// ASCII copy of s, or nothing when s holds any other character.
std::string AsciiOf(std::u16string_view s, bool& ok) {
    std::string out;
    out.reserve(s.size());
    ok = true;
    for (char16_t c : s) {
        if (c > 0x7F) {
            ok = false;
            return {};
        }
        out += static_cast<char>(c);
    }
    return out;
}

}  // namespace

int ValInt(std::u16string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == u' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
    if (i == s.size()) return 0;
    std::int64_t value = 0;
    if (s[i] == u'$') {
        if (++i == s.size()) return 0;
        for (; i < s.size(); ++i) {
            const int digit = HexDigit(s[i]);
            if (digit < 0) return 0;
            value = value * 16 + digit;
            if (value > 0xFFFFFFFFLL) return 0;
        }
        const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        return negative ? static_cast<int>(-static_cast<std::int64_t>(bits)) : bits;
    }
    for (; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9') return 0;
        value = value * 10 + (s[i] - u'0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1) return 0;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return 0;
    return static_cast<int>(value);
}

double ValReal(std::u16string_view s) {
    while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
    bool ascii = false;
    std::string text = AsciiOf(s, ascii);
    if (!ascii || text.empty()) return 0.0;
    // Only plain decimal notation: from_chars would also take "inf", "nan" and hexadecimal.
    std::size_t i = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == start) return 0.0;
    }
    if (i != text.size()) return 0.0;
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return 0.0;
    return value;
}

bool ValBool(std::u16string_view s) {
    static constexpr std::u16string_view kTrue[] = {u"T",  u"TR", u"TRU", u"TRUE", u"1",
                                                    u"１", u"○", u"ON",  u"真",   u"正"};
    const std::u16string upper = UpperStr(s);
    for (std::u16string_view word : kTrue)
        if (upper == word) return true;
    return false;
}

std::u16string BoolStr(bool b) { return b ? u"1" : u"0"; }

std::u16string IntStr(std::int64_t n) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::u16string(buffer, result.ptr);
}

double RoundDigits(int d, int mode, double x) {
    if (d < 1 || d > 9) d = 0;
    const double scale = std::pow(10.0, d);
    double m = std::fabs(x) * scale;
    if (mode == 1)
        m += 0.9999999999;
    else if (mode != 0)
        m += 0.5;
    m = std::trunc(m) / scale;
    return std::signbit(x) ? -m : m;
}

bool IsFiniteNum(double x) { return std::isfinite(x); }

void SwapDbl(double& a, double& b) { std::swap(a, b); }

}  // namespace torvane
