#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/clip_names.h"
#include "app/form1_globals.h"
#include "form1_fakes.h"

namespace torvane::test {
namespace {

std::u16string Name(int n) {
    std::string text = "20260101_" + std::string(n < 10 ? "00000" : "0000") + std::to_string(n);
    return std::u16string(text.begin(), text.end());
}

std::string Utf8(const std::u16string& s) { return std::string(s.begin(), s.end()); }

class ClipStoreTest : public ::testing::Test {
protected:
    ClipStoreTest() {
        f.form.BtnNum = 9;
        f.view.Take();
    }
    // Puts clip `name` with its four files on `page` at `row`; the files hold the name.
    void PutClip(int page, int row, const std::u16string& name) {
        f.form.StringGrid1[page][row] = name;
        for (const char* extension : ClipExtensions) WriteBytes(ClipFile(PageFolders[page], name, extension), Utf8(name));
    }
    // The names of rows 0 to count - 1 of a page.
    std::vector<std::u16string> Rows(int page, int count) {
        return {f.form.StringGrid1[page].begin(), f.form.StringGrid1[page].begin() + count};
    }
    bool HasFiles(int page, const std::u16string& name) {
        for (const char* extension : ClipExtensions) {
            if (!std::filesystem::exists(ClipFile(PageFolders[page], name, extension))) return false;
        }
        return true;
    }
    Form1Fixture f;
};

TEST(ClipNames, FormatCarryAndPlainness) {
    EXPECT_EQ(ClipNameOfTime({2026, 3, 4, 5, 6, 7, 999}), u"20260304_050607");
    EXPECT_EQ(NextSecond({2024, 2, 28, 23, 59, 59, 0}), (LocalTime{2024, 2, 29, 0, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2023, 2, 28, 23, 59, 59, 0}), (LocalTime{2023, 3, 1, 0, 0, 0, 0}));
    EXPECT_EQ(NextSecond({1900, 2, 28, 23, 59, 59, 0}), (LocalTime{1900, 3, 1, 0, 0, 0, 0}));
    EXPECT_EQ(NextSecond({2026, 12, 31, 23, 59, 59, 0}), (LocalTime{2027, 1, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(IsPlainClipName(u"20260101_000000"));
    EXPECT_TRUE(IsPlainClipName(u"図形 1"));
    for (const char16_t* bad : {u"", u".", u"..", u"a..b", u"a\\b", u"a/b", u"C:", u" a", u"a.", u"a*", u"\x01"})
        EXPECT_FALSE(IsPlainClipName(bad)) << Utf8(bad);
}

TEST_F(ClipStoreTest, FormCreateMakesThePageFolders) {
    EXPECT_EQ(AppPath, f.dir.path());
    EXPECT_EQ(SettingsFile, f.dir / "torvane.dat");
    EXPECT_EQ(PageFolders[0], f.dir / "Temp");
    EXPECT_EQ(PageFolders[3], f.dir / "Temp" / "3");
    for (const auto& folder : PageFolders) EXPECT_TRUE(std::filesystem::is_directory(folder));
    f.form.FormCreate(f.dir / "torvane.exe");  // existing folders are no error
    EXPECT_EQ(f.form.PreBtnNo, -1);
}

TEST_F(ClipStoreTest, PageSwitchReloadsEveryButton) {
    PutClip(2, 0, Name(1));
    f.form.StringGrid1[2][1] = Name(2);  // no files
    f.form.BtnNum = 2;
    f.form.KanClip = 1;
    f.form.PageSwitch(2);
    EXPECT_EQ(f.form.CurPage, 2);
    EXPECT_EQ(f.form.PreBtnNo, 0);
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"timer off 1000", "raise 1", "clear 1",
                                                       "image 1 20260101_000001.bmp", "raise 2", "clear 2",
                                                       "label P2", "timer on 1000"}));
    f.form.PageSwitch(2);
    EXPECT_TRUE(f.view.Take().empty());
}

TEST_F(ClipStoreTest, MovesWithinAPage) {
    for (int row = 0; row < 3; ++row) f.form.StringGrid1[0][row] = Name(row);
    f.form.MenuContext = 1;
    f.form.ClipMovePrior();  // first clip forward: nothing
    f.form.MenuContext = 3;
    f.form.ClipMoveBack();  // next row empty: nothing
    EXPECT_EQ(Rows(0, 3), (std::vector{Name(0), Name(1), Name(2)}));
    f.form.ClipMovePrior();
    EXPECT_EQ(Rows(0, 3), (std::vector{Name(0), Name(2), Name(1)}));
    f.form.MenuContext = 1;
    f.form.ClipMoveBack();
    EXPECT_EQ(Rows(0, 3), (std::vector{Name(2), Name(0), Name(1)}));
    f.form.ClipMoveLast();
    EXPECT_EQ(Rows(0, 3), (std::vector{Name(0), Name(1), Name(2)}));
    f.form.MenuContext = 3;
    f.form.ClipMoveFirst();
    EXPECT_EQ(Rows(0, 4), (std::vector{Name(2), Name(0), Name(1), std::u16string()}));

    f.form.StringGrid1[0].fill({});
    f.form.StringGrid1[0][8] = Name(8);
    f.form.StringGrid1[0][9] = Name(9);
    f.form.MenuContext = 9;  // the last button's clip back: nothing, although row 9 holds one
    f.form.ClipMoveBack();
    f.form.ClipMoveLast();
    EXPECT_EQ(f.form.StringGrid1[0][8], Name(8));

    f.form.StringGrid1[0].fill({});
    f.form.StringGrid1[0][0] = Name(0);
    f.form.MenuContext = 1;  // the only clip, in row 0, to last: nothing
    f.view.Take();
    f.form.ClipMoveLast();
    EXPECT_EQ(f.form.StringGrid1[0][0], Name(0));
    EXPECT_TRUE(f.view.Take().empty());
}

TEST_F(ClipStoreTest, MoveToLastStopsAtTheLastVisibleClip) {
    f.form.StringGrid1[1] = {};
    for (int row : {0, 1, 3}) f.form.StringGrid1[1][row] = Name(row);
    f.form.StringGrid1[1][20] = Name(20);  // beyond the buttons
    f.form.PageSwitch(1);
    f.form.MenuContext = 1;
    f.form.ClipMoveLast();
    EXPECT_EQ(Rows(1, 4), (std::vector{Name(1), std::u16string(), Name(3), Name(0)}));
    EXPECT_EQ(f.form.StringGrid1[1][20], Name(20));
}

TEST_F(ClipStoreTest, CopyToTheEndMakesANewClipWithItsOwnFiles) {
    PutClip(0, 0, Name(0));
    f.form.StringGrid1[1][0] = Name(5);
    f.form.StringGrid1[1][2] = Name(7);  // a gap at row 1 is not reused
    f.form.MenuContext = 1;
    f.form.ClipCopyToEnd(1);
    EXPECT_EQ(f.form.StringGrid1[1][3], u"20261209_143005");
    EXPECT_TRUE(HasFiles(1, u"20261209_143005"));
    EXPECT_EQ(ReadBytes(ClipFile(PageFolders[1], u"20261209_143005", ".1")), "20260101_000000");
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.ui.beeps, 0);

