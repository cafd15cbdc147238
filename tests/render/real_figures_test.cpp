#include <gtest/gtest.h>

#include <filesystem>

#include "render/thumbnail.h"
#include "support/test_files.h"
#include "util/bmp_file.h"

namespace torvane::test {
namespace {

// Pixels inside the frame that are neither background nor frame colour.
int InkInside(const Bitmap& b) {
    int ink = 0;
    for (int y = 1; y + 2 < b.height; ++y) {
        for (int x = 1; x + 2 < b.width; ++x) {
            if (b.at(x, y) != 0x00FFFFFF) ++ink;
        }
    }
    return ink;
}

void RenderEvery(const char* folder) {
    const auto data = DataDir();
    if (!data) GTEST_SKIP() << "no test data";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(*data / folder)) {
        SCOPED_TRACE(entry.path().string());
        for (const auto& [w, h] : {std::pair{58, 58}, std::pair{600, 400}}) {
            const std::optional<Bitmap> picture = DrawFigureFile(entry.path(), w, h, 0);
            ASSERT_TRUE(picture);
            ASSERT_EQ(picture->width, w);
            ASSERT_EQ(picture->height, h);
            EXPECT_EQ(picture->at(0, 0), 0x000000FFu);  // the blue frame
            // GDI's rectangle leaves out its right and bottom edge.
            EXPECT_EQ(picture->at(w - 2, h - 2), 0x000000FFu);
            EXPECT_EQ(picture->at(w - 1, h - 1), 0x00FFFFFFu);
            EXPECT_GT(InkInside(*picture), 10);
        }
        ++files;
    }
    EXPECT_GT(files, 0);
}

TEST(RealFigures, EveryStreamRenders) { RenderEvery("streams"); }
TEST(RealFigures, EveryJwsFileRenders) { RenderEvery("jws"); }
TEST(RealFigures, EveryDrawingRenders) { RenderEvery("jww"); }

TEST(RealFigures, BlackBackgroundKeepsTheBlueFrame) {
    const auto data = DataDir();
    if (!data) GTEST_SKIP() << "no test data";
    const auto first = *std::filesystem::directory_iterator(*data / "streams");
    const std::optional<Bitmap> picture = DrawFigureFile(first.path(), 58, 58, 1);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->at(0, 0), 0x000000FFu);
    EXPECT_EQ(picture->at(29, 0), 0x000000FFu);
    EXPECT_EQ(picture->at(1, 1), 0x00000000u);
}

TEST(RealFigures, UnreadableFileDrawsNothingAndWritesNothing) {
    TempDir dir;
    WriteBytes(dir / "bad.1", "not a figure");
    TJcfData jcf;
    EXPECT_FALSE(MakeThumbnail(jcf, dir / "bad.1", dir / "bad.bmp", 58, 58, 0));
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.bmp"));
    EXPECT_FALSE(MakeThumbnail(jcf, dir / "missing.1", dir / "missing.bmp", 58, 58, 0));
    EXPECT_FALSE(DrawFigureFile(dir / "missing.jws", 58, 58, 0));
}

TEST(RealFigures, ThumbnailFileIsWrittenAtThePictureSize) {
    const auto data = DataDir();
    if (!data) GTEST_SKIP() << "no test data";
    TempDir dir;
    const auto first = *std::filesystem::directory_iterator(*data / "streams");
    TJcfData jcf;
    ASSERT_TRUE(MakeThumbnail(jcf, first.path(), dir / "clip.bmp", 58, 58, 0));
    const std::optional<Bitmap> saved = LoadBmp(dir / "clip.bmp");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->width, 58);
    EXPECT_EQ(saved->height, 58);
}

}  // namespace
}  // namespace torvane::test
