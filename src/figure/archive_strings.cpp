#include "figure/archive_strings.h"

#include <algorithm>

#include "util/encodings.h"

namespace torvane {
namespace {

// The longest length a string can have in the archive's 16-bit length form (0xFFFE would
// read as the UTF-16 mark).
constexpr std::size_t kMaxArchiveLength = 0xFFFD;

// Cuts the text at its first NUL and removes the characters below U+0020 that `keep` refuses.
template <class Keep>
void KeepPrintable(std::u16string& text, Keep keep) {
    const auto nul = text.find(u'\0');
    if (nul != std::u16string::npos) text.resize(nul);
    std::erase_if(text, [keep](char16_t c) { return c < 0x20 && !keep(c); });
}

// Reads one string as stored, without cleaning it.
bool ReadStoredString(ByteReader& in, std::u16string& out, bool& utf16) {
    utf16 = false;
    std::size_t length = in.U8();
    if (length == 0xFF) {
        length = in.U16();
        if (length == 0xFFFE) {
            utf16 = true;
            length = in.U8();
            if (length == 0xFF) length = in.U16();
        }
    }
    if (!in.ok()) return false;
    if (utf16) {
        const auto bytes = in.Bytes(length * 2);
        if (!in.ok()) return false;
        out.resize(length);
        for (std::size_t i = 0; i < length; ++i)
            out[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    } else {
        const auto bytes = in.Bytes(length);
        if (!in.ok()) return false;
        DecodeSjis(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), out);
    }
    return true;
}

void WriteLength(ByteWriter& out, std::size_t n) {
    if (n < 0xFF) {
        out.U8(static_cast<std::uint8_t>(n));
    } else {
        out.U8(0xFF);
        out.U16(static_cast<std::uint16_t>(n));
    }
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

void DecodeSjis(std::string_view bytes, std::u16string& out) {
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        out.assign(bytes.begin(), bytes.end());
    else
        DecodeSjisBytesInto(bytes, out);
}

std::string EncodeSjis(std::u16string_view text) {
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
        std::string out(text.size(), '\0');
        std::transform(text.begin(), text.end(), out.begin(), [](char16_t c) { return static_cast<char>(c); });
        return out;
    }
    return StrToSjis(text);
}

bool ReadArchiveString(ByteReader& in, std::u16string& out, bool& utf16) {
    if (!ReadStoredString(in, out, utf16)) return false;
    KeepPrintable(out, [](char16_t) { return false; });
    return true;
}

bool ReadArchiveText(ByteReader& in, std::u16string& out, bool& utf16) {
    if (!ReadStoredString(in, out, utf16)) return false;
    KeepPrintable(out, [](char16_t c) { return c == u'\r' || c == u'\n'; });
    return true;
}

std::u16string CleanArchiveString(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (i + 1 < text.size() && ((c == u'^' && text[i + 1] == u'm') || (c == u'\\' && text[i + 1] == u'n'))) {
            ++i;
            continue;
        }
        if (c >= 0x20) out.push_back(c);
    }
    if (out.empty()) out.push_back(u' ');
    return out;
}

void WriteArchiveString(ByteWriter& out, std::u16string_view text, bool utf16) {
    const std::u16string clean = CleanArchiveString(text);
    if (utf16) {
        std::size_t n = clean.size();
        if (n > kMaxArchiveLength) {
            n = kMaxArchiveLength;
            if (IsHighSurrogate(clean[n - 1])) --n;
        }
        out.U8(0xFF);
        out.U16(0xFFFE);
        WriteLength(out, n);
        for (std::size_t i = 0; i < n; ++i) out.U16(clean[i]);
        return;
    }
    std::string bytes = EncodeSjis(clean);
    if (bytes.size() > kMaxArchiveLength) {
        // Encode whole characters until the next one would not fit.
        std::string cut;
        for (std::size_t i = 0; i < clean.size();) {
            const std::size_t units = (IsHighSurrogate(clean[i]) && i + 1 < clean.size()) ? 2 : 1;
            const std::string piece = EncodeSjis(std::u16string_view(clean).substr(i, units));
            if (cut.size() + piece.size() > kMaxArchiveLength) break;
            cut += piece;
            i += units;
        }
        bytes = std::move(cut);
    }
    WriteLength(out, bytes.size());
    out.Bytes(bytes);
}

}  // namespace torvane
