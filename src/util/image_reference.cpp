#include "util/image_reference.h"

#include <string>

#include "util/numbers.h"

namespace torvane {
namespace {

constexpr std::u16string_view kImageMark = u"^@BM";
constexpr std::u16string_view kBoundFolderMark = u"%temp%";

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

}  // namespace

bool IsImageText(std::u16string_view str) { return str.substr(0, kImageMark.size()) == kImageMark; }

std::optional<ImageReference> ParseImageReference(std::u16string_view str) {
    if (!IsImageText(str)) return std::nullopt;
    const std::u16string_view body = str.substr(kImageMark.size());
    const std::size_t comma = body.find(u',');
    if (comma == std::u16string_view::npos) return std::nullopt;
    ImageReference ref;
    ref.file = std::u16string(body.substr(0, comma));
    std::vector<std::u16string_view> fields;
    std::u16string_view rest = body.substr(comma + 1);
    while (true) {
        const std::size_t next = rest.find(u',');
        fields.push_back(rest.substr(0, next));
        if (next == std::u16string_view::npos) break;
        rest.remove_prefix(next + 1);
    }
    // Decimal numbers only: anything else (hexadecimal, "inf", out of range) reads as 0.
    auto real = [&](std::size_t i, double fallback) { return i < fields.size() ? ValReal(fields[i]) : fallback; };
    ref.w = real(0, 0);
    ref.h = real(1, ref.w);
    ref.drx = real(2, 0);
    ref.dry = real(3, 0);
    ref.drr = real(4, 1.0);
    ref.dan = real(5, 0);
    ref.long_form = fields.size() >= 3;
    if (fields.size() >= 7) {
        for (std::size_t i = 6; i < 9; ++i) ref.extra.push_back(i < fields.size() ? ValInt(fields[i]) : 0);
    } else {
        ref.extra.push_back(-1);
    }
    return ref;
}

std::u16string ImageFilePath(std::u16string_view file, std::u16string_view bindImageFolder) {
    if (file.substr(0, kBoundFolderMark.size()) != kBoundFolderMark) return std::u16string(file);
    std::u16string_view name = file.substr(kBoundFolderMark.size());
    // The folder ends with its separator; a name that brings its own does not double it.
    if (!bindImageFolder.empty() && IsSeparator(bindImageFolder.back()) && !name.empty() && IsSeparator(name.front()))
        name.remove_prefix(1);
    return std::u16string(bindImageFolder) + std::u16string(name);
}

}  // namespace torvane
