#include "figure/figure_file.h"

#include <system_error>

namespace torvane {

std::optional<std::string> ReadFigureFileBytes(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxFigureFileBytes) return std::nullopt;
    // A file whose size is not told (a device, a pipe) is read no further than the limit.
    std::optional<std::string> bytes = ReadFileBytes(path, kMaxFigureFileBytes + 1);
    if (bytes && bytes->size() > kMaxFigureFileBytes) return std::nullopt;
    return bytes;
}

}  // namespace torvane
