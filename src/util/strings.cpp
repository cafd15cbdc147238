#include "util/strings.h"

#include <algorithm>

namespace torvane {

int PosIdx(std::u16string_view sub, std::u16string_view s) {
    const std::size_t at = s.find(sub);
    return at == std::u16string_view::npos ? -1 : static_cast<int>(at);
}

std::u16string MidStr(std::u16string_view s, int i, int n) {
    i = std::max(i, 0);
    if (n <= 0 || static_cast<std::size_t>(i) >= s.size()) return {};
    return std::u16string(s.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(n)));
}

std::u16string MidFrom(std::u16string_view s, int i) {
    i = std::max(i, 0);
    if (static_cast<std::size_t>(i) >= s.size()) return {};
    return std::u16string(s.substr(static_cast<std::size_t>(i)));
}

int SurrogateAt(std::u16string_view s, int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= s.size()) return -1;
    const char16_t c = s[static_cast<std::size_t>(i)];
    if (c >= 0xD800 && c <= 0xDBFF) return 1;
    if (c >= 0xDC00 && c <= 0xDFFF) return 2;
    return 0;
}

std::u16string RepeatStr(std::u16string_view s, int n) {
    std::u16string out;
    if (n <= 0) return out;
    out.reserve(s.size() * static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) out += s;
    return out;
}

std::u16string StripBlanks(std::u16string_view s) {
    std::u16string out;
    for (char16_t c : s)
        if (c > u' ' && c != u'\u3000') out += c;
    return out;
}

std::u16string StripCtrl(std::u16string_view s) {
    std::u16string out;
    for (char16_t c : s)
        if (c >= u' ') out += c;
    return out;
}

std::u16string StripBreaks(std::u16string_view s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i + 1 < s.size() && (s[i] == u'^' || s[i] == u'\\') && s[i + 1] == (s[i] == u'^' ? u'm' : u'n')) {
            ++i;
            continue;
        }
        if (s[i] >= u' ') out += s[i];
    }
    return out.empty() ? u" " : out;
}

std::u16string NthToken(std::u16string_view s, int n) {
    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t space = s.find(u' ', start);
        if (space == std::u16string_view::npos) break;
        start = space + 1;
    }
    return std::u16string(s.substr(start, s.find(u' ', start) - start));
}

int SplitPath(std::u16string_view s, std::vector<std::u16string>& parts, int n) {
    n = std::max(n, 0);
    parts.assign(static_cast<std::size_t>(n) + 1, std::u16string());
    int last = 0;
    bool after_separator = false;
    for (char16_t c : s) {
        const bool separator = c == u'\\' || c == u'/';
        if (separator && !after_separator) {
            last = std::min(last + 1, n);
            parts[static_cast<std::size_t>(last)].clear();
        } else if (!separator) {
            parts[static_cast<std::size_t>(last)] += c;
        }
        after_separator = separator;
    }
    return last;
}

}  // namespace torvane
