#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_fakes.h"
#include "figure/extents.h"
#include "render/graph1.h"
#include "support/test_files.h"

namespace torvane::test {
namespace {

// A viewer on a figure that is not read: zoom and pan only.
class ClipViewerTest : public ::testing::Test {
protected:
    FakeClipViewer view;
    TForm3 form;
};

TEST_F(ClipViewerTest, PageUpDoublesUpToFiftyAndPageDownHalvesDownToOne) {
    form.px = 3;
    form.py = -3;
    std::vector<double> zooms;
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(form.KeyDown(view, VkPageUp));
        zooms.push_back(form.bai);
    }
    EXPECT_EQ(zooms, (std::vector<double>{2, 4, 8, 16, 32, 50, 50}));
    // Doubled five times; the steps past 50 double and halve again.
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(96, -96));
    form.KeyDown(view, VkPageDown);
    EXPECT_EQ(std::pair(form.bai, form.px), std::pair(25.0, 48));

    // At 1x: halved and doubled back, an odd offset losing its last unit.
    form.bai = 1;
    form.px = 5;
    form.py = -5;
    form.KeyDown(view, VkPageDown);
    EXPECT_EQ(std::tuple(form.bai, form.px, form.py), std::tuple(1.0, 4, -4));
}

TEST_F(ClipViewerTest, ArrowsPanByAQuarterAndClicksCentre) {
    view.size = {601, 474};  // quarters 150.25 and 118.5: rounded to 150 and 118 (halves to even)
    EXPECT_TRUE(form.KeyDown(view, VkRight));
    EXPECT_TRUE(form.KeyDown(view, VkUp));
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(150, 118));
    form.KeyDown(view, VkLeft);
    form.KeyDown(view, VkLeft);
    form.KeyDown(view, VkDown);
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(-150, 0));
    form.bai = 8;
    form.KeyDown(view, VkHome);
    EXPECT_EQ(std::tuple(form.bai, form.px, form.py), std::tuple(8.0, 0, 0));
    EXPECT_FALSE(form.KeyDown(view, 'A'));
    EXPECT_FALSE(view.closed);
    EXPECT_TRUE(form.KeyDown(view, VkEscape));
    EXPECT_TRUE(view.closed);

    // The clicked point becomes the centre; the centre itself (300.5 rounds to 300) stays.
    form.PictureMouseDown(view, 300, 237);
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(0, 0));
    form.PictureMouseDown(view, 400, 137);
    EXPECT_EQ(std::pair(form.px, form.py), std::pair(100, 100));
    // "２倍" keeps the pan, "１倍" resets it; both hand the focus back.
    form.ZoomButtonClick(view, 2);
    EXPECT_EQ(std::tuple(form.bai, form.px), std::tuple(2.0, 100));
    form.ZoomButtonClick(view, 1);
    EXPECT_EQ(std::tuple(form.bai, form.px, form.py), std::tuple(1.0, 0, 0));
    EXPECT_EQ(view.focusEdit1, 2);
}

TEST_F(ClipViewerTest, WheelZoomsANotchAtATime) {
    form.px = 10;
    form.MouseWheel(view, 60);
    EXPECT_EQ(form.bai, 1);
    form.MouseWheel(view, 60);
    EXPECT_EQ(std::pair(form.bai, form.px), std::pair(2.0, 20));
    form.MouseWheel(view, 360);
    EXPECT_EQ(form.bai, 16);
    form.MouseWheel(view, -240);
    EXPECT_EQ(std::pair(form.bai, form.px), std::pair(4.0, 40));
}

// Sets every shared view value to a marker and returns them.
TSharedView MarkSharedView() {
    const TSharedView marked{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    marked.Restore();
    return marked;
}

TEST_F(ClipViewerTest, DrawsTheClipAndRestoresTheSharedViewOnClose) {
    const auto data = DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    TJcfData jcf;
    form.JCF = &jcf;
    form.S_FName = *data / "streams" / "Test5.1";
    const TSharedView before = MarkSharedView();
    form.FormShow(view);
    EXPECT_EQ(view.status, u"※図形は簡易表示です");
    ASSERT_EQ(view.pictures.size(), 1u);
    const Bitmap& picture = view.pictures[0];
    EXPECT_EQ(std::pair(picture.width, picture.height), std::pair(602, 449));
    EXPECT_EQ(picture.at(0, 0), 0x0000FFu);  // the blue frame
    EXPECT_TRUE(std::any_of(picture.pixels.begin() + 603, picture.pixels.end() - 603,
                            [](std::uint32_t p) { return p != 0xFFFFFF; }));
    const double fitted = LogicScale;
    form.ZoomButtonClick(view, 5);
    EXPECT_DOUBLE_EQ(LogicScale, fitted * 5);
    EXPECT_EQ(view.pictures.size(), 2u);
    form.FormClose(view);
    EXPECT_EQ(TSharedView::Current(), before);
}

TEST_F(ClipViewerTest, AMissingClipGivesABlankWindow) {
    TempDir dir;
    TJcfData jcf;
    form.JCF = &jcf;
    form.S_FName = dir / "gone.1";
    const TSharedView before = MarkSharedView();
    form.FormShow(view);
    EXPECT_TRUE(form.S_FName.empty());
    form.KeyDown(view, VkPageUp);
    EXPECT_TRUE(view.pictures.empty());
    EXPECT_EQ(view.clears, 1);
    form.FormClose(view);
    EXPECT_EQ(TSharedView::Current(), before);

    // A collapsed drawing area still gets a picture.
    if (const auto data = DataDir()) {
        form.S_FName = *data / "streams" / "Test5.1";
        view.size = {0, 0};
        form.FormShow(view);
        ASSERT_EQ(view.pictures.size(), 1u);
        EXPECT_EQ(view.pictures[0].width, 1);
    }
}

}  // namespace
}  // namespace torvane::test
