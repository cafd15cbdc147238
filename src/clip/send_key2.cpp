#include "clip/send_key2.h"

#include <array>
#include <string>

#include "clip/keydefs.h"

namespace torvane {
namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

std::optional<std::uint8_t> ModifierOf(char16_t c) {
    switch (c) {
        case u'^': return Keyboard::kControl;
        case u'@': return Keyboard::kAlt;
        case u'~': return Keyboard::kShift;
        default: return std::nullopt;
    }
}

std::optional<std::uint8_t> CharacterCode(char16_t c) {
    if (auto modifier = ModifierOf(c)) return modifier;
    switch (c) {
        case u' ': return 0x20;
        case u'*': return 0x6A;
        case u'+': return 0x6B;
        case u',': return 0xBC;
        case u'-': return 0x6D;
        case u'.': return 0x6E;
        case u'/': return 0x6F;
        default: return std::nullopt;
    }
}

// Modifiers held down by "^", "@", "~", released in the order Ctrl, Alt, Shift.
class HeldModifiers {
public:
    void Hold(std::uint8_t code) {
        for (std::size_t i = 0; i < kOrder.size(); ++i) {
            if (kOrder[i] == code) held_[i] = true;
        }
    }
    bool ReleaseAll(Keyboard& keyboard) {
        bool ok = true;
        for (std::size_t i = 0; i < kOrder.size(); ++i) {
            if (held_[i]) ok = keyboard.KeyUp(kOrder[i]) && ok;
            held_[i] = false;
        }
        return ok;
    }

private:
    static constexpr std::array<std::uint8_t, 3> kOrder{Keyboard::kControl, Keyboard::kAlt, Keyboard::kShift};
    std::array<bool, 3> held_{};
};

}  // namespace

std::optional<std::uint8_t> KeyCodeOf(std::u16string_view name) {
    if (name.empty()) return std::nullopt;
    if (auto code = KeydefCode(name)) return code;
    if (name.size() == 1) {
        if (auto code = CharacterCode(name[0])) return code;
    }
    return static_cast<std::uint8_t>(name[0] & 0xFF);
}

bool SendKeys(std::u16string_view item, Keyboard& keyboard) {
    HeldModifiers held;
    std::optional<std::uint8_t> last;
    bool ok = true;
    for (std::size_t i = 0; i < item.size() && ok;) {
        const char16_t c = Upper(item[i]);
        std::u16string name;
        if (c == u'{') {
            const std::size_t close = item.find(u'}', i + 1);
            const std::size_t end = close == std::u16string_view::npos ? item.size() : close;
            for (std::size_t k = i + 1; k < end; ++k) name += Upper(item[k]);
            i = close == std::u16string_view::npos ? item.size() : close + 1;
        } else {
            name = c;
            ++i;
        }
        const auto code = KeyCodeOf(name);
        if (!code) continue;
        ok = keyboard.KeyDown(*code);
        last = code;
        if (const auto modifier = ModifierOf(c)) {
            held.Hold(*modifier);
        } else if (ok) {
            ok = keyboard.KeyUp(*code);
            ok = held.ReleaseAll(keyboard) && ok;
        }
    }
    if (last && ok) ok = keyboard.KeyUp(*last);
    return held.ReleaseAll(keyboard) && ok;
}

}  // namespace torvane
