#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "dialog_fakes.h"
#include "render/graph1.h"
#include "support/test_files.h"

namespace torvane::test {
namespace {

TEST(ClipViewer, PageUpStopsAtFiftyAndPageDownAtOne) {
    FakeClipViewer view;
    TForm3 form;
    form.px = 3;
    std::vector<double> zooms;
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(form.KeyDown(view, VkPageUp));
        zooms.push_back(form.bai);
    }
    EXPECT_EQ(zooms, (std::vector<double>{2, 4, 8, 16, 32, 50, 50}));
    EXPECT_EQ(form.px, 96);  // the steps past 50 double and halve again
    // At 1x: halved and doubled back, an odd offset losing its last unit.
    form.bai = 1;
    form.px = 5;
    form.py = -5;
    form.KeyDown(view, VkPageDown);
    EXPECT_EQ(std::tuple(form.bai, form.px, form.py), std::tuple(1.0, 4, -4));
    // The wheel: a step a notch of 120, the same centre kept.
    form.MouseWheel(view, 60);
    form.MouseWheel(view, 60);
    EXPECT_EQ(std::pair(form.bai, form.px), std::pair(2.0, 8));
    form.MouseWheel(view, -240);
    EXPECT_EQ(std::pair(form.bai, form.px), std::pair(1.0, 4));
}

TEST(ClipViewer, ArrowsPanByAQuarterAndAClickCentres) {
    FakeClipViewer view;
    view.size = {601, 474};  // quarters 150.25 and 118.5 round to 150 and 118
    TForm3 form;
    form.KeyDown(view, VkRight);
    form.KeyDown(view, VkUp);
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(150, 118));
    form.KeyDown(view, VkHome);
    form.PictureMouseDown(view, 300, 237);  // the centre: 300.5 rounds to 300
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(0, 0));
    form.PictureMouseDown(view, 400, 137);
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(100, 100));
    EXPECT_FALSE(form.KeyDown(view, 'A'));
    form.ZoomButtonClick(view, 1);
    EXPECT_EQ(std::tuple(form.px, view.focusEdit1, view.closed), std::tuple(0, 1, false));
    EXPECT_TRUE(form.KeyDown(view, VkEscape));
    EXPECT_TRUE(view.closed);
}

// Draws a real clip, or a missing one, between shared view values set to markers.
TEST(ClipViewer, DrawsTheClipAndRestoresTheSharedViewOnClose) {
    const auto data = DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    const TSharedView before{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    before.Restore();
    FakeClipViewer view;
    TJcfData jcf;
    TForm3 form;
    form.JCF = &jcf;
    form.S_FName = *data / "streams" / "Test5.1";
    form.FormShow(view);
    EXPECT_EQ(view.status, u"※図形は簡易表示です");
    ASSERT_EQ(view.pictures.size(), 1u);
    const Bitmap& picture = view.pictures[0];
    EXPECT_EQ(std::tuple(picture.width, picture.height, picture.at(0, 0)), std::tuple(602, 449, 0x0000FFu));
    EXPECT_TRUE(std::any_of(picture.pixels.begin() + 603, picture.pixels.end() - 603,
                            [](std::uint32_t p) { return p != 0xFFFFFF; }));
    const double fitted = LogicScale;
    form.ZoomButtonClick(view, 5);
    EXPECT_DOUBLE_EQ(LogicScale, fitted * 5);
    form.FormClose(view);
    EXPECT_EQ(TSharedView::Current(), before);

    // A collapsed drawing area still gets a picture; a missing clip none.
    view.size = {0, 0};
    form.FormShow(view);
    EXPECT_EQ(view.pictures.back().width, 1);
    form.S_FName = *data / "streams" / "gone.1";
    form.FormShow(view);
    form.KeyDown(view, VkPageUp);
    EXPECT_EQ(std::tuple(form.S_FName.empty(), view.pictures.size()), std::tuple(true, 3u));
}

}  // namespace
}  // namespace torvane::test
