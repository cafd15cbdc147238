#pragma once
#include <string>
#include <string_view>

namespace torvane {

// s with half-width characters made full-width: voiced half-width katakana pairs become one
// character, ASCII becomes U+FF01..U+FF5E except '"' → ”, '\'' → ’, '\\' → ￥, ' ' → U+3000,
// half-width katakana become their full-width forms (ﾞ → ゛, ﾟ → the degree sign °).
std::u16string ToFullWidth(std::u16string_view s);

}  // namespace torvane
