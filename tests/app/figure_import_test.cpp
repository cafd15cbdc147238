#include <gtest/gtest.h>

#include "app/clip_names.h"
#include "app/form1_globals.h"
#include "figure/jwk_file_builder.h"
#include "form1_fakes.h"
#include "util/files.h"

namespace torvane::test {
namespace {

class FigureImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto data = DataDir();
        if (!data) GTEST_SKIP() << "no real data";
        form.FormShow();
        form.PageSwitch(1);
        jws = dir / "平面.jws";
        std::filesystem::copy_file(*data / "jws" / "Test1.jws", jws);
        jwk = dir / "部品.JWK";
        WriteBytes(jwk, JwkFileBuilder().Line(0, 0, 10, 0).Line(0, 0, 0, 5).Bytes());
        WriteBytes(TempPath / "prev.0", "data object");
        view.Take();
    }
    // Imports `file` from the menu opened on clip button `button`.
    void Import(const std::filesystem::path& file, int button) {
        view.figureChoice = file;
        form.MenuContext = button;
        form.MenuCommand(TPaletteCommand::FigureImport);
    }
    // The figure of a clip of page 1 as read back from its stream.
    TJcfData Clip(int row) {
        TJcfData jcf;
        EXPECT_TRUE(jcf.FileIn(ClipFile(PageFolders[1], form.StringGrid1[1][row], ".1")));
        return jcf;
    }

    Form1Fixture f;
    TempDir& dir = f.dir;
    RecordingView& view = f.view;
    TForm1& form = f.form;
    std::filesystem::path jws, jwk;
};

TEST_F(FigureImportTest, IntoAnEmptySlotGoesAfterTheLastClip) {
    form.StringGrid1[1][0] = u"20200101_000000";
    Import(jws, 5);
    const std::u16string name = form.StringGrid1[1][1];
    ASSERT_EQ(name, u"20261209_143005");
    EXPECT_EQ(form.StringGrid1[1][4], u"");
    EXPECT_EQ(ReadBytes(ClipFile(PageFolders[1], name, ".0")), "data object");
    EXPECT_FALSE(FileThere(ClipFile(PageFolders[1], name, ".2"))) << "no working copy, no file";
    EXPECT_TRUE(FileThere(ClipFile(PageFolders[1], name, ".bmp")));
    EXPECT_GT(Clip(1).EntLineN, 0);
    EXPECT_EQ(form.JWS->EntLineN, 0) << "the source document is emptied";
    // The thumbnail shows on the clip's own button, not on the clicked empty one.
    const auto calls = view.Take();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "image 2 20261209_143005.bmp"), calls.end());
    // The dialog's choices are kept for the next time.
    EXPECT_EQ(view.figureSelection.S_AP, AppPath);
    EXPECT_EQ(view.figureSelection.S_IX, 4);
    EXPECT_EQ(form.ZukeiType, 2);
    EXPECT_EQ(form.ZukeiFold, dir.path().u16string());
}

TEST_F(FigureImportTest, OverAClipReplacesItsRowAndKeepsItsFiles) {
    form.StringGrid1[1][0] = u"20200101_000000";
    WriteBytes(ClipFile(PageFolders[1], u"20200101_000000", ".1"), "old");
    Import(jwk, 1);
    ASSERT_EQ(form.StringGrid1[1][0], u"20261209_143005");
    EXPECT_EQ(Clip(0).EntLineN, 2);
    EXPECT_EQ(Clip(0).EntLine[0].end_x, 10);
    EXPECT_TRUE(FileThere(ClipFile(PageFolders[1], u"20200101_000000", ".1")));
}

TEST_F(FigureImportTest, NothingWhenThePageIsFullTheDialogIsCancelledOrTheFileIsNoFigure) {
    form.StringGrid1[1][99] = u"20200101_000000";
    Import(jws, 3);
    EXPECT_EQ(form.StringGrid1[1][0], u"");
    form.StringGrid1[1][99].clear();
    form.ZukeiType = 1;
    Import({}, 3);
    EXPECT_EQ(form.ZukeiType, 1) << "cancelled: the settings stay";
    WriteBytes(dir / "壊れた.jws", "JwsData but not really");
    Import(dir / "壊れた.jws", 3);
    Import(dir / "x.jww", 3);
    EXPECT_EQ(form.StringGrid1[1][0], u"");
}

}  // namespace
}  // namespace torvane::test
