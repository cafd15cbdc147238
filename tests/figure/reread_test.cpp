#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "figure/figure_file.h"
#include "figure/jcf_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"
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

// The texts of the figure read before are overwritten in place and those left over removed, also
// when the read stops part-way: every real file, whole and cut in the middle, reads into a reused
// document as into a fresh one.
template <class Document>
void ExpectCutRereadAsFresh(const char* folder) {
    Document reused;
    for (const auto& file : RealFiles(folder)) {
        const std::string bytes = test::ReadBytes(file);
        for (const std::size_t size : {bytes.size(), bytes.size() / 2, bytes.size()}) {
            SCOPED_TRACE(file.string() + " " + std::to_string(size));
            const auto part = AsBytes(std::string_view(bytes).substr(0, size));
            Document fresh;
            ASSERT_EQ(reused.ReadBytes(part, u"f"), fresh.ReadBytes(part, u"f"));
            ASSERT_EQ(reused.EntMoji.size(), fresh.EntMoji.size());
            EXPECT_EQ(reused.EntMojiN, fresh.EntMojiN);
            for (std::size_t i = 0; i < fresh.EntMoji.size(); ++i) {
                EXPECT_EQ(reused.EntMoji[i].str, fresh.EntMoji[i].str);
                EXPECT_EQ(reused.EntMoji[i].strFontName, fresh.EntMoji[i].strFontName);
                EXPECT_EQ(reused.EntMoji[i].start_x, fresh.EntMoji[i].start_x);
            }
            ASSERT_EQ(reused.EntNo.size(), fresh.EntNo.size());
            for (std::size_t i = 0; i < fresh.EntNo.size(); ++i) {
                EXPECT_EQ(reused.EntNo[i].EntType, fresh.EntNo[i].EntType);
                EXPECT_EQ(reused.EntNo[i].EntNo, fresh.EntNo[i].EntNo);
            }
        }
    }
}

TEST(Reread, RealFilesCutOffReadAsIntoAFreshDocument) {
    if (!test::DataDir()) GTEST_SKIP() << "no real data";
    ExpectCutRereadAsFresh<TJcfData>("streams");
    ExpectCutRereadAsFresh<TJwsData>("jws");
    ExpectCutRereadAsFresh<TJwwData>("jww");
}

}  // namespace
}  // namespace torvane
