#include <gtest/gtest.h>

#include <optional>
#include <tuple>

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

// "図形ファイルに保存" on page 1: a real clip in row 0, a garbage one in row 1, none in row 2.
TEST_F(FigureImportTest, SaveAsFigureFileWritesWhereTheDialogSaysOrTellsWhyNot) {
    const std::u16string clip = u"20200101_000000", garbage = u"20200101_000001";
    form.StringGrid1[1][0] = clip;
    form.StringGrid1[1][1] = garbage;
    WriteBytes(ClipFile(PageFolders[1], clip, ".1"), ReadBytes(*DataDir() / "streams" / "2blocks.1"));
    WriteBytes(ClipFile(PageFolders[1], garbage, ".1"), "garbage");
    form.ZukeiFold = dir.path().u16string();
    ScriptedSaveDialog& dialog = f.saveDialog;
    const auto save = [&](int button, std::optional<std::filesystem::path> answer) {
        dialog.answer = std::move(answer);
        form.MenuContext = button;
        form.MenuCommand(TPaletteCommand::SaveFigure);
    };
    WriteBytes(dir / u8"扉.jws", "old");  // the dialog has asked before replacing it
    save(1, dir / u8"扉.jws");
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_EQ(std::tuple(dialog.requests[0].FilterName, dialog.requests[0].Pattern, dialog.requests[0].FileName),
              std::tuple(std::u16string(u"JW図形 (*.jws)"), std::u16string(u"*.jws"), clip));
    EXPECT_EQ(dialog.requests[0].Folder, dir.path()) << "the figure selection dialog's last folder";
    TJwsData saved;
    ASSERT_TRUE(saved.FileCheck(dir / u8"扉.jws") && saved.FileIn(dir / u8"扉.jws"));
    EXPECT_EQ(std::pair(saved.Enthd.n1, saved.EntBlockDefN), std::pair(Clip(0).Enthd.n1, Clip(0).EntBlockDefN));

    save(3, dir / "x.jws");  // an empty row: a beep
    save(2, dir / "x.jws");  // no figure: no dialog
    EXPECT_EQ(std::pair(f.ui.beeps, dialog.requests.size()), std::pair(1, std::size_t{1}));
    form.ZukeiFold = u"";
    save(1, dir / "missing" / "x.jws");
    EXPECT_EQ(dialog.requests.back().Folder, AppPath);
    EXPECT_EQ(f.ui.messages, (std::vector<std::u16string>{u"クリップ 20200101_000001 の図形を読み込めませんでした。",
                                                         u"図形ファイル " + PathText(dir / "missing" / "x.jws") +
                                                             u" に保存できませんでした。"}));
    EXPECT_FALSE(FileThere(dir / "x.jws"));
}

}  // namespace
}  // namespace torvane::test
