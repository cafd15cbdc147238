#include <string>

#include "util/encodings.h"
#include "util/jtext.h"

namespace torvane {
namespace {

bool IsLeadByte(unsigned char b) { return (b >= 0x80 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFD); }

}  // namespace

bool IsHalfChar(char16_t ch) { return (ch >= 0x20 && ch <= 0x7E) || (ch >= 0xFF61 && ch <= 0xFF9F); }

std::size_t CharUnitsAt(std::u16string_view s, std::size_t i) {
    const bool pair = i + 1 < s.size() && s[i] >= 0xD800 && s[i] <= 0xDBFF && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

double TextLenAnsi(std::u16string_view s, double w, double sp) {
    const std::string bytes = StrToAnsi(s);
    double length = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const bool full = IsLeadByte(static_cast<unsigned char>(bytes[i]));
        i += full ? 2 : 1;
        length += full ? w : w / 2;
        if (i < bytes.size()) length += full ? sp : sp / 2;
    }
    return length;
}

double TextLen(std::u16string_view s, double w, double sp) {
    double length = 0;
    for (std::size_t i = 0; i < s.size();) {
        const char16_t c = s[i];
        const bool half = IsHalfChar(c);
        i += CharUnitsAt(s, i);
        if (c >= 0x20) length += half ? w / 2 : w;
        if (i < s.size()) length += half ? sp / 2 : sp;
    }
    return length;
}

int HalfUnits(std::u16string_view s) {
    int units = 0;
    for (std::size_t i = 0; i < s.size();) {
        const char16_t c = s[i];
        i += CharUnitsAt(s, i);
        if (i >= s.size()) break;
        if (IsHalfChar(c))
            units += 1;
        else if (c >= 0x20)
            units += 2;
    }
    return units;
}

}  // namespace torvane
