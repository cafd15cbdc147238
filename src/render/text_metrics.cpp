#include "render/text_metrics.h"

namespace torvane {

bool IsHalfWidthAt(std::u16string_view s, std::size_t i) {
    return CharUnitsAt(s, i) == 1 && IsHalfChar(s[i]);
}

int TextUnits(std::u16string_view s) {
    int units = 0;
    for (std::size_t i = 0; i < s.size(); i += CharUnitsAt(s, i)) {
        units += IsHalfWidthAt(s, i) ? 1 : 2;
    }
    return units;
}

int TextUnitsButLast(std::u16string_view s) {
    int units = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = CharUnitsAt(s, i);
        if (i + n >= s.size()) {
            break;
        }
        units += IsHalfWidthAt(s, i) ? 1 : 2;
        i += n;
    }
    return units;
}

double TextWidth(std::u16string_view s, double w, double sp) {
    double width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = CharUnitsAt(s, i);
        const bool half = IsHalfWidthAt(s, i);
        width += half ? w / 2 : w;
        i += n;
        if (i < s.size()) {
            width += half ? sp / 2 : sp;
        }
    }
    return width;
}

bool IsBlankText(std::u16string_view s) {
    for (char16_t ch : s) {
        if (ch > 0x20 && ch != u'\u3000') {
            return false;
        }
    }
    return true;
}

}  // namespace torvane
