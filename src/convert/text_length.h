#pragma once
#include <string_view>

namespace torvane {

// Length of a text from its characters, as Jw_cad lays it out: in the ANSI code page
// (Shift-JIS) a double-byte character advances by `width`, any other by width / 2; between
// consecutive characters a double-byte character adds `spacing`, any other spacing / 2.
double TextLengthFromCharacters(std::u16string_view text, double width, double spacing);

}  // namespace torvane
