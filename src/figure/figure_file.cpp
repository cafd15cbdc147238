#include "figure/figure_file.h"

#include <system_error>

namespace torvane {

bool ReadFigureFileInto(const std::filesystem::path& path, std::string& bytes) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxFigureFileBytes) return false;
    // A file whose size is not told (a device, a pipe) is read no further than the limit.
    return ReadFileInto(path, bytes, kMaxFigureFileBytes + 1) && bytes.size() <= kMaxFigureFileBytes;
}

}  // namespace torvane
