#include "util/text_widths.h"

#include <string>

#include "util/encodings.h"

namespace torvane {
namespace {

bool IsLeadByte(unsigned char b) { return (b >= 0x80 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFD); }

// How a character below the space counts: as a full-width character or as nothing.
enum class Controls { Full, Empty };

bool Counts(char16_t ch, Controls controls) { return controls == Controls::Full || ch >= 0x20; }

double Width(std::u16string_view s, double w, double sp, Controls controls) {
    double width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const char16_t ch = s[i];
        const bool half = IsHalfWidthAt(s, i);
        i += CharUnitsAt(s, i);
        if (Counts(ch, controls)) width += half ? w / 2 : w;
        if (i < s.size()) width += half ? sp / 2 : sp;
    }
    return width;
}

int Units(std::u16string_view s, bool but_last, Controls controls) {
    int units = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = CharUnitsAt(s, i);
        if (but_last && i + n >= s.size()) break;
        if (Counts(s[i], controls)) units += IsHalfWidthAt(s, i) ? 1 : 2;
        i += n;
    }
    return units;
}

}  // namespace

bool IsHalfChar(char16_t ch) { return (ch >= 0x20 && ch <= 0x7E) || (ch >= 0xFF61 && ch <= 0xFF9F); }

std::size_t CharUnitsAt(std::u16string_view s, std::size_t i) {
    const bool pair = i + 1 < s.size() && s[i] >= 0xD800 && s[i] <= 0xDBFF && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

bool IsHalfWidthAt(std::u16string_view s, std::size_t i) { return CharUnitsAt(s, i) == 1 && IsHalfChar(s[i]); }

bool IsBlankText(std::u16string_view s) {
    for (char16_t ch : s) {
        if (ch > 0x20 && ch != u'\u3000') return false;
    }
    return true;
}

double TextLenAnsi(std::u16string_view s, double w, double sp) {
    const std::string bytes = StrToSjis(s);
    double length = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const bool full = IsLeadByte(static_cast<unsigned char>(bytes[i]));
        i += full ? 2 : 1;
        length += full ? w : w / 2;
        if (i < bytes.size()) length += full ? sp : sp / 2;
    }
    return length;
}

double TextLen(std::u16string_view s, double w, double sp) { return Width(s, w, sp, Controls::Empty); }

double TextWidth(std::u16string_view s, double w, double sp) { return Width(s, w, sp, Controls::Full); }

int HalfUnits(std::u16string_view s) { return Units(s, true, Controls::Empty); }

int TextUnits(std::u16string_view s) { return Units(s, false, Controls::Full); }

int TextUnitsButLast(std::u16string_view s) { return Units(s, true, Controls::Full); }

}  // namespace torvane
