#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "convert/figure_export.h"
#include "convert/figure_import.h"
#include "convert/paste_transform.h"
#include "figure/jwk_file_builder.h"
#include "palette_view.h"
#include "dialog_driver.h"
#include "screen_picture.h"
#include "support/test_files.h"
#include "test_host.h"
#include "thumbnail_check.h"
#include "torvane_process.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

// Lines of the settings file besides SettingsFile's.
constexpr int kZukeiType = 34, kZukeiFold = 35, kZukeiImgX = 36, kZukeiImgY = 37, kZukeiBrwX = 38, kZukeiBrwY = 39,
              kZukeiBrwT = 40, kZukeiBrwF = 41, kForm6Width = 58, kFolderCount = 60;
std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

HWND WaitForWindow(const wchar_t* window_class, const wchar_t* caption) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindWindowW(window_class, caption)) != nullptr && IsWindowVisible(found); }, 5000);
    return found;
}

// Where picture n of a columns x rows grid in the pane is on the screen.
RECT PictureOnScreen(HWND pane, int columns, int rows, int n) {
    RECT client{};
    GetClientRect(pane, &client);
    const int width = std::max<int>(client.right - GetSystemMetrics(SM_CXVSCROLL), 20) / columns;
    const int height = std::max<int>(client.bottom, 20) / rows;
    const int left = (n - 1) % columns * width;
    const int top = (n - 1) / columns * height;
    RECT cell{left, top, left + width, top + height};
    MapWindowPoints(pane, nullptr, reinterpret_cast<POINT*>(&cell), 2);
    return cell;
}

// The screen position of the middle of picture n.
POINT PictureCenter(HWND pane, int columns, int rows, int n) {
    const RECT cell = PictureOnScreen(pane, columns, rows, n);
    return {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
}

// The combo box among the window's children that lists `item`.
HWND ComboWithItem(HWND window, const wchar_t* item) {
    struct Search {
        const wchar_t* item;
        HWND found = nullptr;
    } search{item};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (lstrcmpiW(name, L"ComboBox") != 0) return TRUE;
            if (SendMessageW(child, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(s->item)) ==
                CB_ERR)
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

POINT WindowCenter(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A clip whose files are all there, with a thumbnail of a figure.
std::string WaitForNewClip(const fs::path& temp, std::size_t count) {
    std::string newest;
    WaitFor([&] {
        const auto names = ClipNames(temp);
        if (names.size() < count) return false;
        newest = names.back();
        return ThumbnailShowsAFigure(temp / (newest + ".bmp"));
    });
    return newest;
}

class FigureBrowsingTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DataDir()) GTEST_SKIP() << "no real data";
    }
    // Both figure windows on `folder` (the browser's one recent folder) with 2 x 2 grids and the
    // file type choices `dialog_type` and `browser_type`.
    void ShowFolder(const fs::path& folder, const char* dialog_type, const char* browser_type) {
        settings.lines[kZukeiType] = dialog_type;
        settings.lines[kZukeiFold] = HexName(Utf8(folder));
        settings.lines[kZukeiImgX] = settings.lines[kZukeiImgY] = "2";
        settings.lines[kZukeiBrwX] = settings.lines[kZukeiBrwY] = "2";
        settings.lines[kZukeiBrwT] = browser_type;
        settings.lines[kZukeiBrwF] = "0";
        settings.lines[kFolderCount] = "1";
        settings.lines.insert(settings.lines.begin() + kFolderCount + 1, HexName(Utf8(folder / "")));
    }
    // Writes the settings and starts the palette beside a stand-in that records its pastes in "pasted.1".
    HWND Start() {
        settings.Write(dir / "torvane.dat");
        host.emplace(L"図面.jww", dir / "pasted.1");
        torvane.emplace(dir.path());
        return torvane->Start();
    }
    // The palette's scale box set to `scale`, then the browser opened with "Ｚ"; nothing when it
    // does not appear.
    static HWND OpenBrowser(HWND palette, const PaletteView& view, const wchar_t* scale) {
        HWND scale_box = FindChild(palette, L"ComboBox", L"");
        if (scale_box == nullptr) return nullptr;
        SendMessageW(scale_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(scale));
        ClickAt(view.CommandButtonCenter(5));
        return WaitForWindow(L"TorvaneFigureBrowser", L"図形ブラウザ");
    }
    TempDir dir;
    SettingsFile settings;
    std::optional<TestHost> host;
    std::optional<TorvaneProcess> torvane;
};

