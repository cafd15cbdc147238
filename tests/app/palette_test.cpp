#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/clip_names.h"
#include "app/form1_globals.h"
#include "dialog_fakes.h"
#include "form1_fakes.h"
#include "util/bmp_file.h"
#include "util/files.h"

namespace torvane::test {
namespace {

// A shown palette of 2 x 2 buttons at (100, 200), 400 x 240, with clips "a" (row 0) and "b"
// (row 1) on the work page, each with a thumbnail file, and a real figure in "a".
class PaletteTest : public ::testing::Test {
protected:
    PaletteTest() {
        f.view.windowsOpen = true;
        f.view.current.Form1 = {100, 200, 400, 240};
        for (const char16_t* name : {u"a", u"b"}) WriteBytes(ClipFile(TempPath, name, ".bmp"), "bmp");
        if (const auto data = DataDir()) WriteBytes(ClipFile(TempPath, u"a", ".1"), ReadBytes(*data / "streams" / "Test5.1"));
        f.form.BtnXn = f.form.BtnYn = 2;
        f.form.StringGrid1[0][0] = u"a";
        f.form.StringGrid1[0][1] = u"b";
        f.form.ClientWidth = 400;
        f.form.ClientHeight = 240;
    }
    Form1Fixture f;
};

TEST_F(PaletteTest, BuildCreatesTheButtonsAndLoadsTheirThumbnails) {
    f.form.LocateLoc = 1;
    f.form.ColEdge = f.form.ColBacc = 0x123456;
    f.view.failingButton = 3;
    f.form.BuildPalette();
    EXPECT_EQ(f.view.Take(),
              (std::vector<std::string>{"label P0", "create 1 0,0 64x64", "clear 1", "image 1 a.bmp", "create 2 64,0 64x64",
                                        "clear 2", "image 2 b.bmp", "create 3 0,64 64x64", "create 4 64,64 64x64",
                                        "clear 4"}));
    EXPECT_TRUE(f.form.ReadyFlag);
    EXPECT_EQ(f.form.BtnNum, 4);
    EXPECT_EQ(f.view.style, (TPaletteStyle{0x123456, 0x123456, 0x808080, 0, 8421504, 16, 8}));
    EXPECT_EQ(f.view.layout, LayoutPalette(400, 240, 16));
    EXPECT_EQ(f.view.range, (TSize{128, 128}));

    // Resizing lays the palette out again; scrolling moves the clip buttons.
    f.form.FormResize(300, 400);
    EXPECT_TRUE(f.view.layout.Portrait);
    EXPECT_EQ(f.view.Take().size(), 4u);
    f.form.ClipFieldScroll(0, 30);
    EXPECT_EQ(f.view.Take()[3], "place 4 64,34 64x64");
    f.form.FreePalette();
    f.form.FormResize(10, 10);
    EXPECT_EQ(f.form.ClientWidth, 16);
    EXPECT_EQ(f.view.Take(), std::vector<std::string>{});
}

TEST_F(PaletteTest, MouseOnClipAndCommandButtons) {
    f.form.BuildPalette();
    f.view.Take();
    // Left: the last pressed button is raised again.
    f.form.ClipMouseDown(4, TMouseButton::Left, 5, 5);
    f.form.ClipMouseDown(2, TMouseButton::Left, 5, 5);
    f.form.ClipMouseDown(5, TMouseButton::Left, 5, 5);
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"lower 4", "raise 4", "lower 2"}));
    EXPECT_EQ(f.form.PreBtnNo, 2);
    // Right: the menu at the pointer, with the clip items on a clip button only.
    f.form.ClipMouseDown(2, TMouseButton::Right, 7, 9);
    f.form.CommandButtonMouseDown(5, TMouseButton::Right, 1, 1);  // "Ｚ"
    f.form.CommandButtonMouseDown(6, TMouseButton::Right, 1, 1);  // "Ｊ"
    EXPECT_EQ(f.form.MenuContext, 2);
    f.form.CommandButtonMouseDown(7, TMouseButton::Right, 1, 2);  // "◆"
    EXPECT_EQ(f.form.MenuContext, 0);
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"menu 214 216 clip", "menu 105 278 noclip"}));
    // Middle: the viewer on a clip whose figure exists, nothing on one without.
    WriteBytes(ClipFile(TempPath, u"b", ".1"), "figure");
    f.form.ClipMouseDown(2, TMouseButton::Middle, 0, 0);
    f.form.ClipMouseDown(3, TMouseButton::Middle, 0, 0);
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"front", "viewer b.1"}));
    // A running monitor waits while the viewer draws with the shared document.
    f.form.MonitorStart();
    f.view.Take();
    f.form.ClipMouseDown(2, TMouseButton::Middle, 0, 0);
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"front", "timer off 1000", "viewer b.1", "timer on 1000"}));
}

