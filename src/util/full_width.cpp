#include "util/full_width.h"

#include <string>

namespace torvane {
namespace {

constexpr std::u16string_view kVoicedBases = u"ｳｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎﾊﾋﾌﾍﾎ";
constexpr std::u16string_view kVoicedMarks = u"ﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾞﾟﾟﾟﾟﾟ";
constexpr std::u16string_view kVoicedFull = u"ヴガギグゲゴザジズゼゾダヂヅデドバビブベボパピプペポ";
// Full-width forms of U+FF61..U+FF9F in order.
constexpr std::u16string_view kKatakanaFull =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛°";

static_assert(kVoicedBases.size() == 26 && kVoicedMarks.size() == 26 && kVoicedFull.size() == 26);
static_assert(kKatakanaFull.size() == 0xFF9F - 0xFF61 + 1);

// The full-width character of a half-width katakana followed by ﾞ or ﾟ; 0 when the pair makes none.
char16_t VoicedKatakana(char16_t base, char16_t mark) {
    for (std::size_t k = 0; k < kVoicedBases.size(); ++k)
        if (kVoicedBases[k] == base && kVoicedMarks[k] == mark) return kVoicedFull[k];
    return 0;
}

char16_t FullWidthChar(char16_t c) {
    switch (c) {
    case u' ': return u'\u3000';
    case u'"': return u'\u201D';
    case u'\'': return u'\u2019';
    case u'\\': return u'\uFFE5';
    default: break;
    }
    if (c >= 0x21 && c <= 0x7E) return static_cast<char16_t>(c + 0xFEE0);
    return FullWidthKatakana(c);
}

}  // namespace

char16_t FullWidthKatakana(char16_t c) { return c >= 0xFF61 && c <= 0xFF9F ? kKatakanaFull[c - 0xFF61] : c; }

std::u16string JoinVoicedKatakana(std::u16string_view s, char16_t (*one)(char16_t)) {
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i + 1 < s.size()) {
            if (const char16_t voiced = VoicedKatakana(s[i], s[i + 1])) {
                out += voiced;
                ++i;
                continue;
            }
        }
        out += one(s[i]);
    }
    return out;
}

std::u16string ToFullWidth(std::u16string_view s) { return JoinVoicedKatakana(s, FullWidthChar); }

}  // namespace torvane
