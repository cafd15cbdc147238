#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "util/jtext.h"

namespace torvane {

// Jw_cad text measure on the drawing's cells: a half-width character takes half the cell of a
// full-width one.

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
