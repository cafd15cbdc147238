#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace torvane {

// Widths of Jw_cad texts: a half-width character takes half the width of a full-width one,
// and the spacing after it is halved too.

// ch is half-width: U+0020..U+007E or a half-width katakana U+FF61..U+FF9F.
bool IsHalfChar(char16_t ch);

// Number of UTF-16 units of the character starting at index i (2 for a surrogate pair).
std::size_t CharUnitsAt(std::u16string_view s, std::size_t i);

// Length of s from its ANSI (Shift-JIS) bytes: w per full-width character (a lead byte and the
// byte after it), w / 2 per other byte, plus after every character but the last sp or sp / 2 by
// the same character's width.
double TextLenAnsi(std::u16string_view s, double w, double sp);

// The same on the characters of s (a surrogate pair is one full-width character); characters
// below the space add no width but are followed by a full-width spacing.
double TextLen(std::u16string_view s, double w, double sp);

// Over all characters of s except the last (a surrogate pair being one character): 1 for each
// half-width character, 2 for each other character not below the space.
int HalfUnits(std::u16string_view s);

// s with half-width characters made full-width: voiced half-width katakana pairs become one
// character, ASCII becomes U+FF01..U+FF5E except '"' → ”, '\'' → ’, '\\' → ￥, ' ' → U+3000,
// half-width katakana become their full-width forms (ﾞ → ゛, ﾟ → the degree sign °).
std::u16string ToFullWidth(std::u16string_view s);

// A date in the Japanese calendar: western year, era name and year of the era as decimal
// texts; era name and era year are empty before the Meiji era.
struct EraDateText {
    std::u16string year;
    std::u16string era;
    std::u16string era_year;
    bool operator==(const EraDateText&) const = default;
};

EraDateText EraDate(const LocalTime& t);

// The era of a date: its name and year, or no name and year 0 before the Meiji era. Without
// `reiwa` the newest era is left out (dates after April 2019 stay in Heisei).
struct JapaneseEra {
    std::u16string name;
    int year = 0;
};
JapaneseEra EraOf(const LocalTime& t, bool reiwa = true);

}  // namespace torvane
