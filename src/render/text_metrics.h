#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace torvane {

// Jw_cad text measure: a half-width character takes half the cell of a full-width one.
bool IsHalfWidthChar(char16_t ch);
// Number of UTF-16 units of the character starting at index i (2 for a surrogate pair).
std::size_t CharUnitsAt(std::u16string_view s, std::size_t i);
// True when the character at index i is half-width (a surrogate pair is full-width).
bool IsHalfWidthAt(std::u16string_view s, std::size_t i);
// Width in half-width units: 1 per half-width, 2 per full-width character.
int TextUnits(std::u16string_view s);
// Width in units of s without its last character.
int TextUnitsButLast(std::u16string_view s);
// World width of s: w per full-width, w / 2 per half-width character, plus the spacing
// sp (sp / 2 after a half-width one) after every character but the last.
double TextWidth(std::u16string_view s, double w, double sp);
// True when s holds nothing but blanks (" ", "　" and control characters).
bool IsBlankText(std::u16string_view s);

}  // namespace torvane
