#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1_globals.h"
#include "form1_fakes.h"

namespace torvane::test {
namespace {

// Line numbers (from 1) in a file with empty scale and angle lists and no recent folders.
constexpr int LineKtime = 5, LineHisto = 6, LineBtnXn = 16, LineBtnYn = 17, LineBrwX = 39, LineBrwY = 40,
              LineFolderCount = 61, LineRows = 66;

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends with CR LF";
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

class SettingsFileTest : public ::testing::Test {
protected:
    // The lines SettingsOut writes for a form with default settings.
    std::vector<std::string> DefaultLines() {
        Form1Fixture other;
        other.form.SettingsIn(other.dir / "missing.dat");
        other.view.SetPaletteInputs({u"1.0", u"0.0", true, true});
        other.form.SettingsOut(other.dir / "defaults.dat");
        return SplitLines(ReadBytes(other.dir / "defaults.dat"));
    }
    void ReadLines(const std::vector<std::string>& lines) {
        WriteBytes(f.dir / "in.dat", JoinLines(lines));
        f.form.SettingsIn(f.dir / "in.dat");
    }
    // Writes the form's settings and reads them into a second form.
    TForm1& RoundTrip() {
        f.form.SettingsOut(f.dir / "out.dat");
        back.form.SettingsIn(f.dir / "out.dat");
        return back.form;
    }
    Form1Fixture f;
    Form1Fixture back;
};

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndEmptyIndex) {
    f.form.Ktime = 5;
    f.form.StringGrid1[2][3] = u"20260101_000000";
    f.form.BrowserFolders = {u"x"};
    f.form.SettingsIn(f.dir / "missing.dat");
    EXPECT_EQ(f.form.Ktime, 1000);
    EXPECT_EQ(f.form.ColMnuB, 8421504);
    EXPECT_EQ(f.form.PasteBai, u"1.0");
    EXPECT_TRUE(f.form.PasteMoj);
    EXPECT_EQ(f.form.ZukeiBrwF, -1);
    EXPECT_EQ(f.form.Geometry.Form1, (TWindowBounds{32, 32, 400, 240}));
    EXPECT_TRUE(f.form.StringGrid1[2][3].empty());
    EXPECT_TRUE(f.form.BrowserFolders.empty());
}

TEST_F(SettingsFileTest, DefaultFileHasTheDocumentedLayout) {
    const auto lines = DefaultLines();
    // The index, then the clip search window's place.
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(LineRows + 400 + 4));
    EXPECT_EQ(lines[LineKtime - 1], "1000");
    EXPECT_EQ(lines[12 - 1], "16777215");
    EXPECT_EQ(lines[30 - 1], "0");  // no angle entries
    EXPECT_EQ(lines[31 - 1], "1.0");
    EXPECT_EQ(lines[32 - 1], "0.0");
    EXPECT_EQ(lines[33 - 1], "1");
    EXPECT_EQ(lines[42 - 1], "-1");
    EXPECT_EQ(lines[LineRows - 1], "100");
}

