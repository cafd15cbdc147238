#include "app/format_list.h"

#include <string>

namespace torvane {

std::u16string FormatEntry(std::uint32_t id, std::size_t size) {
    const std::string text = std::to_string(id) + " S:" + std::to_string(size);
    return {text.begin(), text.end()};
}

std::optional<std::uint32_t> FormatIdOf(std::u16string_view entry) {
    const std::size_t mark = entry.find(u" S:");
    if (mark == std::u16string_view::npos || mark == 0 || mark > 10) return std::nullopt;
    std::uint64_t id = 0;
    for (const char16_t c : entry.substr(0, mark)) {
        if (c < u'0' || c > u'9') return std::nullopt;
        id = id * 10 + static_cast<std::uint64_t>(c - u'0');
    }
    if (id > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(id);
}

}  // namespace torvane
