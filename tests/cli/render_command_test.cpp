#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "cli/run_cli.h"
#include "figure/stream_builder.h"
#include "platform/bitmap.h"
#include "render/gra_attribute.h"
#include "support/test_files.h"
#include "util/bmp_file.h"

namespace torvane::test {
namespace {

int RunCommand(std::vector<std::string> args, std::string* err_text = nullptr) {
    args.insert(args.begin(), "torvane-cli");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    if (err_text != nullptr) *err_text = err.str();
    return code;
}

std::filesystem::path FirstFile(const char* folder) {
    return std::filesystem::directory_iterator(*DataDir() / folder)->path();
}

TEST(RenderCommand, DrawsAStreamAsBmpAtTheDefaultSize) {
    if (!DataDir()) GTEST_SKIP() << "no test data";
    TempDir dir;
    ASSERT_EQ(RunCommand({"render", FirstFile("streams").string(), (dir / "a.bmp").string()}), 0);
    const auto bmp = LoadBmp(dir / "a.bmp");
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->width, 58);
    EXPECT_EQ(bmp->height, 58);
}

TEST(RenderCommand, DrawsAJwsFileAsPngWithSizeAndBlackBackground) {
    if (!DataDir()) GTEST_SKIP() << "no test data";
#if defined(_WIN32)
    GTEST_SKIP() << "PNG output is portable only";
#endif
    TempDir dir;
    ASSERT_EQ(RunCommand({"render", FirstFile("jws").string(), (dir / "a.png").string(), "--size", "120x80", "--bg", "1"}),
              0);
    const std::string png = ReadBytes(dir / "a.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
}

TEST(RenderCommand, RefusesBadArgumentsAndUnreadableFiles) {
    TempDir dir;
    WriteBytes(dir / "bad.1", "nothing");
    std::string err;
    EXPECT_EQ(RunCommand({"render", (dir / "bad.1").string(), (dir / "a.bmp").string()}, &err), 1);
    EXPECT_NE(err.find("cannot read"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.bmp"));
    EXPECT_EQ(RunCommand({"render", (dir / "bad.1").string(), (dir / "a.bmp").string(), "--size", "0x10"}), 2);
    EXPECT_EQ(RunCommand({"render", (dir / "bad.1").string(), (dir / "a.gif").string()}), 2);
    EXPECT_EQ(RunCommand({"render", (dir / "bad.1").string(), (dir / "a.bmp").string(), "--kind", "dxf"}), 2);
    EXPECT_NE(RunCommand({"render", (dir / "bad.1").string(), (dir / "a.bmp").string(), "--bg", "2"}), 0);
}

TEST(RenderCommand, DrawsAuxiliaryLinesAndTheReferenceMarkAsThePaletteDoes) {
    TempDir dir;
    StreamBuilder s;
    s.Header().Count(1).NewClass("CDataSen").Line(10, 0, 40, 30, 1, 9).Count(0);  // colour 9: auxiliary
    WriteBytes(dir / "aux.1", s.bytes());
    gGraAtt.DataInit();  // as a fresh process has it
    ASSERT_EQ(RunCommand({"render", (dir / "aux.1").string(), (dir / "aux.bmp").string()}), 0);
    const auto bmp = LoadBmp(dir / "aux.bmp");
    ASSERT_TRUE(bmp);
    int red = 0, line = 0;
    for (int y = 1; y + 1 < bmp->height; ++y) {
        for (int x = 1; x + 1 < bmp->width; ++x) {
            const std::uint32_t pixel = bmp->at(x, y);
            red += pixel == 0x00FF0000u ? 1 : 0;
            line += pixel != 0x00FF0000u && pixel != 0x00FFFFFFu ? 1 : 0;
        }
    }
    EXPECT_GT(red, 4);
    EXPECT_GT(line, 20);
}

}  // namespace
}  // namespace torvane::test