    // Same page, same second: a second clip under the next free second.
    f.form.PageSwitch(1);
    f.form.MenuContext = 4;
    f.view.Take();
    f.form.ClipCopyToEnd(1);
    EXPECT_EQ(f.form.StringGrid1[1][4], u"20261209_143006");
    EXPECT_TRUE(HasFiles(1, u"20261209_143006"));
    EXPECT_TRUE(HasFiles(1, u"20261209_143005"));
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"clear 5", "image 5 20261209_143006.bmp"}));
}

TEST_F(ClipStoreTest, NewNamesSkipNamesOnThePageAndFilesInItsFolder) {
    WriteBytes(ClipFile(PageFolders[2], u"20261209_143005", ".bmp"), "x");
    f.form.StringGrid1[2][40] = u"20261209_143006";
    EXPECT_EQ(f.form.NewClipName(2), u"20261209_143007");
    EXPECT_EQ(f.form.NewClipName(3), u"20261209_143005");
}

TEST_F(ClipStoreTest, CopyRefusals) {
    f.form.MenuContext = 2;  // empty slot
    f.form.ClipCopyToEnd(1);
    EXPECT_EQ(f.ui.beeps, 1);
    EXPECT_TRUE(f.ui.messages.empty());

    PutClip(0, 1, Name(1));
    f.form.StringGrid1[2][99] = Name(99);  // full although earlier rows are empty
    f.form.ClipCopyToEnd(2);
    f.form.ClipCopyToStart(2);
    EXPECT_EQ(f.ui.beeps, 3);
    EXPECT_EQ(f.ui.messages, (std::vector<std::u16string>(2, u"Page 2 は既に一杯ですのでコピー出来ません")));
    EXPECT_TRUE(f.form.StringGrid1[2][0].empty());
}

