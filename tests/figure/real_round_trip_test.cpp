// Writing a real stream back with its own version and encoding.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "figure/jcf_data.h"
#include "support/test_files.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> StreamFiles() {
    std::vector<fs::path> files;
    if (const auto dir = test::DataDir()) {
        for (const auto& entry : fs::directory_iterator(*dir / "streams")) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(RealRoundTrip, StreamsWriteBackTheirOwnBytes) {
    const auto files = StreamFiles();
    if (files.empty()) GTEST_SKIP() << "no real data";
    test::TempDir temp;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        TJcfData doc;
        ASSERT_TRUE(doc.FileIn(file));
        doc.SetFileOutOption(doc.MojiEncode ? 32 : 0);
        const fs::path out = temp / "out.1";
        ASSERT_TRUE(doc.FileOut(out, doc.Enthd.jwVer));
        const std::string original = test::ReadBytes(file);
        const std::string written = test::ReadBytes(out);
        std::size_t diff = 0;
        while (diff < original.size() && diff < written.size() && original[diff] == written[diff]) ++diff;
        EXPECT_EQ(diff, original.size()) << "first difference at " << diff << " of " << original.size() << " / "
                                         << written.size();
        EXPECT_EQ(written.size(), original.size());
    }
}

}  // namespace
}  // namespace torvane
