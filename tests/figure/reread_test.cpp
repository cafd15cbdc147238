#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "figure/jcf_data.h"
#include "support/test_files.h"

namespace torvane {
namespace {

// A document that read other figures before reads a figure exactly as a fresh one does: the
// memory kept from the earlier figures (text strings, array capacity) leaves nothing behind.
void ExpectRereadAsFresh(const std::vector<std::filesystem::path>& files) {
    TJcfData reused;
    for (const auto& file : files) {
        TJcfData fresh;
        ASSERT_EQ(reused.FileIn(file), fresh.FileIn(file)) << file;
        ASSERT_EQ(reused.EntMoji.size(), fresh.EntMoji.size()) << file;
        for (std::size_t i = 0; i < fresh.EntMoji.size(); ++i) {
            EXPECT_EQ(reused.EntMoji[i].str, fresh.EntMoji[i].str) << file;
            EXPECT_EQ(reused.EntMoji[i].strFontName, fresh.EntMoji[i].strFontName) << file;
        }
        EXPECT_EQ(reused.WriteBytes(600), fresh.WriteBytes(600)) << file;
    }
}

std::vector<std::filesystem::path> RealFiles(const char* folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(*test::DataDir() / folder))
        files.push_back(entry.path());
    // Largest first, so that every later figure is read into memory a larger one left.
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        return std::filesystem::file_size(a) > std::filesystem::file_size(b);
    });
    return files;
}

TEST(Reread, EveryRealStreamReadsAsIntoAFreshDocument) {
    if (!test::DataDir()) GTEST_SKIP() << "no real data";
    ExpectRereadAsFresh(RealFiles("streams"));
}

}  // namespace
}  // namespace torvane
