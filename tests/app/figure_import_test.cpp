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

// Saving clips as figure files: page 1 holds a real clip in row 0 and a garbage one in row 1;
// the figure selection dialog last showed the folder "部品".
class FigureSaveTest : public FigureImportTest {
protected:
    void SetUp() override {
        FigureImportTest::SetUp();
        if (IsSkipped()) return;
        form.StringGrid1[1][0] = kClip;
        form.StringGrid1[1][1] = u"20200101_000001";
        WriteBytes(ClipFile(PageFolders[1], kClip, ".1"), ReadBytes(*DataDir() / "streams" / "2blocks.1"));
        WriteBytes(ClipFile(PageFolders[1], u"20200101_000001", ".1"), "garbage");
        std::filesystem::create_directory(folder);
        form.ZukeiFold = PathText(folder);
    }
    void Save(int button) {
        form.MenuContext = button;
        form.MenuCommand(TPaletteCommand::SaveFigure);
    }

    static constexpr const char16_t* kClip = u"20200101_000000";
    ScriptedSaveDialog& dialog = f.saveDialog;
    std::filesystem::path folder = dir / u8"部品";
};

// The dialog offers JWS files in the last figure folder under the clip's name; the figure is
// written there, replacing what the user agreed to replace, and reads back as the clip's figure.
TEST_F(FigureSaveTest, SavesTheClipWhereTheDialogSays) {
    const std::filesystem::path file = folder / u8"扉.jws";
    WriteBytes(file, "old");
    dialog.answer = file;
    Save(1);
    ASSERT_EQ(dialog.requests.size(), 1u);
    const TSaveFileRequest& request = dialog.requests[0];
    EXPECT_EQ(request.FilterName, u"JW図形 (*.jws)");
    EXPECT_EQ(request.Pattern, u"*.jws");
    EXPECT_EQ(request.Folder, folder);
    EXPECT_EQ(request.FileName, kClip);
    TJwsData saved;
    ASSERT_TRUE(saved.FileCheck(file) && saved.FileIn(file));
    EXPECT_EQ(saved.Enthd.n1, Clip(0).Enthd.n1);
    EXPECT_EQ(saved.EntBlockDefN, Clip(0).EntBlockDefN);
    EXPECT_TRUE(f.ui.messages.empty());

    // A last folder that is gone: the dialog starts in the program's folder.
    std::filesystem::remove_all(folder);
    dialog.answer.reset();
    Save(1);
    EXPECT_EQ(dialog.requests.back().Folder, AppPath);
}

// An empty row beeps; an unreadable clip and a file that cannot be written are told; a
// cancelled dialog writes nothing. None leaves a file behind.
TEST_F(FigureSaveTest, RefusalsAndFailuresWriteNothing) {
    dialog.answer = folder / "x.jws";
    Save(3);
    EXPECT_EQ(f.ui.beeps, 1);
    Save(2);
    EXPECT_EQ(f.ui.messages, std::vector<std::u16string>{u"クリップ 20200101_000001 の図形を読み込めませんでした。"});
    EXPECT_TRUE(dialog.requests.empty()) << "no dialog without a figure";

    dialog.answer.reset();
    Save(1);
    EXPECT_EQ(dialog.requests.size(), 1u);
    dialog.answer = folder / "missing" / "x.jws";
    Save(1);
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[1], u"図形ファイル " + PathText(*dialog.answer) + u" に保存できませんでした。");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace
}  // namespace torvane::test