// A folder "部品集" with a JWS and a JWK figure: both imported from the clip menu through the
// figure selection dialog, first into the empty first slot, then over that clip; then one click
// in the figure browser pastes the JWS figure, scaled by the palette's 2, and leaves no clip.
TEST_F(FigureBrowsingTest, ImportsIntoSlotsAndPastesFromTheBrowser) {
    const fs::path folder = dir / u8"部品集";
    fs::create_directory(folder);
    const fs::path jws_file = folder / u8"平面図.jws";
    const fs::path jwk_file = folder / u8"部品.jwk";
    fs::copy_file(*DataDir() / "jws" / "Test1.jws", jws_file);
    JwkFileBuilder jwk;
    jwk.Line(0, 0, 100, 0).Line(100, 0, 100, 50).Arc(50, 25, 20, 10000, 0, 360);
    WriteBytes(jwk_file, jwk.Bytes());
    const fs::path temp = dir / "Temp";
    fs::create_directories(temp);
    WriteBytes(temp / "prev.0", "data object");
    WriteBytes(temp / "prev.2", "ole private data");

    ShowFolder(folder, "2", "1");
    HWND palette = Start();
    ASSERT_NE(palette, nullptr);
    const PaletteView view(palette, settings);

    // The conversions the palette is to make, with one document as it uses one.
    TJcfData jcf;
    TJwsData jws;
    TJwkData jwk_doc;
    ASSERT_TRUE(jws.FileCheck(jws_file) && jws.FileIn(jws_file));
    ASSERT_TRUE(JWStoJCLF(jws, jcf, dir / "jws.1"));
    ASSERT_TRUE(jwk_doc.FileCheck(jwk_file) && jwk_doc.FileIn(jwk_file));
    ASSERT_TRUE(JWKtoJCLF(jwk_doc, jcf, dir / "jwk.1"));

    // Into the empty first slot: a double-click on the first picture (平面図.jws, by name).
    ASSERT_TRUE(view.ChooseFromMenu(view.ClipButtonCenter(1), "Z"));
    HWND dialog = WaitForWindow(L"TorvaneFigureSelect", L"図形選択");
    ASSERT_NE(dialog, nullptr);
    HWND pane = FindChild(dialog, L"TorvaneThumbnailPane", L"");
    ASSERT_NE(pane, nullptr);
    const POINT first = PictureCenter(pane, 2, 2, 1);
    ASSERT_TRUE(WaitIdle(dialog)) << "the pictures are drawn";
    ClickAt(first);
    ClickAt(first);
    const std::string from_jws = WaitForNewClip(temp, 1);
    ASSERT_FALSE(from_jws.empty()) << "no clip from the JWS file";
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(ReadBytes(temp / (from_jws + ".1")), ReadBytes(dir / "jws.1"));
    EXPECT_EQ(ReadBytes(temp / (from_jws + ".0")), "data object");
    EXPECT_EQ(ReadBytes(temp / (from_jws + ".2")), "ole private data");

    // Over that clip: a click on the second picture (部品.jwk) and "ＯＫ(&Y)".
    ASSERT_TRUE(view.ChooseFromMenu(view.ClipButtonCenter(1), "Z"));
    dialog = WaitForWindow(L"TorvaneFigureSelect", L"図形選択");
    ASSERT_NE(dialog, nullptr);
    pane = FindChild(dialog, L"TorvaneThumbnailPane", L"");
    ASSERT_TRUE(WaitIdle(dialog)) << "the pictures are drawn";
    ClickAt(PictureCenter(pane, 2, 2, 2));
    ClickAt(WindowCenter(FindChild(dialog, L"Button", L"ＯＫ(&Y)")));
    const std::string from_jwk = WaitForNewClip(temp, 2);
    ASSERT_NE(from_jwk, from_jws) << "no clip from the JWK file";
    EXPECT_EQ(ReadBytes(temp / (from_jwk + ".1")), ReadBytes(dir / "jwk.1"));
    EXPECT_EQ(ReadBytes(temp / (from_jwk + ".2")), "ole private data");

    // The browser ("Ｚ") on the recent folder, JWS files only: one click pastes, scaled by 2.
    HWND browser = OpenBrowser(palette, view, L"2");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(GetWindow(browser, GW_OWNER), nullptr);
    EXPECT_NE(GetWindowLongW(browser, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0) << "its own taskbar button";
    HWND browser_pane = FindChild(browser, L"TorvaneThumbnailPane", L"");
    ASSERT_TRUE(WaitFor([&] { return ShowsAFigure(ScreenPicture(PictureOnScreen(browser_pane, 2, 2, 1))); })) << "no picture";
    ClickAt(PictureCenter(browser_pane, 2, 2, 1));
    ASSERT_TRUE(WaitFor([&] { return host->PasteCount() == 1; }, 5000)) << "no Ctrl+V reached the host";
    fs::copy_file(dir / "jws.1", dir / "expected.1");
    TJcfData expected;
    PasteTransformFile(dir / "expected.1", u"2", u"0.0", true, true, expected);
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(dir / "pasted.1") == ReadBytes(dir / "expected.1") + '\0'; }, 2000));
    TJcfData original, pasted;
    ASSERT_TRUE(original.FileIn(dir / "jws.1"));
    ASSERT_TRUE(pasted.FileIn(dir / "pasted.1"));
    original.GetMinMaxZahyo();
    pasted.GetMinMaxZahyo();
    EXPECT_NEAR(pasted.myMaxWx - pasted.myMinWx, 2 * (original.myMaxWx - original.myMinWx), 1e-6);
    EXPECT_NEAR(pasted.myMaxWy - pasted.myMinWy, 2 * (original.myMaxWy - original.myMinWy), 1e-6);
    // The pasted figure is not captured as a clip: a new copy is the third clip.
    ASSERT_TRUE(host->Put(*DataDir() / "streams" / "Test1.1"));
    EXPECT_FALSE(WaitForNewClip(temp, 3).empty());
    EXPECT_EQ(ClipNames(temp).size(), 3u) << "the pasted figure was captured as a clip";

    ASSERT_EQ(torvane->CloseAndWait(), 0);
    const auto written = SettingsFile::Read(dir / "torvane.dat");
    EXPECT_EQ(NameOfHex(written.lines[SettingsFile::kFirstClip + 2]), from_jwk) << "the import replaced row 0";
    EXPECT_EQ(written.lines[SettingsFile::kFirstClip + 3], "");
    EXPECT_EQ(written.lines[kZukeiFold], HexName(Utf8(folder)));
    EXPECT_EQ(written.lines[kFolderCount + 1], HexName(Utf8(folder / ""))) << "the recent folder";
    EXPECT_GT(written.Number(kForm6Width), 0) << "the browser's place is kept";
}

