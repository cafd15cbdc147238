#include "util/encodings.h"

#include <array>
#include <cstdint>
#include <vector>

#include "platform/code_page.h"
#include "util/numbers.h"

namespace torvane {
namespace {

std::string_view UpToZero(std::string_view b) { return b.substr(0, b.find('\0')); }

constexpr char16_t kReplacement = u'\uFFFD';

// What a code page makes of each single byte and of each pair of bytes that begins with a
// lead byte; 0 where the code page gives no one character. A lead byte alone is no character,
// or it makes one character with the byte 0xA1 (a trail byte of every double-byte code page).
class DecodingTable {
public:
    explicit DecodingTable(const CodePage& code_page) {
        for (int b = 0; b < 256; ++b) single_[b] = One(code_page.Decode(std::string(1, static_cast<char>(b))));
        for (int lead = 1; lead < 256; ++lead) {
            const char probe[2] = {static_cast<char>(lead), '\xA1'};
            if (single_[lead] != 0 && One(code_page.Decode(std::string_view(probe, 2))) == 0) continue;
            lead_index_[lead] = static_cast<std::uint8_t>(++leads_);
            pairs_.resize(static_cast<std::size_t>(leads_) * 256);
            char pair[2] = {static_cast<char>(lead), 0};
            for (int trail = 0; trail < 256; ++trail) {
                pair[1] = static_cast<char>(trail);
                pairs_[Slot(lead, trail)] = One(code_page.Decode(std::string_view(pair, 2)));
            }
        }
    }

    // The text into `out`, whose memory is reused; false when a byte is not covered. The length
    // is counted first, so that a short text stays in the string's own space.
    bool Decode(std::string_view b, std::u16string& out) const {
        std::size_t units = 0;
        for (std::size_t i = 0; i < b.size(); ++i, ++units) {
            if (lead_index_[static_cast<unsigned char>(b[i])] != 0) ++i;  // a pair makes one unit
        }
        out.resize(units);
        std::size_t n = 0;
        for (std::size_t i = 0; i < b.size(); ++i) {
            const auto byte = static_cast<unsigned char>(b[i]);
            char16_t c = single_[byte];
            if (lead_index_[byte] != 0) {
                if (i + 1 >= b.size()) return false;
                c = pairs_[Slot(byte, static_cast<unsigned char>(b[++i]))];
            }
            if (c == 0 && byte != 0) return false;
            out[n++] = c;
        }
        return true;
    }

private:
    static char16_t One(const std::u16string& text) {
        return text.size() == 1 && text[0] != kReplacement ? text[0] : 0;
    }
    std::size_t Slot(int lead, int trail) const {
        return (static_cast<std::size_t>(lead_index_[lead]) - 1) * 256 + static_cast<std::size_t>(trail);
    }

    std::array<char16_t, 256> single_{};
    std::array<std::uint8_t, 256> lead_index_{};
    int leads_ = 0;
    std::vector<char16_t> pairs_;
};

void Decode(const CodePage& code_page, const DecodingTable& table, std::string_view b, std::u16string& out) {
    if (!table.Decode(b, out)) out = code_page.Decode(b);
}

}  // namespace

std::string StrToAnsi(std::u16string_view s) { return SystemCodePage().Encode(s); }

std::u16string AnsiToStr(std::string_view b) { return DecodeAnsiBytes(UpToZero(b)); }

std::u16string DecodeAnsiBytes(std::string_view b) {
    static const DecodingTable table(SystemCodePage());
    std::u16string out;
    Decode(SystemCodePage(), table, b, out);
    return out;
}

int AnsiLen(std::u16string_view s) { return static_cast<int>(StrToAnsi(s).size()); }

std::string StrToSjis(std::u16string_view s) { return ShiftJisCodePage().Encode(s); }

std::u16string SjisToStr(std::string_view b) { return DecodeSjisBytes(UpToZero(b)); }

std::u16string DecodeSjisBytes(std::string_view b) {
    std::u16string out;
    DecodeSjisBytesInto(b, out);
    return out;
}

void DecodeSjisBytesInto(std::string_view b, std::u16string& out) {
    static const DecodingTable table(ShiftJisCodePage());
    Decode(ShiftJisCodePage(), table, b, out);
}

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
