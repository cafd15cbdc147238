#include "render/dimension_value.h"

#include "render/text_codes.h"
#include "util/full_width.h"
#include "util/numbers.h"

namespace torvane {

std::u16string DimensionValueText(double length, std::uint32_t flags, std::uint32_t marks) {
    if ((flags & 0x10) != 0) length /= 1000;
    const bool down = (flags & 0x100) != 0;
    const bool up = (flags & 0x200) != 0;
    const int mode = down && !up ? 0 : up && !down ? 1 : 2;
    const int decimals = static_cast<int>((flags / 4096) % 10);
    const double value = RoundDigits(decimals, mode, length);
    std::u16string text;
    if ((flags & 0x40) != 0) {
        text = NumStr(decimals, value);
        if ((flags & 0x80) == 0 && text.find(u'.') != std::u16string::npos) {
            while (!text.empty() && text.back() == u'0') text.pop_back();
            if (!text.empty() && text.back() == u'.') text.pop_back();
        }
    } else if ((flags & 0x80) != 0) {
        text = FixStr(decimals, value);
    } else {
        text = GeneralNumber(value);
    }
    const std::u16string mark = (marks & 0x100) != 0 ? u"R" : (marks & 0x200) != 0 ? u"φ" : u"";
    if (!mark.empty()) {
        if ((flags & 0x400) != 0) {
            text = mark + text;
        } else if ((flags & 0x800) != 0) {
            text += mark;
        }
    }
    if ((flags & 8) != 0) text = ToFullWidth(text);
    if ((flags & 0x20) != 0) text += (flags & 0x10) != 0 ? u"ｍ" : u"mm";
    return text;
}

}  // namespace torvane
