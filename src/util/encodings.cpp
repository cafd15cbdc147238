#include "util/encodings.h"

#include "platform/code_page.h"
#include "util/numbers.h"

namespace torvane {
namespace {

std::string_view UpToZero(std::string_view b) { return b.substr(0, b.find('\0')); }

}  // namespace

std::string StrToAnsi(std::u16string_view s) { return SystemCodePage().Encode(s); }

std::u16string AnsiToStr(std::string_view b) { return SystemCodePage().Decode(UpToZero(b)); }

int AnsiLen(std::u16string_view s) { return static_cast<int>(StrToAnsi(s).size()); }

std::string StrToUtf16(std::u16string_view s) {
    std::string out;
    out.reserve(s.size() * 2);
    for (char16_t c : s) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

std::u16string Utf16ToStr(std::string_view b) {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
        const auto c = static_cast<char16_t>(static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8);
        if (c == 0) break;
        out += c;
    }
    return out;
}

std::u16string BytesToHex(std::string_view b) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string out;
    for (unsigned char byte : UpToZero(b)) {
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0x0F];
    }
    return out;
}

std::string HexToBytes(std::u16string_view s) {
    std::string out;
    out.reserve(s.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < s.size(); i += 2) {
        const char16_t pair[] = {u'$', s[i], s[i + 1]};
        out += static_cast<char>(ValInt(std::u16string_view(pair, 3)) & 0xFF);
    }
    out += '\0';
    return out;
}

std::u16string StrToHexUtf8(std::u16string_view s) { return BytesToHex(StrToUtf8(s)); }

std::u16string HexUtf8ToStr(std::u16string_view h) { return Utf8ToStr(HexToBytes(h)); }

}  // namespace torvane
