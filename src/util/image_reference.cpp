#include "util/image_reference.h"

#include <cstdlib>
#include <string>

namespace torvane {
namespace {

constexpr std::u16string_view kImageMark = u"^@BM";

double DecimalOf(std::u16string_view field) {
    std::string ascii;
    for (char16_t ch : field) {
        if (ch != u' ') ascii += ch < 0x80 ? static_cast<char>(ch) : '?';
    }
    if (ascii.empty()) return 0;
    char* end = nullptr;
    const double value = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size()) return 0;
    return value == value && value - value == 0 ? value : 0;
}

}  // namespace

bool IsImageText(std::u16string_view str) { return str.substr(0, kImageMark.size()) == kImageMark; }

std::optional<ImageReference> ParseImageReference(std::u16string_view str) {
    if (!IsImageText(str)) return std::nullopt;
    const std::u16string_view body = str.substr(kImageMark.size());
    const std::size_t comma = body.find(u',');
    if (comma == std::u16string_view::npos) return std::nullopt;
    ImageReference ref;
    ref.file = std::u16string(body.substr(0, comma));
    std::vector<double> numbers;
    std::size_t start = comma + 1;
    while (true) {
        const std::size_t next = body.find(u',', start);
        numbers.push_back(DecimalOf(body.substr(start, next == std::u16string_view::npos ? body.size() - start
                                                                                           : next - start)));
        if (next == std::u16string_view::npos) break;
        start = next + 1;
    }
    auto at = [&](std::size_t i, double fallback) { return i < numbers.size() ? numbers[i] : fallback; };
    ref.w = at(0, 0);
    ref.h = at(1, ref.w);
    ref.drx = at(2, 0);
    ref.dry = at(3, 0);
    ref.drr = at(4, 1.0);
    ref.dan = at(5, 0);
    ref.long_form = numbers.size() >= 3;
    if (numbers.size() >= 7) {
        for (std::size_t i = 6; i < 9; ++i) ref.extra.push_back(static_cast<int>(at(i, 0)));
    } else {
        ref.extra.push_back(-1);
    }
    return ref;
}

}  // namespace torvane
