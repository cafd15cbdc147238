#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "browse/form5.h"
#include "figure/extents.h"
#include "grid_view_recorder.h"
#include "render/graph1.h"
#include "support/recording_ui.h"
#include "support/test_files.h"

namespace torvane::test {
namespace {

class Form5View : public GridViewRecorder<TForm5View> {
public:
    void ShowFolder(const std::filesystem::path& folder) override { shownFolder = folder; }
    void SetListRows(const std::vector<TFileListRow>& r) override { rows = r; }
    void SetStatus(std::u16string_view text) override { statuses.emplace_back(text); }
    void CloseDialog() override { ++closed; }

    std::filesystem::path shownFolder;
    std::vector<TFileListRow> rows;
    std::vector<std::u16string> statuses;
    int closed = 0;
};

// A dialog on a folder of `count` files "f01.jws" ... that are no figures (frames only).
struct Form5Fixture {
    explicit Form5Fixture(int count) {
        for (int i = 1; i <= count; ++i) WriteBytes(dir / ("f" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".jws"), "x");
        WriteBytes(dir / "other.txt", "x");
        form.S_AP = dir.path();
        form.S_P1 = 1;
    }
    TempDir dir;
    Form5View view;
    RecordingUi ui;
    TJwsData jws;
    TJwkData jwk;
    TForm5 form{view, ui, jws, jwk};
};

TEST(Form5Test, GridOfThreeByTwoScrolledToTheSeventhFile) {
    Form5Fixture f(10);
    f.form.S_IX = 3;
    f.form.S_IY = 2;
    f.form.FormShow();
    EXPECT_EQ(f.view.scrollMax, 10);
    EXPECT_EQ(f.view.steps, (TScrollSteps{3, 6}));
    const auto shown = f.view.Take();
    // Cells of (617 - 17) / 3 by 400 / 2, one pixel apart; the pictures beyond six are hidden.
    EXPECT_EQ(shown[0], "place 1 0,0 199x199");
    EXPECT_EQ(shown[2], "place 2 200,0 199x199");
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](auto& s) { return s.rfind("hide", 0) == 0; }), 19);
    f.form.ScrollChange(6);
    EXPECT_EQ(f.view.Taken("show"),
              (std::vector<std::string>{"show 1 f07.jws", "show 2 f08.jws", "show 3 f09.jws", "show 4 f10.jws"}));
    f.form.ThumbnailClick(3);
    EXPECT_EQ(f.form.ImageFN, u"f10.jws");
    EXPECT_EQ(f.form.ImageNo, 9);
    f.form.ThumbnailClick(4);  // a blank picture selects nothing
    EXPECT_EQ(f.form.ImageFN, u"f10.jws");
}

TEST(Form5Test, FiveColumnsInAFolderOfThreeFilesStepByOne) {
    Form5Fixture f(3);
    f.form.FormShow();
    f.form.GridChange(4, 4);
    EXPECT_EQ(f.view.steps, (TScrollSteps{1, 1}));
    f.form.FileTypeChange(0);  // no JWK files: the grid and the list are empty
    EXPECT_EQ(f.view.scrollMax, 0);
    EXPECT_EQ(f.view.rows, std::vector<TFileListRow>(1));
}

TEST(Form5Test, OkNeedsASelectionAndGivesTheChoiceBack) {
    Form5Fixture f(3);
    f.form.S_P2 = f.dir / "no such folder";
    f.form.FormShow();
    EXPECT_EQ(f.form.Folder, f.dir.path()) << "a folder that cannot be opened falls back to S_AP";
    EXPECT_FALSE(f.form.DriveChange(f.dir / "Q:"));
    f.form.OkClick();
    EXPECT_EQ(f.ui.messages, (std::vector<std::u16string>{u"選択したドライブの準備が出来ていません", u"図形が選択されていません。"}));
    EXPECT_EQ(f.view.closed, 0);
    EXPECT_FALSE(f.form.OKflag);

    f.form.GridChange(1, 0);
    f.form.ListRowDoubleClick(2);
    EXPECT_TRUE(f.form.OKflag);
    EXPECT_EQ(f.view.closed, 1);
    EXPECT_EQ(f.form.S_PO, f.dir / "f02.jws");
    EXPECT_EQ(f.form.S_P2, f.dir.path());
    EXPECT_EQ(f.form.S_IX, 2);
    EXPECT_EQ(f.form.S_IY, 1);

    // The next showing starts without a selection; cancel gives nothing back.
    f.form.FormShow();
    EXPECT_EQ(f.form.ImageNo, -1);
    f.form.CancelClick();
    EXPECT_FALSE(f.form.OKflag);
}

TEST(Form5Test, HeaderClicksSortByTheColumnUnderThePointerInTurn) {
    Form5Fixture f(0);
    WriteBytes(f.dir / "b.jws", std::string(100, 'x'));
    WriteBytes(f.dir / "A.jws", std::string(9, 'x'));
    WriteBytes(f.dir / "c.jws", std::string(1000, 'x'));
    f.form.FormShow();
    const auto names = [&] {
        std::vector<std::u16string> out;
        for (const auto& row : f.view.rows) out.push_back(row[0]);
        return out;
    };
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"A.jws", u"b.jws", u"c.jws"}));
    EXPECT_EQ(f.view.rows[0][1], u"   9");
    EXPECT_EQ(f.view.rows[0][2].size(), 19u);

    const std::array<int, 3> widths{160, 80, 104};
    f.form.ListMouseDown(170, 0, widths, 1, 0);  // "Bytes" ascending
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"A.jws", u"b.jws", u"c.jws"}));
    f.form.ListMouseDown(170, 0, widths, 1, 0);  // again: descending
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"c.jws", u"b.jws", u"A.jws"}));
    f.form.ListMouseDown(10, 0, widths, 1, 0);   // another column after a descending sort: ascending
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"A.jws", u"b.jws", u"c.jws"}));
    f.form.ListMouseDown(160, 0, widths, 1, 0);  // on the grid line: nothing
    f.form.ListMouseDown(20, 0, widths, 1, 1);   // scrolled to "Bytes": descending sizes
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"c.jws", u"b.jws", u"A.jws"}));
    f.form.ListMouseDown(20, 2, widths, 1, 0);   // a data row does not sort
    f.form.ListRowClick(1);
    EXPECT_EQ(f.form.ImageFN, u"c.jws");
}

TEST(Form5Test, DrawsRealFiguresAndRestoresTheSharedViewAtClose) {
    const auto data = DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    Form5Fixture f(0);
    const auto folder = f.dir / u8"部品集";
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(*data / "jws" / "Test1.jws", folder / u8"平面.JWS");
    WriteBytes(folder / u8"短い.jws", ReadBytes(*data / "jws" / "Test1.jws").substr(0, 400));
    LogicScale = 3;
    MinWx = -7;
    f.form.S_P2 = folder;
    f.form.FormShow();
    EXPECT_EQ(f.view.Taken("show"), (std::vector<std::string>{"show 1 平面.JWS", "show 2 短い.jws"}));
    EXPECT_EQ(f.ui.messages, std::vector<std::u16string>{u"メモリオーバーです。途中までのデータを開きます。"});
    EXPECT_EQ(f.view.statuses.front(), u"ファイル「" + (folder / u8"平面.JWS").u16string() + u"」を開いています");
    EXPECT_EQ(f.view.statuses.back(), u"");
    f.form.FormClose();
    EXPECT_EQ(LogicScale, 3);
    EXPECT_EQ(MinWx, -7);
    EXPECT_EQ(f.jws.EntLineN, 0);
}

}  // namespace
}  // namespace torvane::test
