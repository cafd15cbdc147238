#include "util/bmp_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_files.h"

namespace torvane::test {
namespace {

Bitmap Sample(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) b.at(x, y) = static_cast<std::uint32_t>((x * 40) << 16 | (y * 30) << 8 | (x + y));
    }
    return b;
}

void Put32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

TEST(BmpFile, RoundTripWithRowPadding) {
    TempDir dir;
    const Bitmap b = Sample(5, 3);  // 15 bytes a row, padded to 16
    ASSERT_TRUE(SaveBmp(b, dir / "a.bmp"));
    const std::string bytes = ReadBytes(dir / "a.bmp");
    EXPECT_EQ(bytes.size(), 54u + 16u * 3u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24u);  // bits per pixel
    // Bottom-up: the file's first row is the picture's last, stored blue, green, red.
    EXPECT_EQ(static_cast<unsigned char>(bytes[54]), b.at(0, 2) & 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[55]), (b.at(0, 2) >> 8) & 0xFF);
    const auto loaded = LoadBmp(dir / "a.bmp");
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, b);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.bmp.part"));
}

TEST(BmpFile, SaveReplacesAndFailsWithoutPartialFile) {
    TempDir dir;
    WriteBytes(dir / "b.bmp", "old");
    ASSERT_TRUE(SaveBmp(Sample(2, 2), dir / "b.bmp"));
    EXPECT_TRUE(LoadBmp(dir / "b.bmp"));
    EXPECT_FALSE(SaveBmp(Sample(2, 2), dir / "missing" / "c.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_FALSE(SaveBmp(Bitmap(), dir / "empty.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.bmp"));
    Bitmap inconsistent(3, 3);
    inconsistent.pixels.pop_back();
    EXPECT_FALSE(SaveBmp(inconsistent, dir / "bad.bmp"));
}

TEST(BmpFile, Reads32BitTopDown) {
    TempDir dir;
    std::string file(54 + 2 * 2 * 4, '\0');
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, 54);
    Put32(file, 14, 40);
    Put32(file, 18, 2);
    Put32(file, 22, static_cast<std::uint32_t>(-2));  // top-down
    file[26] = 1;
    file[28] = 32;
    Put32(file, 54, 0xFF112233);  // top-left: alpha ignored
    Put32(file, 66, 0x00445566);  // bottom-right
    WriteBytes(dir / "t.bmp", file);
    const auto b = LoadBmp(dir / "t.bmp");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->width, 2);
    EXPECT_EQ(b->height, 2);
    EXPECT_EQ(b->at(0, 0), 0x112233u);
    EXPECT_EQ(b->at(1, 1), 0x445566u);
}

TEST(BmpFile, RejectsTruncatedAndGarbage) {
    TempDir dir;
    ASSERT_TRUE(SaveBmp(Sample(7, 5), dir / "ok.bmp"));
    const std::string good = ReadBytes(dir / "ok.bmp");
    // Every truncation is refused, never read past the end.
    for (std::size_t n = 0; n < good.size(); n += 7) {
        WriteBytes(dir / "cut.bmp", good.substr(0, n));
        EXPECT_FALSE(LoadBmp(dir / "cut.bmp")) << n;
    }
    WriteBytes(dir / "garbage.bmp", std::string(200, '\x7f'));
    EXPECT_FALSE(LoadBmp(dir / "garbage.bmp"));
    EXPECT_FALSE(LoadBmp(dir / "none.bmp"));

    const auto patched = [&](std::size_t at, std::uint32_t v) {
        std::string s = good;
        Put32(s, at, v);
        WriteBytes(dir / "p.bmp", s);
        return LoadBmp(dir / "p.bmp");
    };
    EXPECT_FALSE(patched(18, 100000));                              // width beyond the data
    EXPECT_FALSE(patched(22, 0x7FFFFFFF));                          // height beyond the data
    EXPECT_FALSE(patched(22, 0x80000000));                          // most negative height
    EXPECT_FALSE(patched(18, 0));                                   // no width
    EXPECT_FALSE(patched(10, 0xFFFFFFF0));                          // data offset past the end
    EXPECT_FALSE(patched(14, 0xFFFFFFFF));                          // header size past the end
    EXPECT_FALSE(patched(30, 1));                                   // compressed
    EXPECT_FALSE(patched(28, 8));                                   // 8 bits per pixel
}

}  // namespace
}  // namespace torvane::test
