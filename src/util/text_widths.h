#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace torvane {

// Widths of Jw_cad texts: a half-width character takes half the width of a full-width one,
// and the spacing after it is halved too. A surrogate pair is one full-width character.

// ch is half-width: U+0020..U+007E or a half-width katakana U+FF61..U+FF9F.
bool IsHalfChar(char16_t ch);

// Number of UTF-16 units of the character starting at index i (2 for a surrogate pair).
std::size_t CharUnitsAt(std::u16string_view s, std::size_t i);

// True when the character at index i is half-width.
bool IsHalfWidthAt(std::u16string_view s, std::size_t i);

// True when s holds nothing but blanks (" ", "　" and control characters).
bool IsBlankText(std::u16string_view s);

// Length of s from its Shift-JIS bytes (whatever the system code page): w per full-width character (a lead byte and the
// byte after it), w / 2 per other byte, plus after every character but the last sp or sp / 2 by
// the same character's width.
double TextLenAnsi(std::u16string_view s, double w, double sp);

// The same on the characters of s; characters below the space add no width but are followed
// by a full-width spacing.
double TextLen(std::u16string_view s, double w, double sp);

// As TextLen, the drawing's measure: a character below the space is as wide as a full-width one.
double TextWidth(std::u16string_view s, double w, double sp);

// Over all characters of s except the last: 1 for each half-width character, 2 for each other
// character not below the space.
int HalfUnits(std::u16string_view s);

// The drawing's cells: 1 per half-width, 2 per other character (below the space included), over
// all characters of s / all but the last.
int TextUnits(std::u16string_view s);
int TextUnitsButLast(std::u16string_view s);

}  // namespace torvane