TEST_F(SettingsFileTest, RoundTripKeepsEveryValue) {
    auto& a = f.form;
    a.Ktime = 250;
    a.Histo = 1;
    BackColorNo = 1;
    a.OnTop = 1;
    a.KanBoot = a.KanClip = a.LocateLoc = 1;
    a.ColBacc = 0x123456;
    a.ColEdge = 0x654321;
    a.ColMnuB = 7;
    a.SwSize = 20;
    a.BtnXn = 4;
    a.BtnYn = 6;
    a.BtnWi = 80;
    a.BtnHe = 90;
    a.AlphaCheck1 = 1;
    a.AlphaValue1 = 200;
    a.AlphaCheck2 = 1;
    a.AlphaValue2 = 10;
    a.BootJwwHnd = -1;
    a.TranKyo = 2;
    a.TranCol = 25;
    a.TranLtp = 33;
    a.TranAut = 1;
    a.PasteBa = {u"1/2", u"2 x 3", u"", u" 10 "};
    a.PasteAn = {u"45", u"-90.5"};
    a.ZukeiType = 3;
    a.ZukeiFold = u"C:\\図面\\平成31年";
    a.ZukeiImgX = 5;
    a.ZukeiImgY = 1;
    a.ZukeiBrwX = 3;
    a.ZukeiBrwY = 10;
    a.ZukeiBrwT = 4;
    a.ZukeiBrwF = 2;
    f.view.windowsOpen = true;
    f.view.current.Form1 = {-5, 6, 700, 300};
    f.view.current.Form2Left = 11;
    f.view.current.Form2Top = 12;
    f.view.current.Form3 = {1, 2, 3, 4};
    f.view.current.Form5 = {5, 6, 7, 8};
    f.view.current.Form5PanelWidth = 150;
    f.view.current.Form5ColWidths = {100, 60, 70};
    f.view.current.Form6 = {9, 10, 605, 482};
    f.view.current.Form7 = {13, 14, 15, 16};
    a.BrowserFolders = {u"D:\\jw\\ｶﾀｶﾅ", u"\\\\server\\共有"};
    a.StringGrid1[0][0] = u"20261209_143005";
    a.StringGrid1[1][99] = u"20260101_000000";
    a.StringGrid1[3][50] = u"図形_1";
    f.view.SetPaletteInputs({u"1 / 50", u"角度 30", false, true});

    const TForm1& b = RoundTrip();
    EXPECT_EQ(b.Ktime, 250);
    EXPECT_EQ(b.Histo, 1);
    EXPECT_EQ(BackColorNo, 1);
    EXPECT_EQ(b.OnTop, 1);
    EXPECT_EQ(b.KanBoot + b.KanClip + b.LocateLoc, 3);
    EXPECT_EQ(b.ColBacc, 0x123456);
    EXPECT_EQ(b.ColEdge, 0x654321);
    EXPECT_EQ(b.ColMnuB, 7);
    EXPECT_EQ(b.SwSize, 20);
    EXPECT_EQ(b.BtnXn, 4);
    EXPECT_EQ(b.BtnYn, 6);
    EXPECT_EQ(b.BtnWi, 80);
    EXPECT_EQ(b.BtnHe, 90);
    EXPECT_EQ(b.AlphaCheck1, 1);
    EXPECT_EQ(b.AlphaValue1, 200);
    EXPECT_EQ(b.AlphaCheck2, 1);
    EXPECT_EQ(b.AlphaValue2, 10);
    EXPECT_EQ(b.BootJwwHnd, -1);
    EXPECT_EQ(b.TranKyo, 2);
    EXPECT_EQ(b.TranCol, 25);
    EXPECT_EQ(b.TranLtp, 33);
    EXPECT_EQ(b.TranAut, 1);
    EXPECT_EQ(b.PasteBaN, 4);
    EXPECT_EQ(b.PasteBa, a.PasteBa);
    EXPECT_EQ(b.PasteAnN, 2);
    EXPECT_EQ(b.PasteAn, a.PasteAn);
    EXPECT_EQ(b.PasteBai, u"1 / 50");
    EXPECT_EQ(b.PasteAng, u"角度 30");
    EXPECT_FALSE(b.PasteMoj);
    EXPECT_TRUE(b.PasteTen);
    EXPECT_EQ(b.ZukeiType, 3);
    EXPECT_EQ(b.ZukeiFold, a.ZukeiFold);
    EXPECT_EQ(b.ZukeiImgX, 5);
    EXPECT_EQ(b.ZukeiImgY, 1);
    EXPECT_EQ(b.ZukeiBrwX, 3);
    EXPECT_EQ(b.ZukeiBrwY, 10);
    EXPECT_EQ(b.ZukeiBrwT, 4);
    EXPECT_EQ(b.ZukeiBrwF, 2);
    EXPECT_EQ(b.Geometry, f.view.current);
    EXPECT_EQ(b.BrowserFolders, a.BrowserFolders);
    EXPECT_EQ(b.StringGrid1, a.StringGrid1);
}

TEST_F(SettingsFileTest, WorkPageIsKeptOnlyWithHistory) {
    f.form.StringGrid1[0][0] = u"20261209_143005";
    f.form.StringGrid1[0][1] = u"20261209_143004";
    f.form.StringGrid1[1][0] = u"20261209_120000";
    f.form.Histo = 1;
    EXPECT_EQ(RoundTrip().StringGrid1[0][1], u"20261209_143004");

    // Written with history, read after the flag was switched off: page 0 reads empty.
    auto lines = SplitLines(ReadBytes(f.dir / "out.dat"));
    lines[LineHisto - 1] = "0";
    ReadLines(lines);
    EXPECT_TRUE(f.form.StringGrid1[0][0].empty());
    EXPECT_TRUE(f.form.StringGrid1[0][1].empty());
    EXPECT_EQ(f.form.StringGrid1[1][0], u"20261209_120000");

    // Written without history: page 0 lines are empty in the file.
    f.form.StringGrid1[0][0] = u"20261209_143005";
    f.form.Histo = 0;
    f.form.SettingsOut(f.dir / "out.dat");
    EXPECT_EQ(SplitLines(ReadBytes(f.dir / "out.dat"))[LineRows], "");
}

