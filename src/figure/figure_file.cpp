#include "figure/figure_file.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace torvane {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path, std::size_t limit) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes;
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, limit)));
    char buffer[1 << 16];
    while (bytes.size() < limit && file) {
        file.read(buffer, static_cast<std::streamsize>(std::min(sizeof buffer, limit - bytes.size())));
        bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad()) return std::nullopt;
    return bytes;
}

bool WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temp = path;
    temp += ".tmp~";
    std::error_code ec;
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (file) file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (file) file.close();
        if (!file) {
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace torvane
