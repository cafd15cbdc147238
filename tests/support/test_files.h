#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace torvane::test {

// Folder of real Jw_cad data (streams/, jws/, jww/, reference/), or nothing when absent.
// Tests that use it call GTEST_SKIP() when it is nothing.
std::optional<std::filesystem::path> DataDir();

// Whole file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// A fresh folder under the system's temporary folder, removed with its content on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace torvane::test
