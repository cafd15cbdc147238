#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace torvane {

struct Keydef {
    std::u16string_view name;  // upper case
    std::uint8_t code;         // virtual-key code
};

// The key names of key strings, in lookup order (the first whole-name match wins).
extern const std::array<Keydef, 31> kKeydefs;

// Virtual-key code of an upper-case key name; nothing when the table lacks it.
std::optional<std::uint8_t> KeydefCode(std::u16string_view name);

}  // namespace torvane
