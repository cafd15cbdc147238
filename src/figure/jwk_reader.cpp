#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <unordered_map>

#include "figure/jwk_data.h"
#include "figure/figure_file.h"
#include "figure/text_code_context.h"
#include "util/byte_reader.h"
#include "util/encodings.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace torvane {
namespace {

constexpr std::size_t kHeaderBlock = 200;
constexpr std::size_t kIdSize = 40;
constexpr std::size_t kCommentSize = 32;
constexpr std::size_t kLineSize = 22;
constexpr std::size_t kArcSize = 32;
constexpr std::size_t kTenSize = 12;
constexpr std::size_t kMojiSize = 24;
constexpr std::size_t kHeaderValues = 9;
constexpr double kMinScale = 1e-14;
constexpr std::size_t kMaxTextBytes = 1024;
// Code units all texts of one file may hold together: far more than a string area whose
// offsets are 16-bit numbers can give, so only texts that repeat one run many times lose theirs.
constexpr std::size_t kMaxTextUnits = std::size_t{1} << 22;

// Up to n bytes: what is left when fewer remain.
std::span<const std::uint8_t> TakeUpTo(ByteReader& in, std::size_t n) { return in.Bytes(std::min(n, in.remaining())); }

std::string_view AsChars(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A double as a single; values beyond its range become infinities instead of undefined behaviour.
float ToSingle(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (v > kMax) return std::numeric_limits<float>::infinity();
    if (v < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

// The text at `offset` of the string area, up to its NUL, without control characters. An
// offset outside the area gives an empty text. A text is cut after kMaxTextBytes (far more than
// the DOS program stores), so that many texts naming one long run of the area cannot multiply
// it in memory.
std::u16string TextAt(std::string_view area, std::int32_t offset) {
    if (offset < 0 || static_cast<std::size_t>(offset) >= area.size()) return {};
    return StripCtrl(SjisToStr(area.substr(static_cast<std::size_t>(offset), kMaxTextBytes)));
}

// A value of the header text without the blanks and control characters around it.
std::u16string_view Trimmed(std::u16string_view s) {
    while (!s.empty() && s.front() <= u' ') s.remove_prefix(1);
    while (!s.empty() && s.back() <= u' ') s.remove_suffix(1);
    return s;
}

// The header text split at commas into nine values; the ninth takes everything after the
// eighth comma.
std::vector<std::u16string> SplitHeaderValues(std::u16string_view text) {
    std::vector<std::u16string> values(kHeaderValues, u"0");
    for (std::size_t i = 0; i < kHeaderValues; ++i) {
        const std::size_t comma = i + 1 < kHeaderValues ? text.find(u',') : std::u16string_view::npos;
        values[i] = std::u16string(text.substr(0, comma));
        if (comma == std::u16string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    return values;
}

// Whether a header value is a number beyond the range of a double ("1e999", "inf", "nan"):
// ValReal reads it as 0, but as a scale it stands for no usable number.
bool IsNonFiniteNumber(std::u16string_view value) {
    std::string text;
    for (char16_t c : Trimmed(value)) {
        if (c > 0x7F) return false;
        text += static_cast<char>(c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c);
    }
    std::string_view body = text;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
    if (body == "inf" || body == "infinity" || body == "nan") return true;
    double number = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), number);
    if (end != body.data() + body.size() || error != std::errc::result_out_of_range) return false;
    // Out of range is too large unless a negative exponent made it too small.
    const std::size_t exponent = body.find('e');
    return exponent == std::string_view::npos || body.substr(exponent + 1, 1) != "-";
}

}  // namespace

bool TJwkData::FileIn(const std::filesystem::path& FName) {
    return ReadDocumentFile(*this, FName);
}

bool TJwkData::ReadBytes(std::span<const std::uint8_t> bytes, const std::u16string& name) {
    DataInit();
    ByteReader in(bytes);

    const std::string_view first = AsChars(TakeUpTo(in, kHeaderBlock));
    if (first.empty()) return false;
    Enthd.jwID = SjisToStr(first.substr(0, kIdSize));
    if (first.size() > kIdSize) Enthd.comment1 = SjisToStr(first.substr(kIdSize, kCommentSize));
    if (first.size() > kIdSize + kCommentSize) Enthd.comment2 = SjisToStr(first.substr(kIdSize + kCommentSize, kCommentSize));

    const std::string_view second = AsChars(TakeUpTo(in, kHeaderBlock));
    if (second.empty()) return false;
    Enthd.para = SplitHeaderValues(SjisToStr(second));
    auto integer = [&](std::size_t i) { return ValInt(Trimmed(Enthd.para[i])); };
    auto real = [&](std::size_t i) { return ValReal(Trimmed(Enthd.para[i])); };
    Enthd.lineCount = integer(0);
    Enthd.arcCount = integer(1);
    Enthd.tenCount = integer(2);
    Enthd.mojiCount = integer(3);
    Enthd.org_x = ToSingle(real(4));
    Enthd.org_y = ToSingle(real(5));
    Enthd.dispScale = ToSingle(real(6));
    Enthd.strSpace = integer(7);
    const float scale = IsNonFiniteNumber(Enthd.para[8]) ? std::numeric_limits<float>::infinity() : ToSingle(real(8));
    Enthd.para.clear();
    // Coordinates are divided by the scale: one that is no finite number makes the file unreadable.
    if (!std::isfinite(scale)) return false;
    Enthd.scale = scale <= kMinScale ? 1.0f : scale;

    ResetTextCodeContext(name);
    TxtMemo1 = StripCtrl(Enthd.comment1);
    TxtMemo2 = StripCtrl(Enthd.comment2);
    TxtMemo = TxtMemo2.empty() ? TxtMemo1 : TxtMemo1 + u'\u3000' + TxtMemo2;

    // The arrays grow only as far as the remaining bytes could hold records.
    auto reserve = [&](auto& array, std::int32_t count, std::size_t size) {
        if (count > 0) array.reserve(std::min<std::size_t>(static_cast<std::size_t>(count), in.remaining() / size));
    };
    reserve(EntLine, Enthd.lineCount, kLineSize);
    reserve(EntArc, Enthd.arcCount, kArcSize);
    reserve(EntTen, Enthd.tenCount, kTenSize);
    reserve(EntMoji, Enthd.mojiCount, kMojiSize);

    for (std::int32_t i = 0; i < Enthd.lineCount; ++i) {
        if (!in.CanHold(1, kLineSize)) return false;
        TEntJwcLine& line = EntLine.emplace_back();
        line.x1 = in.Single();
        line.y1 = in.Single();
        line.x2 = in.Single();
        line.y2 = in.Single();
        line.typ = in.U8();
        line.col = in.U8();
        line.lay = in.U8();
        line.flg1 = in.U8();
        line.flg2 = in.U8();
        line.flg3 = in.U8();
        ++lineN;
    }
    for (std::int32_t i = 0; i < Enthd.arcCount; ++i) {
        if (!in.CanHold(1, kArcSize)) return false;
        TEntJwcArc2& arc = EntArc.emplace_back();
        arc.x = in.Single();
        arc.y = in.Single();
        arc.r = in.Single();
        arc.h = static_cast<float>(in.U16() / 10000.0);
        arc.st = static_cast<float>(in.S32() / 65536.0);
        arc.et = static_cast<float>(in.S32() / 65536.0);
        arc.tt = static_cast<float>(in.S32() / 65536.0);
        arc.typ = in.U8();
        arc.col = in.U8();
        arc.lay = in.U8();
        arc.flg1 = in.U8();
        arc.flg2 = in.U8();
        arc.flg3 = in.U8();
        ++arcN;
    }
    for (std::int32_t i = 0; i < Enthd.tenCount; ++i) {
        if (!in.CanHold(1, kTenSize)) return false;
        TEntJwcTen& ten = EntTen.emplace_back();
        ten.x = in.Single();
        ten.y = in.Single();
        ten.lay = in.U8();
        ten.col = in.U8();
        ten.flg1 = in.U8();
        ten.flg2 = in.U8();
        ++tenN;
    }
    for (std::int32_t i = 0; i < Enthd.mojiCount; ++i) {
        if (!in.CanHold(1, kMojiSize)) return false;
        TEntJwcMoji2& moji = EntMoji.emplace_back();
        moji.x1 = in.Single();
        moji.y1 = in.Single();
        moji.x2 = in.Single();
        moji.y2 = in.Single();
        moji.p = in.U16();
        in.Skip(2);
        moji.no = in.U8();
        moji.lay = in.U8();
        moji.flg1 = in.U8();
        moji.flg2 = in.U8();
        ++mojiN;
    }

    if (Enthd.strSpace > 0) {
        const std::string_view area = AsChars(TakeUpTo(in, static_cast<std::size_t>(Enthd.strSpace)));
        if (area.empty()) return false;
        // Each offset is decoded once; texts beyond kMaxTextUnits in all stay empty.
        std::unordered_map<std::int32_t, std::u16string> decoded;
        std::size_t units = 0;
        for (TEntJwcMoji2& moji : EntMoji) {
            auto [text, fresh] = decoded.try_emplace(moji.p);
            if (fresh) text->second = TextAt(area, moji.p);
            if (units + text->second.size() > kMaxTextUnits) continue;
            units += text->second.size();
            moji.s = text->second;
        }
    }
    return true;
}

}  // namespace torvane