TEST_F(PaletteTest, PageCommandsFromTheMenuAndThePageButtons) {
    f.form.BuildPalette();
    f.form.ClipMouseDown(2, TMouseButton::Right, 0, 0);
    f.form.MenuCommand(TPaletteCommand::CopyToEnd1);
    f.form.MenuCommand(TPaletteCommand::MoveFirst);
    EXPECT_EQ(f.form.StringGrid1[0][0], u"b");
    EXPECT_EQ(f.form.StringGrid1[1][0], u"20261209_143005");
    f.form.CommandButtonMouseDown(2, TMouseButton::Left, 0, 0);  // "1"
    EXPECT_EQ(f.form.CurPage, 1);
    f.form.ClipMouseDown(1, TMouseButton::Right, 0, 0);
    f.form.MenuCommand(TPaletteCommand::ClipDelete);
    EXPECT_EQ(f.form.StringGrid1[1][0], u"");
    EXPECT_FALSE(FileThere(ClipFile(PageFolders[1], u"20261209_143005", ".bmp")));
    // Clip commands do nothing without a clip button under the menu.
    f.form.CommandButtonMouseDown(0, TMouseButton::Right, 0, 0);
    f.form.MenuCommand(TPaletteCommand::Page0);
    f.form.MenuCommand(TPaletteCommand::ClipDelete);
    EXPECT_EQ(f.form.StringGrid1[0][0], u"b");
    f.view.Take();
    f.form.MenuCommand(TPaletteCommand::Exit);
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"timer off 1000", "close"}));
    EXPECT_TRUE(f.form.WMQueryEndSession());
}

// The monitor runs inside the menu's loop: a capture while the menu is open moves every row
// down, and the command chosen then still acts on the clip the menu was opened on.
TEST_F(PaletteTest, AMenuCommandAfterACaptureActsOnTheClipTheMenuWasOpenedOn) {
    f.form.BuildPalette();
    f.form.ClipMouseDown(2, TMouseButton::Right, 0, 0);  // on "b"
    f.form.WorkPageAdd(u"c");
    f.form.MenuCommand(TPaletteCommand::ClipDelete);
    EXPECT_EQ(f.form.StringGrid1[0][0], u"c");
    EXPECT_EQ(f.form.StringGrid1[0][1], u"a") << "the neighbour is kept";
    EXPECT_EQ(f.form.StringGrid1[0][2], u"");

    f.form.ClipMouseDown(2, TMouseButton::Right, 0, 0);  // on "a"
    f.form.WorkPageAdd(u"d");
    f.form.MenuCommand(TPaletteCommand::MovePrior);
    EXPECT_EQ(f.form.StringGrid1[0][0], u"d");
    EXPECT_EQ(f.form.StringGrid1[0][1], u"a");
    EXPECT_EQ(f.form.StringGrid1[0][2], u"c");

    // A clip gone meanwhile (deleted from its button while the menu stood open): nothing.
    f.form.ClipMouseDown(3, TMouseButton::Right, 0, 0);  // on "c"
    f.form.StringGrid1[0][2].clear();
    f.form.MenuCommand(TPaletteCommand::MoveFirst);
    EXPECT_EQ(f.form.StringGrid1[0][0], u"d");
    EXPECT_EQ(f.form.StringGrid1[0][1], u"a");
}

