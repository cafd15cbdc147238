#pragma once
#include <string>
#include <string_view>

namespace torvane {

// The form in which texts are compared when searching: full-width ASCII (Ａ, １, ＃) and the
// ideographic space become ASCII, ￥ and ￣ become \ and ~, half-width katakana become full-width
// (with ﾞ and ﾟ joined to the letter before: ｶﾞ → ガ, ﾊﾟ → パ), and Latin capitals become small
// letters. Everything else, text codes included, stays as written.
std::u16string SearchFold(std::u16string_view s);

// True when the folded text holds the folded needle; an empty needle matches nothing.
bool FoldedContains(std::u16string_view foldedText, std::u16string_view foldedNeedle);

}  // namespace torvane
