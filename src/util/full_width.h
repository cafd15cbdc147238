#pragma once
#include <string>
#include <string_view>

namespace torvane {

// s with half-width characters made full-width: voiced half-width katakana pairs become one
// character, ASCII becomes U+FF01..U+FF5E except '"' → ”, '\'' → ’, '\\' → ￥, ' ' → U+3000,
// half-width katakana become their full-width forms (ﾞ → ゛, ﾟ → the degree sign °).
std::u16string ToFullWidth(std::u16string_view s);

// The full-width form of one half-width katakana U+FF61..U+FF9F as ToFullWidth makes it; any
// other character unchanged.
char16_t FullWidthKatakana(char16_t c);
// s with each half-width katakana followed by ﾞ or ﾟ that makes one full-width character
// (ｶﾞ → ガ, ﾊﾟ → パ) made that character, and every other character mapped by `one`.
std::u16string JoinVoicedKatakana(std::u16string_view s, char16_t (*one)(char16_t));

}  // namespace torvane