TEST_F(PaletteTest, SettingsDialogRebuildsThePaletteInTheDialogStyle) {
    f.form.BuildPalette();
    f.form.OnTop = 1;
    f.form.KanClip = 1;
    f.form.BtnXn = 1;
    f.view.Take();
    f.form.CommandButtonMouseDown(7, TMouseButton::Left, 0, 0);  // "◆"
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"timer off 1000", "not on top", "front", "on top", "label P0",
                                                       "create 1 0,0 64x64", "clear 1", "image 1 a.bmp",
                                                       "create 2 0,64 64x64", "clear 2", "image 2 b.bmp",
                                                       "timer on 1000"}));
}

TEST_F(PaletteTest, SettingsAreTakenBackOnlyOnOk) {
    f.form.BuildPalette();
    f.form.Ktime = 5000;
    f.form.PasteBa = {u"1/2"};
    auto run = [&](bool ok) {
        f.view.runSettings = [ok](TForm2& dialog) {
            FakeSettingsDialog window;
            dialog.FormShow(window);
            window.controls.Edit1 = u"0.0004";
            window.controls.Edit5 = u"1";
            window.controls.CheckBox3 = window.controls.CheckBox6 = true;  // KanClip, AlphaCheck1
            window.controls.Edit10 = u"100";
            window.controls.Memo1.insert(window.controls.Memo1.end(), {u"", u" 　\t", u" 1/2 "});
            ok ? dialog.Button1Click(window) : dialog.Button2Click(window);
            dialog.Left = 70;
        };
        f.view.Take();
        f.form.MenuCommand(TPaletteCommand::Settings);
        return f.view.Take();
    };
    // Cancelled: nothing changes, but the palette is rebuilt.
    EXPECT_EQ(run(false), (std::vector<std::string>{"timer off 5000", "not on top", "front", "label P0",
                                                    "create 1 0,0 64x64", "clear 1", "image 1 a.bmp",
                                                    "create 2 64,0 64x64", "clear 2", "image 2 b.bmp",
                                                    "create 3 0,64 64x64", "clear 3", "create 4 64,64 64x64", "clear 4"}));
    EXPECT_EQ(std::tuple(f.form.Ktime, f.form.BtnXn, f.form.PasteBa.size()), std::tuple(5000, 2, 1u));

    const auto calls = run(true);
    EXPECT_EQ(std::tuple(f.form.Ktime, f.form.BtnXn, f.form.KanClip), std::tuple(1000, 1, 1));
    EXPECT_EQ(f.form.PasteBa, (std::vector<std::u16string>{u"1/2", u" 1/2 "}));
    EXPECT_EQ(std::tuple(f.form.PasteBaN, f.view.pasteLists.first, f.form.Geometry.Form2Left),
              std::tuple(2, f.form.PasteBa, 70));
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 3, calls.begin() + 5),
              (std::vector<std::string>{"alpha 100", "browser alpha 255"}));
    EXPECT_EQ(calls.back(), "timer on 1000");
}