TEST_F(ClipStoreTest, CopyBeyondTheButtonsWarns) {
    PutClip(0, 0, Name(0));
    for (int row = 0; row < 9; ++row) f.form.StringGrid1[3][row] = Name(10 + row);
    f.form.MenuContext = 1;
    f.form.ClipCopyToEnd(3);
    EXPECT_EQ(f.form.StringGrid1[3][9], u"20261209_143005");
    EXPECT_EQ(f.ui.messages,
              std::vector<std::u16string>{u"コピーしたデータは表示数をオーバーして見えませんので注意して下さい"});
}

TEST_F(ClipStoreTest, CopyToTheStartShiftsTheTargetPage) {
    PutClip(1, 0, Name(0));
    f.form.StringGrid1[1][1] = Name(1);
    f.form.StringGrid1[1][98] = Name(98);
    f.form.BtnNum = 1;
    f.form.PageSwitch(1);
    f.form.MenuContext = 1;
    f.view.Take();
    f.form.ClipCopyToStart(1);
    EXPECT_EQ(Rows(1, 3), (std::vector<std::u16string>{u"20261209_143005", Name(0), Name(1)}));
    EXPECT_EQ(f.form.StringGrid1[1][99], Name(98));
    EXPECT_TRUE(HasFiles(1, u"20261209_143005"));
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"raise 1", "clear 1", "image 1 20261209_143005.bmp"}));
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST_F(ClipStoreTest, DeleteInRowZeroOfAFullPage) {
    for (int row = 0; row < 100; ++row) f.form.StringGrid1[0][row] = Name(row);
    PutClip(0, 0, Name(0));
    f.form.MenuContext = 1;
    f.form.ClipDelete();
    EXPECT_EQ(f.form.StringGrid1[0][0], Name(1));
    EXPECT_EQ(f.form.StringGrid1[0][98], Name(99));
    EXPECT_TRUE(f.form.StringGrid1[0][99].empty());
    EXPECT_FALSE(std::filesystem::exists(ClipFile(PageFolders[0], Name(0), ".0")));
    EXPECT_FALSE(std::filesystem::exists(ClipFile(PageFolders[0], Name(0), ".bmp")));
    const auto calls = f.view.Take();
    EXPECT_EQ(calls.size(), 9U);  // every button cleared, none has a thumbnail file
    EXPECT_EQ(calls.back(), "clear 9");

    f.form.MenuContext = 0;
    f.form.ClipDelete();
    EXPECT_EQ(f.form.StringGrid1[0][0], Name(1));
}

TEST_F(ClipStoreTest, TheHundredAndFirstCaptureDropsTheOldestClipsFiles) {
    for (int row = 0; row < 100; ++row) f.form.StringGrid1[0][row] = Name(row);
    PutClip(0, 99, Name(99));
    PutClip(0, 98, Name(98));
    f.form.WorkPageAdd(u"20261209_143005");
    EXPECT_EQ(f.form.StringGrid1[0][0], u"20261209_143005");
    EXPECT_EQ(f.form.StringGrid1[0][1], Name(0));
    EXPECT_EQ(f.form.StringGrid1[0][99], Name(98));
    for (const char* extension : ClipExtensions)
        EXPECT_FALSE(std::filesystem::exists(ClipFile(PageFolders[0], Name(99), extension))) << extension;
    EXPECT_TRUE(HasFiles(0, Name(98)));
    const auto calls = f.view.Take();
    ASSERT_EQ(calls.size(), 8U);  // buttons 2 to 9 reloaded, button 1 left to the capture
    EXPECT_EQ(calls.front(), "clear 2");
}

TEST_F(ClipStoreTest, CloseWithoutHistoryDeletesTheWorkPagesFiles) {
    PutClip(0, 0, Name(0));
    PutClip(1, 0, Name(1));
    f.form.Histo = 0;
    f.form.FormClose();
    EXPECT_FALSE(std::filesystem::exists(ClipFile(PageFolders[0], Name(0), ".1")));
    EXPECT_TRUE(HasFiles(1, Name(1)));
    EXPECT_TRUE(std::filesystem::exists(SettingsFile));
}

TEST_F(ClipStoreTest, CloseWithHistoryKeepsThemAndTheNextStartRestoresTheWorkPage) {
    PutClip(0, 0, Name(0));
    f.form.Histo = 1;
    f.form.FormClose();
    EXPECT_TRUE(HasFiles(0, Name(0)));
    Form1Fixture next;
    next.form.FormCreate(f.dir / "torvane.exe");
    next.form.FormShow();
    EXPECT_EQ(next.form.StringGrid1[0][0], Name(0));
}

}  // namespace
}  // namespace torvane::test