TEST_F(SettingsFileTest, ReadingClampsOutOfRangeValues) {
    auto lines = DefaultLines();
    lines[LineBtnXn - 1] = "20";
    lines[LineBtnYn - 1] = "20";
    lines[LineBrwX - 1] = "7";
    lines[LineBrwY - 1] = "9";
    lines[LineKtime - 1] = "0";
    ReadLines(lines);
    EXPECT_EQ(f.form.BtnXn, 20);
    EXPECT_EQ(f.form.BtnYn, 5);
    EXPECT_EQ(f.form.ZukeiBrwX, 7);
    EXPECT_EQ(f.form.ZukeiBrwY, 4);
    EXPECT_EQ(f.form.Ktime, 1000);

    lines[LineKtime - 1] = "90000";
    lines[LineBtnXn - 1] = "101";
    lines[LineBtnYn - 1] = "-3";
    lines[18 - 1] = "15";
    lines[19 - 1] = "1000";
    lines[20 - 1] = "2";
    lines[22 - 1] = "256";
    lines[25 - 1] = "3";
    lines[26 - 1] = "26";
    lines[27 - 1] = "-1";
    lines[28 - 1] = "5";
    lines[37 - 1] = "6";
    lines[LineBrwX - 1] = "11";
    ReadLines(lines);
    EXPECT_EQ(f.form.Ktime, 60000);
    EXPECT_EQ(f.form.BtnXn, 100);
    EXPECT_EQ(f.form.BtnYn, 1);
    EXPECT_EQ(f.form.BtnWi, 16);
    EXPECT_EQ(f.form.BtnHe, 999);
    EXPECT_EQ(f.form.AlphaCheck1, 0);
    EXPECT_EQ(f.form.AlphaValue1, 128);
    EXPECT_EQ(f.form.TranKyo, 0);
    EXPECT_EQ(f.form.TranCol, 0);
    EXPECT_EQ(f.form.TranLtp, 0);
    EXPECT_EQ(f.form.TranAut, 1);
    EXPECT_EQ(f.form.ZukeiImgX, 4);
    EXPECT_EQ(f.form.ZukeiBrwX, 5);
    EXPECT_EQ(f.form.ZukeiBrwY, 6);  // 5 × 9 > 30
}

TEST_F(SettingsFileTest, TruncatedFileReadsLaterLinesAsEmpty) {
    auto lines = DefaultLines();
    lines.resize(LineKtime - 1);
    lines.push_back("500");
    WriteBytes(f.dir / "in.dat", JoinLines(lines) + "1");  // last line without its line end
    f.form.SettingsIn(f.dir / "in.dat");
    EXPECT_EQ(f.form.Ktime, 500);
    EXPECT_EQ(f.form.Histo, 1);
    EXPECT_EQ(f.form.ColBacc, 0);
    EXPECT_EQ(f.form.BtnXn, 1);
    EXPECT_EQ(f.form.BtnYn, 1);
    EXPECT_EQ(f.form.BtnWi, 16);
    EXPECT_EQ(f.form.AlphaValue1, 0);
    EXPECT_TRUE(f.form.PasteBai.empty());
    EXPECT_FALSE(f.form.PasteMoj);
    EXPECT_EQ(f.form.ZukeiImgX, 4);
    EXPECT_EQ(f.form.ZukeiBrwF, 0);
    EXPECT_EQ(f.form.Geometry.Form7, TWindowBounds{});
    EXPECT_TRUE(f.form.PasteBa.empty());
}

TEST_F(SettingsFileTest, HugeCountsStopAtTheEndOfTheFile) {
    auto lines = DefaultLines();
    lines.resize(28);
    lines.push_back("2147483647");
    lines.push_back("x y");
    ReadLines(lines);
    EXPECT_EQ(f.form.PasteBa, std::vector<std::u16string>{u"x y"});
    EXPECT_EQ(f.form.PasteBaN, 1);

    lines = DefaultLines();
    lines.resize(LineRows - 1);
    lines.push_back("2147483647");
    lines.push_back("3230323631323039");
    ReadLines(lines);
    EXPECT_EQ(f.form.StringGrid1[0][0], u"");  // Histo 0
    lines[LineHisto - 1] = "1";
    ReadLines(lines);
    EXPECT_EQ(f.form.StringGrid1[0][0], u"20261209");
}

