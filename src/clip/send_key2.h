#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/keyboard.h"

namespace torvane {

// Virtual-key code of an upper-case key name or character: the Keydefs table, then the
// modifier and punctuation characters, then the low byte of the first character.
// Nothing for an empty name.
std::optional<std::uint8_t> KeyCodeOf(std::u16string_view name);

// Presses one key item ("^V", "{F1}", "@~X" ...): modifiers "^" Ctrl, "@" Alt, "~" Shift are
// held down until the next key has been pressed and released. Held modifiers are always
// released. False when the keyboard refused an event.
bool SendKeys(std::u16string_view item, Keyboard& keyboard);

}  // namespace torvane
