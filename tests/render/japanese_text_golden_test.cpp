#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/device.h"
#include "render/gra_attribute.h"
#include "render/graph1.h"
#include "util/bmp_file.h"

namespace torvane {
namespace {

// A Japanese text drawn by the portable device with FreeType glyphs, held against a stored
// picture. Set TORVANE_UPDATE_GOLDEN=1 to write the picture anew after a deliberate change.
TEST(JapaneseTextGolden, MatchesTheStoredPicture) {
#if defined(_WIN32)
    GTEST_SKIP() << "glyphs differ between back ends";
#endif
    const std::filesystem::path golden = std::filesystem::path(TORVANE_GOLDEN_DIR) / "japanese_text.bmp";
    Bitmap picture(160, 60);
    gGraAtt.DataInit();
    LogicWx1 = 0;
    LogicWy1 = 0;
    LogicScale = 10;
    Phsx = 160;
    Phsy = 60;
    LogicWx2 = 16;
    LogicWy2 = 6;
    {
        const auto device = CreateDevice(picture);
        TGraph1 graph(*device);
        graph.G_Start();
        graph.GCls(0xFFFFFF);
        graph.GLPenSet(0, 2, 1, 0);
        graph.GLAText3(0.5, 3.2, 15, 3.2, 2.4, 2.4, 0.2, 0, u"ＭＳ ゴシック", u"寝室 6帖^!ｷｯﾁﾝ");
        graph.GLAText3(0.5, 0.4, 15, 0.4, 2, 2, 0, 2, u"ＭＳ 明朝", u"平面図 A-1");
        graph.G_End();
    }
    if (std::getenv("TORVANE_UPDATE_GOLDEN") != nullptr) {
        std::filesystem::create_directories(golden.parent_path());
        ASSERT_TRUE(SaveBmp(picture, golden));
    }
    const std::optional<Bitmap> expected = LoadBmp(golden);
    ASSERT_TRUE(expected) << golden;
    int differing = 0;
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) differing += picture.pixels[i] != expected->pixels[i];
    EXPECT_EQ(differing, 0);
    int ink = 0;
    for (std::uint32_t p : picture.pixels) ink += p != 0x00FFFFFF;
    EXPECT_GT(ink, 300);
}

}  // namespace
}  // namespace torvane
