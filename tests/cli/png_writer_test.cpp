#include "cli/png_writer.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace torvane::test {
namespace {

TEST(PngWriter, WritesSignatureAndHeader) {
    TempDir dir;
    Bitmap b(3, 2, 0x00FF0000);
    ASSERT_TRUE(SavePng(b, dir / "a.png"));
    const std::string bytes = ReadBytes(dir / "a.png");
    ASSERT_GT(bytes.size(), 33u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(static_cast<unsigned char>(bytes[19]), 3u);  // width
    EXPECT_EQ(static_cast<unsigned char>(bytes[23]), 2u);  // height
    EXPECT_EQ(static_cast<unsigned char>(bytes[25]), 2u);  // colour type RGB
    EXPECT_FALSE(std::filesystem::exists(dir / "a.png.part"));
}

TEST(PngWriter, FailsCleanly) {
    TempDir dir;
    EXPECT_FALSE(SavePng(Bitmap(), dir / "empty.png"));
    EXPECT_FALSE(SavePng(Bitmap(2, 2), dir / "missing" / "x.png"));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace torvane::test
