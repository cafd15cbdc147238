#include "clip/key_string.h"

#include "clip/send_key2.h"

namespace torvane {
namespace {

constexpr int kMaxModifiers = 3;
// Longer numbers would overflow the wait in milliseconds (7 digits are over eleven days).
constexpr std::size_t kMaxPauseDigits = 7;

bool IsModifier(char16_t c) { return c == u'^' || c == u'@' || c == u'~'; }

// End of the group that starts at `open` ("{"): just past its "}", or the end of the text.
std::size_t GroupEnd(std::u16string_view keys, std::size_t open) {
    const std::size_t close = keys.find(u'}', open + 1);
    return close == std::u16string_view::npos ? keys.size() : close + 1;
}

}  // namespace

std::vector<std::u16string> ScanKeyItems(std::u16string_view keys) {
    std::vector<std::u16string> items;
    std::size_t i = 0;
    while (i < keys.size()) {
        std::size_t end = i + 1;
        if (keys[i] == u'{') {
            end = GroupEnd(keys, i);
        } else if (IsModifier(keys[i])) {
            int modifiers = 1;
            while (end < keys.size() && IsModifier(keys[end]) && modifiers < kMaxModifiers) {
                ++end;
                ++modifiers;
            }
            if (end < keys.size()) {
                end = keys[end] == u'{' ? GroupEnd(keys, end) : end + 1;
            }
        }
        items.emplace_back(keys.substr(i, end - i));
        i = end;
    }
    return items;
}

std::optional<std::uint32_t> PauseOfItem(std::u16string_view item) {
    if (item.size() < 3 || item.front() != u'{' || item.back() != u'}') return std::nullopt;
    const std::u16string_view inside = item.substr(1, item.size() - 2);
    if (inside.size() > kMaxPauseDigits) return std::nullopt;
    std::uint32_t tenths = 0;
    for (char16_t c : inside) {
        if (c < u'0' || c > u'9') return std::nullopt;
        tenths = tenths * 10 + static_cast<std::uint32_t>(c - u'0');
    }
    if (tenths == 0) return std::nullopt;
    return tenths * 100;
}

bool SendKeyString(std::u16string_view keys, Keyboard& keyboard, const Clock& clock,
                   const std::function<bool()>& still_in_front) {
    for (const auto& item : ScanKeyItems(keys)) {
        if (const auto pause = PauseOfItem(item)) {
            clock.Sleep(*pause);
            continue;
        }
        clock.Sleep(kKeyItemWaitMs);
        if (still_in_front && !still_in_front()) return false;
        if (!SendKeys(item, keyboard)) return false;
    }
    return true;
}

}  // namespace torvane
