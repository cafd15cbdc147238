#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace torvane {

// Up to `limit` bytes from the start of a file (the whole file by default); nothing when it
// cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path,
                                         std::size_t limit = std::numeric_limits<std::size_t>::max());

// Writes the bytes to a temporary file beside `path`, then puts it in place of `path`.
// On any failure nothing is left behind and the result is false.
bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);

inline std::span<const std::uint8_t> AsBytes(std::string_view bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace torvane
