#include "figure/figure_file.h"

#include <exception>

namespace torvane {

std::u16string DocumentFileName(const std::filesystem::path& path) {
    try {
        return path.u16string();
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace torvane
