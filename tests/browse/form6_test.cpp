#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1_fakes.h"
#include "app/form1_globals.h"
#include "browse/form6.h"
#include "browse/recent_folders.h"
#include "util/files.h"
#include "util/numbers.h"
#include "convert/figure_import.h"
#include "convert/paste_transform.h"
#include "grid_view_recorder.h"

namespace torvane::test {
namespace {

class Form6View : public GridViewRecorder<TForm6View> {
public:
    void SetFolderList(const std::vector<std::u16string>& f, int s) override {
        folders = f;
        selected = s;
    }
    void SetHandCursor(bool hand) override { Record(hand ? "hand" : "normal"); }
    std::optional<std::filesystem::path> BrowseForFolder(const std::filesystem::path& start) override {
        browsedFrom = start;
        return picked;
    }

    std::vector<std::u16string> folders;
    int selected = -2;
    std::filesystem::path browsedFrom;
    std::optional<std::filesystem::path> picked;
};

// The browser of a started palette, on a folder "部品集" holding the JWS files `names`.
struct Form6Fixture : Form1Fixture {
    explicit Form6Fixture(std::initializer_list<const char*> names) {
        std::filesystem::create_directory(folder);
        for (const char* name : names) WriteBytes(folder / name, "x");
        form.ZukeiBrwT = 1;
    }
    std::u16string FolderText() const { return (folder / "").u16string(); }

    std::filesystem::path folder = dir / u8"部品集";
    Form6View browserView;
    TForm6 browser{browserView, form, ui};
};

TEST(Form6Test, TenColumnsOfFiveRowsBecomeThreeRows) {
    Form6Fixture f({});
    f.browser.FormShow();
    f.browserView.Take();
    f.browser.GridChange(9, 4);
    EXPECT_EQ(f.ui.messages, std::vector<std::u16string>{u"画像数は最大30迄です"});
    EXPECT_EQ(f.form.ZukeiBrwY, 3);
    EXPECT_EQ(f.browserView.grid, (std::array<int, 2>{10, 3}));
    const auto shown = f.browserView.Take();
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](auto& s) { return s.rfind("place", 0) == 0; }), 30);
}

TEST(Form6Test, BrowsedFoldersGoToTheTopOnceWhateverTheLetterCase) {
    Form6Fixture f({"a.jws", "b.jws", "c.jwk"});
    const auto text = [&](const char8_t* p) { return PathText(f.dir.path() / p / ""); };
    f.form.BrowserFolders = {text(u8"ａｂｃ"), text(u8"部品集/Dir"), u"E:\\"};
    f.form.ZukeiBrwF = 5;  // no such entry: no folder, an empty grid
    f.browser.FormShow();
    EXPECT_EQ(f.browserView.selected, -1);
    EXPECT_EQ(f.browserView.scrollMax, 0);
    EXPECT_TRUE(f.browserView.Taken("show").empty());
    f.form.BrowserFolders.push_back(std::u16string(1, char16_t(0xD800)));  // from a damaged settings file
    f.browser.FolderChange(3);
    EXPECT_EQ(f.browser.Zpath, std::filesystem::path());
    f.form.BrowserFolders.pop_back();

    for (const char8_t* picked : {u8"部品集/DIR/　", u8"ＡＢＣ/　"}) {
        f.browserView.picked = f.dir / picked;
        f.browser.BrowseClick();
    }
    EXPECT_EQ(f.form.BrowserFolders, (std::vector<std::u16string>{text(u8"ＡＢＣ"), text(u8"部品集/DIR"), u"E:\\"}));

    f.browserView.picked = f.folder / "a.jws";
    f.browser.BrowseClick();
    EXPECT_EQ(f.form.BrowserFolders.front(), f.FolderText());
    EXPECT_EQ(f.browserView.folders, f.form.BrowserFolders);
    EXPECT_EQ(f.browserView.selected, 0);
    EXPECT_EQ(f.form.ZukeiBrwF, 0);
    EXPECT_EQ(f.browserView.scrollMax, 2);
    EXPECT_EQ(f.browserView.Taken("show"), (std::vector<std::string>{"show 1 a.jws", "show 2 b.jws"}));

    for (int i = 0; i < 25; ++i) AddRecentFolder(f.form.BrowserFolders, u"F" + IntStr(i));
    EXPECT_EQ(f.form.BrowserFolders.size(), MaxBrowserFolders);
    EXPECT_EQ(f.form.BrowserFolders.front(), u"F24");
}

TEST(Form6Test, PasteOfADoubledFigureIsNotCapturedBack) {
    const auto data = DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    Form6Fixture f({});
    std::filesystem::copy_file(*data / "jws" / "Test1.jws", f.folder / u8"平面.jws");
    f.form.FormShow();  // the settings' defaults
    f.form.ZukeiBrwT = 1;
    f.form.BrowserFolders = {f.FolderText()};
    f.form.ZukeiBrwF = 0;
    f.view.SetPaletteInputs({u"2", u"0", true, true});
    f.browser.FormShow();
    f.browserView.Take();
    ASSERT_TRUE(f.form.ListBox2.empty()) << "right after start nothing was captured yet";

    f.browser.ThumbnailClick(1);  // no such file
    EXPECT_EQ(f.browserView.Take(), std::vector<std::string>{});
    f.browser.ThumbnailClick(0);
    EXPECT_EQ(f.browserView.Take(), (std::vector<std::string>{"hand", "normal"}));

    const auto expected = f.dir / "expected.1";
    TJwsData jws;
    TJcfData jcf;
    ASSERT_TRUE(jws.FileIn(f.folder / u8"平面.jws"));
    ASSERT_TRUE(JWStoJCLF(jws, jcf, expected));
    PasteTransformFile(expected, u"2", u"0", true, true, jcf);
    EXPECT_TRUE(ClipboardBlock(f.clipboard, u"Jw_win") == ReadBytes(expected) + '\0');
    EXPECT_EQ(ReadBytes(TempPath / "prev.1"), ReadBytes(expected));
    EXPECT_TRUE(ClipboardBlock(f.clipboard, u"DataObject"));
    EXPECT_TRUE(ClipboardBlock(f.clipboard, u"Ole Private Data"));

    f.form.Timer1Timer();
    EXPECT_EQ(f.form.StringGrid1[0][0], u"") << "the paste is not captured as a clip";
    f.browser.FormClose();
    EXPECT_EQ(f.form.JWS->EntLineN, 0);
}

}  // namespace
}  // namespace torvane::test
