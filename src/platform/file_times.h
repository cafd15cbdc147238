#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>

namespace torvane {

// File time stamps as Windows FILETIME ticks: 100 ns since 1601-01-01 UTC.
struct FileTimes {
    std::int64_t creation = 0;
    std::int64_t access = 0;
    std::int64_t write = 0;
    bool operator==(const FileTimes&) const = default;
};

// The three time stamps of a file; nothing when it cannot be read.
std::optional<FileTimes> GetFileTimes(const std::filesystem::path& path);
// Sets the time stamps the system can set (POSIX keeps no creation time); false on failure.
bool SetFileTimes(const std::filesystem::path& path, const FileTimes& times);

}  // namespace torvane
