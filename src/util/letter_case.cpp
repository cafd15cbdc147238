#include "util/strings.h"

namespace torvane {
namespace {

// A block of letters whose lower-case form is a fixed distance above the upper-case one.
struct OffsetRange {
    char16_t upper_first;
    char16_t upper_last;
    int offset;  // lower = upper + offset
};

constexpr OffsetRange kOffsetRanges[] = {
    {u'A', u'Z', 0x20},         {0x00C0, 0x00D6, 0x20},     {0x00D8, 0x00DE, 0x20},
    {0x0391, 0x03A1, 0x20},     {0x03A3, 0x03AB, 0x20},     {0x0386, 0x0386, 0x26},
    {0x0388, 0x038A, 0x25},     {0x038C, 0x038C, 0x40},     {0x038E, 0x038F, 0x3F},
    {0x0410, 0x042F, 0x20},     {0x0400, 0x040F, 0x50},     {0xFF21, 0xFF3A, 0x20},
    {0x0178, 0x0178, 0x00FF - 0x0178},
};

// Blocks where upper- and lower-case letters alternate; `upper_even` tells which comes first.
struct PairedRange {
    char16_t first;
    char16_t last;
    bool upper_even;
};

constexpr PairedRange kPairedRanges[] = {
    {0x0100, 0x012F, true}, {0x0132, 0x0137, true}, {0x0139, 0x0148, false}, {0x014A, 0x0177, true},
    {0x0179, 0x017E, false}, {0x0460, 0x0481, true}, {0x048A, 0x04BF, true},
};

char16_t UpperChar(char16_t c) {
    if (c == 0x03C2) return 0x03A3;  // final sigma
    for (const OffsetRange& r : kOffsetRanges)
        if (c >= r.upper_first + r.offset && c <= r.upper_last + r.offset) return static_cast<char16_t>(c - r.offset);
    for (const PairedRange& r : kPairedRanges)
        if (c >= r.first && c <= r.last && ((c % 2 == 0) != r.upper_even)) return static_cast<char16_t>(c - 1);
    return c;
}

char16_t LowerChar(char16_t c) {
    for (const OffsetRange& r : kOffsetRanges)
        if (c >= r.upper_first && c <= r.upper_last) return static_cast<char16_t>(c + r.offset);
    for (const PairedRange& r : kPairedRanges)
        if (c >= r.first && c <= r.last && ((c % 2 == 0) == r.upper_even)) return static_cast<char16_t>(c + 1);
    return c;
}

template <typename Map>
std::u16string MapChars(std::u16string_view s, Map map) {
    std::u16string out(s);
    for (char16_t& c : out) c = map(c);
    return out;
}

}  // namespace

std::u16string UpperStr(std::u16string_view s) { return MapChars(s, UpperChar); }

std::u16string LowerStr(std::u16string_view s) { return MapChars(s, LowerChar); }

}  // namespace torvane
