#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace torvane {

// Whole-file helpers of the clipboard operations, reading and writing in fixed-size chunks.

// The file's bytes; nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadFileChunked(const std::filesystem::path& path, std::size_t chunk);
// Writes the bytes to a temporary file beside `path`, then replaces `path` with it. On any
// failure neither the temporary file nor `path` is left behind. True on success.
bool WriteFileChunked(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::size_t chunk);
// True when the file exists and `block` starts with exactly the file's bytes.
bool FileIsPrefixOf(const std::filesystem::path& path, std::span<const std::uint8_t> block, std::size_t chunk);

}  // namespace torvane