TEST_F(PaletteTest, JwcadSelectionAndViewerKeepTheirResultsAndPlaces) {
    f.windows.windows = {{41, u"一 - jw_win", true, 0}, {42, u"二 - jw_win", true, 0}};
    f.view.runJwwSelect = [](TForm7& dialog) {
        FakeJwwSelectDialog window;
        dialog.FormShow(window);
        window.selected = 1;
        dialog.OkClick(window);
        dialog.Bounds = {1, 2, 300, 200};
    };
    f.form.CommandButtonMouseDown(6, TMouseButton::Left, 0, 0);  // "Ｊ"
    EXPECT_EQ(std::pair(f.form.BootJwwHnd, f.form.Geometry.Form7), std::pair(42, TWindowBounds{1, 2, 300, 200}));

    if (!FileThere(ClipFile(TempPath, u"a", ".1"))) GTEST_SKIP() << "no real data";
    f.form.BuildPalette();
    f.form.OnTop = 1;
    std::size_t pictures = 0;
    f.view.runViewer = [&](TForm3& viewer) {
        FakeClipViewer window;
        viewer.FormShow(window);
        viewer.FormClose(window);
        pictures = window.pictures.size();
        viewer.Bounds = {5, 6, 700, 500};
    };
    f.form.ClipMouseDown(1, TMouseButton::Right, 0, 0);
    f.view.Take();
    f.form.MenuCommand(TPaletteCommand::ClipView);
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"not on top", "front", "viewer a.1", "on top"}));
    EXPECT_EQ(std::pair(pictures, f.form.Geometry.Form3), std::pair(std::size_t{1}, TWindowBounds{5, 6, 700, 500}));
}

TEST_F(PaletteTest, RegenerationAfterConfirmationUpToTheFirstEmptyRowOrEscape) {
    if (!FileThere(ClipFile(TempPath, u"a", ".1"))) GTEST_SKIP() << "no real data";
    f.form.StringGrid1[0][3] = u"d";
    f.form.BuildPalette();
    f.view.Take();
    f.ui.confirm = false;
    f.form.MenuCommand(TPaletteCommand::Regenerate);
    EXPECT_EQ(f.view.Take(), std::vector<std::string>{});
    f.ui.confirm = true;
    f.keys.held = {Keyboard::kEscape};
    f.form.MenuCommand(TPaletteCommand::Regenerate);
    EXPECT_EQ(f.view.Take(), std::vector<std::string>{});
    f.keys.held.clear();
    f.form.MenuCommand(TPaletteCommand::Regenerate);
    // "a" is drawn again; "b" has no figure and loses its picture; row 2 is empty: "d" is not reached.
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"clear 1", "image 1 a.bmp", "clear 2"}));
    EXPECT_EQ(LoadBmp(ClipFile(TempPath, u"a", ".bmp"))->width, 58);
    EXPECT_EQ(f.ui.confirmations.back(), u"このページのクリップ画像を再生成します。時間が掛かりますが本当によろしいですか？");
}

TEST_F(PaletteTest, UnreadableSettingsFileIsSetAsideAndAFailedWriteIsReported) {
    // A settings "file" that cannot be read: it is renamed aside and the user is told where.
    std::filesystem::create_directory(SettingsFile);
    WriteBytes(SettingsFile / "index", "clips");
    f.form.FormShow();
    const auto aside = std::filesystem::path(SettingsFile.string() + ".unreadable");
    EXPECT_TRUE(FileThere(aside / "index"));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_NE(f.ui.messages[0].find(aside.u16string()), std::u16string::npos);

    // Failing to write at close is reported.
    std::filesystem::create_directory(SettingsFile);
    WriteBytes(SettingsFile / "x", "x");
    f.form.FormClose();
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[1], u"設定ファイル " + SettingsFile.u16string() + u" に書き込めませんでした。");

    // When it cannot even be set aside, it is left alone and not written at close.
    for (int n = 2; n <= 99; ++n) WriteBytes(SettingsFile.string() + ".unreadable" + std::to_string(n), "");
    Form1Fixture again;
    again.form.FormCreate(f.dir / "torvane.exe");
    again.form.FormShow();
    again.form.FormClose();
    EXPECT_TRUE(FileThere(SettingsFile / "x"));
    EXPECT_FALSE(again.form.SettingsWritable);
    EXPECT_EQ(again.ui.messages.size(), 1u);
}

}  // namespace
}  // namespace torvane::test
