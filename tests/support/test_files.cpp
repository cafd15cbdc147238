#include "support/test_files.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace torvane::test {

std::optional<std::filesystem::path> DataDir() {
    const char* env = std::getenv("TORVANE_DATA_DIR");
    std::filesystem::path dir = env && *env ? env : TORVANE_DATA_DIR_DEFAULT;
    std::error_code ec;
    if (std::filesystem::is_directory(dir / "streams", ec)) return dir;
    return std::nullopt;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("torvane-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace torvane::test