TEST_F(SettingsFileTest, RecentFoldersSkipEmptyAndKeepTwentyOnWriting) {
    auto lines = DefaultLines();
    lines[LineFolderCount - 1] = "3";
    lines.insert(lines.begin() + LineFolderCount, {"41", "", "E38182"});
    lines[LineFolderCount + 3] = "77";  // Jw_cad selection dialog left, after the three folders
    ReadLines(lines);
    EXPECT_EQ(f.form.BrowserFolders, (std::vector<std::u16string>{u"A", u"あ"}));
    EXPECT_EQ(f.form.Geometry.Form7.Left, 77);

    for (int i = 0; i < 25; ++i) f.form.BrowserFolders.push_back(u"F" + std::u16string(1, u'a' + i));
    const auto& b = RoundTrip();
    ASSERT_EQ(b.BrowserFolders.size(), 20U);
    EXPECT_EQ(b.BrowserFolders[19], f.form.BrowserFolders[19]);
}

TEST_F(SettingsFileTest, TenRowsFillTheFirstTenOfEveryPage) {
    auto lines = DefaultLines();
    lines.resize(LineRows - 1);
    lines[LineHisto - 1] = "1";
    lines.push_back("10");
    for (int page = 0; page < 4; ++page) {
        for (int row = 0; row < 10; ++row) {
            std::string name = "2026010" + std::to_string(page) + "_00000" + std::to_string(row);
            std::string hex;
            for (unsigned char c : name) {
                static const char digits[] = "0123456789ABCDEF";
                hex += digits[c >> 4];
                hex += digits[c & 15];
            }
            lines.push_back(hex);
        }
    }
    ReadLines(lines);
    EXPECT_EQ(f.form.StringGrid1[0][9], u"20260100_000009");
    EXPECT_EQ(f.form.StringGrid1[3][0], u"20260103_000000");
    EXPECT_TRUE(f.form.StringGrid1[3][10].empty());
    f.form.SettingsOut(f.dir / "out.dat");
    const auto written = SplitLines(ReadBytes(f.dir / "out.dat"));
    EXPECT_EQ(written[LineRows - 1], "100");
    EXPECT_EQ(written.size(), static_cast<std::size_t>(LineRows + 400 + 4));
}

TEST_F(SettingsFileTest, NamesThatAreNotPlainReadAsEmpty) {
    f.form.Histo = 1;
    const std::u16string unsafe[] = {u"..\\..\\Windows\\x", u"../x", u"a/b", u"C:x", u"..", u"x.", u"a\tb"};
    for (int row = 0; row < 7; ++row) f.form.StringGrid1[1][row] = unsafe[row];
    f.form.StringGrid1[1][7] = u"20260101_000000";
    const auto& b = RoundTrip();
    for (int row = 0; row < 7; ++row) EXPECT_TRUE(b.StringGrid1[1][row].empty()) << row;
    EXPECT_EQ(b.StringGrid1[1][7], u"20260101_000000");
}

TEST_F(SettingsFileTest, GarbageNeverCrashes) {
    std::string garbage;
    unsigned state = 12345;
    for (int round = 0; round < 50; ++round) {
        garbage.clear();
        for (int i = 0; i < 3000; ++i) {
            state = state * 1103515245 + 12345;
            const char c = static_cast<char>(state >> 16);
            garbage += (state >> 8) % 5 == 0 ? '\n' : (state >> 9) % 7 == 0 ? '9' : c;
        }
        WriteBytes(f.dir / "g.dat", garbage);
        f.form.SettingsIn(f.dir / "g.dat");
        EXPECT_GE(f.form.Ktime, 1);
        EXPECT_LE(f.form.BtnXn * f.form.BtnYn, 100);
        EXPECT_LE(f.form.ZukeiBrwX * f.form.ZukeiBrwY, 30);
    }
}

TEST_F(SettingsFileTest, FailedWriteKeepsWhatWasThere) {
    // A folder in the settings file's place cannot be replaced by the new file.
    const auto path = f.dir / "blocked.dat";
    std::filesystem::create_directory(path);
    WriteBytes(path / "keep", "old");
    EXPECT_FALSE(f.form.SettingsOut(path));
    EXPECT_EQ(ReadBytes(path / "keep"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.path()), {}), 2);  // Temp, blocked.dat
}

TEST_F(SettingsFileTest, PaletteInputsAreTakenFromTheViewWhenWriting) {
    f.form.PasteBai = u"stale";
    f.view.SetPaletteInputs({u"2.5", u"45", false, false});
    f.form.SettingsOut(f.dir / "out.dat");
    EXPECT_EQ(f.form.PasteBai, u"2.5");
    const auto lines = SplitLines(ReadBytes(f.dir / "out.dat"));
    EXPECT_EQ(lines[31 - 1], "2.5");
    EXPECT_EQ(lines[32 - 1], "45");
    EXPECT_EQ(lines[33 - 1], "0");
    EXPECT_EQ(lines[34 - 1], "0");
}

}  // namespace
}  // namespace torvane::test
