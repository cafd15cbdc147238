#include "util/search_fold.h"

#include "util/full_width.h"

namespace torvane {
namespace {

constexpr char16_t kIdeographicSpace = 0x3000;
constexpr char16_t kVoicedMark = 0xFF9E;      // ﾞ
constexpr char16_t kSemiVoicedMark = 0xFF9F;  // ﾟ

// Capital Latin letters (ASCII, Latin-1 and Latin Extended-A) as small letters.
char16_t LatinSmall(char16_t c) {
    if (c == 0x0178) return 0x00FF;
    if ((c >= u'A' && c <= u'Z') || (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7)) return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0100 && c <= 0x017F && c != 0x0130 && c != 0x0131 && c != 0x0138 && c != 0x0149 && c != 0x017F) {
        // Capitals and small letters alternate; from U+0139 to U+0148 and U+0179 on, capitals are odd.
        const bool odd_capitals = (c >= 0x0139 && c <= 0x0148) || c >= 0x0179;
        if ((c % 2 == 1) == odd_capitals) return static_cast<char16_t>(c + 1);
    }
    return c;
}

char16_t FoldOne(char16_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<char16_t>(c - 0xFEE0);
    else if (c == kIdeographicSpace) c = u' ';
    else if (c == 0xFFE5) c = u'\\';
    else if (c == 0xFFE3) c = u'~';
    else if (c == kVoicedMark) c = 0x309B;      // ゛
    else if (c == kSemiVoicedMark) c = 0x309C;  // ゜
    else c = FullWidthKatakana(c);
    return LatinSmall(c);
}

}  // namespace

std::u16string SearchFold(std::u16string_view s) { return JoinVoicedKatakana(s, FoldOne); }

bool FoldedContains(std::u16string_view foldedText, std::u16string_view foldedNeedle) {
    return !foldedNeedle.empty() && foldedText.find(foldedNeedle) != std::u16string_view::npos;
}

}  // namespace torvane