// A folder "図面集" holding a drawing, both figure windows on "すべて". A captured clip is saved from
// its menu: the save dialog proposes the clip's name in that folder and OK writes "<clip>.jws";
// saving over it asks first: "No" keeps the old file, "Yes" replaces it. The figure selection
// dialog imports the drawing into a clip with its thumbnail. The browser shows the saved file and
// the drawing: a click on the one pastes the clip's figure, on the other the drawing's import.
TEST_F(FigureBrowsingTest, SavedClipsAndDrawingsAreBrowsedImportedAndPasted) {
    const fs::path folder = dir / u8"図面集";
    const fs::path temp = dir / "Temp";
    const fs::path stream = *DataDir() / "streams" / "2blocks.1";
    fs::create_directory(folder);
    const fs::path drawing = folder / u8"b配置.jww";
    fs::copy_file(*DataDir() / "jww" / "Test6.jww", drawing);
    TJcfData jcf;
    TJwwData jww;
    ASSERT_TRUE(jww.FileCheck(drawing) && jww.FileIn(drawing));
    ASSERT_TRUE(JWWtoJCLF(jww, jcf, dir / "jww.1"));
    ShowFolder(folder, "4", "4");
    HWND palette = Start();
    ASSERT_NE(palette, nullptr);
    ASSERT_TRUE(host->Put(stream));
    const PaletteView view(palette, settings);
    const std::string clip = WaitForNewClip(temp, 1);
    ASSERT_FALSE(clip.empty()) << "no clip captured";
    const std::optional<std::string> expected = JCLFtoJWS(jcf, temp / (clip + ".1"));
    ASSERT_TRUE(expected);
    const fs::path saved = folder / (clip + ".jws");

    // Opens the save dialog from the clip's menu and presses its OK button.
    const auto save = [&] {
        HWND dialog = nullptr;
        if (view.ChooseFromMenu(view.ClipButtonCenter(1), "H")) {
            WaitFor([&] { return (dialog = torvane->MessageBoxShown()) != nullptr; });
        }
        if (dialog != nullptr) PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        return dialog;
    };
    // Whether the saved file is complete, told by its size, asked without opening it: a test
    // reading it meanwhile would keep the palette from replacing it.
    const auto written = [&] {
        WIN32_FILE_ATTRIBUTE_DATA file{};
        return WaitFor([&] {
                   return GetFileAttributesExW(saved.c_str(), GetFileExInfoStandard, &file) &&
                          file.nFileSizeLow == expected->size();
               }) &&
               WaitFor([&] { return ReadBytes(saved) == *expected; });
    };
    HWND dialog = save();
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    ASSERT_TRUE(written()) << "not saved as " << Utf8(saved);

    WriteBytes(saved, "old");
    for (const int answer : {IDNO, IDYES}) {
        dialog = save();
        ASSERT_NE(dialog, nullptr);
        HWND question = WaitForOwnedWindow(dialog, L"#32770");
        ASSERT_NE(question, nullptr) << "no question before replacing";
        PostClick(ControlById(question, answer));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
        if (answer == IDNO) {
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
            EXPECT_EQ(ReadBytes(saved), "old");
        }
    }
    ASSERT_TRUE(written()) << "not replaced after yes";
    EXPECT_EQ(torvane->MessageBoxShown(), nullptr);

    // The saved file sorts first ("2…" before "b…"), the drawing second.
    ASSERT_TRUE(view.ChooseFromMenu(view.ClipButtonCenter(2), "Z"));
    dialog = WaitForWindow(L"TorvaneFigureSelect", L"図形選択");
    ASSERT_NE(dialog, nullptr);
    HWND type_box = ComboWithItem(dialog, L"すべて");
    ASSERT_NE(type_box, nullptr);
    EXPECT_EQ(SendMessageW(type_box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"*.jww")), 3);
    EXPECT_EQ(SendMessageW(type_box, CB_GETCURSEL, 0, 0), 4);
    HWND pane = FindChild(dialog, L"TorvaneThumbnailPane", L"");
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(WaitFor([&] { return ShowsAFigure(ScreenPicture(PictureOnScreen(pane, 2, 2, 2))); })) << "no picture";
    const POINT second = PictureCenter(pane, 2, 2, 2);
    ClickAt(second);
    ClickAt(second);
    const std::string from_drawing = WaitForNewClip(temp, 2);
    ASSERT_NE(from_drawing, clip) << "no clip from the drawing";
    EXPECT_EQ(ReadBytes(temp / (from_drawing + ".1")), ReadBytes(dir / "jww.1"));

    // One paste from each picture of the browser; the stand-in comes to the front at a paste, so
    // the browser is opened anew for the second.
    fs::copy_file(dir / "jww.1", dir / "expected.1");
    TJcfData transformed;
    PasteTransformFile(dir / "expected.1", u"1", u"0.0", true, true, transformed);
    const std::string pastes[] = {ReadBytes(stream) + '\0', ReadBytes(dir / "expected.1") + '\0'};
    for (int picture = 1; picture <= 2; ++picture) {
        HWND browser = OpenBrowser(palette, view, L"1");
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(SendMessageW(ComboWithItem(browser, L"すべて"), CB_GETCURSEL, 0, 0), 4);
        pane = FindChild(browser, L"TorvaneThumbnailPane", L"");
        ASSERT_TRUE(WaitFor([&] { return ShowsAFigure(ScreenPicture(PictureOnScreen(pane, 2, 2, picture))); }))
            << "no picture " << picture;
        ClickAt(PictureCenter(pane, 2, 2, picture));
        ASSERT_TRUE(WaitFor([&] { return host->PasteCount() == picture; }, 5000)) << "no Ctrl+V from picture " << picture;
        EXPECT_TRUE(WaitFor([&] { return ReadBytes(dir / "pasted.1") == pastes[picture - 1]; }, 2000));
        PostMessageW(browser, WM_CLOSE, 0, 0);
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(browser); }));
    }

    ASSERT_EQ(torvane->CloseAndWait(), 0);
    const auto settings_written = SettingsFile::Read(dir / "torvane.dat");
    EXPECT_EQ(settings_written.lines[kZukeiType], "4");
    EXPECT_EQ(settings_written.lines[kZukeiBrwT], "4");
}

}  // namespace
}  // namespace torvane
