#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvane {

// An entry of the capture's format lists: the format identifier in decimal, " S:", the size.
std::u16string FormatEntry(std::uint32_t id, std::size_t size);

// The identifier of an entry; nothing when the entry holds no " S:" or no number before it.
std::optional<std::uint32_t> FormatIdOf(std::u16string_view entry);

}  // namespace torvane
