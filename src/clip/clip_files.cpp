#include "clip/clip_files.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "util/files.h"

namespace torvane {

std::optional<std::vector<std::uint8_t>> ReadFileChunked(const std::filesystem::path& path, std::size_t chunk) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::vector<char> buffer(chunk);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + in.gcount());
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool WriteFileChunked(const std::filesystem::path& path, std::span<const std::uint8_t> bytes, std::size_t) {
    if (WriteFileAtomic(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()})) return true;
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return false;
}

bool FileIsPrefixOf(const std::filesystem::path& path, std::span<const std::uint8_t> block, std::size_t chunk) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<char> buffer(chunk);
    std::size_t at = 0;
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto n = static_cast<std::size_t>(in.gcount());
        if (n > block.size() - at) return false;
        if (!std::equal(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(n),
                        reinterpret_cast<const char*>(block.data() + at)))
            return false;
        at += n;
    }
    return !in.bad();
}

}  // namespace torvane
