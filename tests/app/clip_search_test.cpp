#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/clip_names.h"
#include "app/clip_search.h"
#include "app/form1_globals.h"
#include "convert/sample_figure.h"
#include "figure/figure_texts.h"
#include "form1_fakes.h"
#include "util/files.h"

namespace torvane::test {
namespace {

std::string Utf8(std::u16string_view s) { return std::string(s.begin(), s.end()); }

// The sample figure (texts "寸法ABC", "縦書き", an image text, dimension "50", block "部品" holding
// "in") with its first text replaced, as figure stream bytes.
std::string FigureWithText(const std::u16string& text) {
    TJcfData doc = SampleFigure();
    doc.EntMoji[0].str = text;
    return doc.WriteBytes(600);
}

// What the search window shows, one line per call ("show 1 P0-2").
class RecordingSearchView final : public TClipSearchView {
public:
    void StartPauseTimer(int ms) override { Record("pause " + std::to_string(ms)); }
    void StopPauseTimer() override {}
    void SetResultCount(std::u16string_view text) override { count = text; }
    TSize ThumbnailPaneSize() override { return {220, 100}; }
    int ScrollBarWidth() override { return 16; }
    void SetScrollRange(int maximum) override { Record("range " + std::to_string(maximum)); }
    void SetScrollPosition(int) override {}
    void SetScrollSteps(int, int) override {}
    void PlacePicture(int, const TRect&) override {}
    void ClearPicture(int) override {}
    void HidePicture(int) override {}
    void ShowPicture(int picture, const Bitmap& drawing, std::u16string_view label, int) override {
        Record("show " + std::to_string(picture) + " " + Utf8(label) + " " + std::to_string(drawing.width));
    }
    void CloseWindow() override { Record("close"); }
    std::vector<std::string> Take() { return std::exchange(calls_, {}); }
    std::u16string count;

private:
    void Record(std::string call) { calls_.push_back(std::move(call)); }
    std::vector<std::string> calls_;
};

class ClipSearchTest : public ::testing::Test {
protected:
    ClipSearchTest() {
        f.form.FormShow();
        f.view.Take();
    }
    // Clip `name` on `page` at `row` whose figure holds `text`.
    void PutClip(int page, int row, const std::u16string& name, const std::u16string& text) {
        f.form.StringGrid1[page][row] = name;
        for (const char* extension : {".0", ".2"}) WriteBytes(ClipFile(PageFolders[page], name, extension), "x");
        WriteBytes(ClipFile(PageFolders[page], name, ".1"), FigureWithText(text));
    }
    std::vector<std::string> Labels(std::u16string_view text) {
        std::vector<std::string> labels;
        for (const auto& r : SearchClips(f.form.StringGrid1, f.form.ClipTexts, text)) labels.push_back(Utf8(ResultLabel(r)));
        return labels;
    }
    // Captures a copy of a figure holding `text` as the user's manual capture does.
    void Capture(const std::u16string& text) {
        JwCopy(f.clipboard, FigureWithText(text));
        f.form.ManualCapture();
        ++f.clock.now.second;
    }

    Form1Fixture f;
};

TEST(FigureTextsTest, TextsDimensionsBlockNamesAndBlockMembersAsWritten) {
    EXPECT_EQ(FigureTexts(SampleFigure()),
              (std::vector<std::u16string>{u"寸法ABC", u"縦書き", u"^@BMphoto.bmp,20,10", u"50", u"部品", u"in"}));
}

// Every kind of text matches under the folding; page 0 comes newest first whatever its rows,
// then pages 1 to 3 in row order.
TEST_F(ClipSearchTest, FindsEveryKindOfTextAndOrdersNewestFirstThenPages) {
    PutClip(0, 0, u"20260101_000003", u"扉ＤＥＴＡＩＬ");
    PutClip(0, 1, u"20260101_000005", u"扉 detail");
    PutClip(0, 2, u"20260101_000009", u"窓");
    PutClip(1, 4, u"20260101_000001", u"ﾄﾞｱ detail");
    PutClip(1, 1, u"20260101_000002", u"ドア");
    PutClip(2, 0, u"20260101_000000", u"Ｄｅｔａｉｌ");
    EXPECT_EQ(Labels(u"DETAIL"), (std::vector<std::string>{"P0-2", "P0-1", "P1-5", "P2-1"}));
    EXPECT_EQ(Labels(u"ドア"), (std::vector<std::string>{"P1-2", "P1-5"}));
    EXPECT_EQ(Labels(u"ﾄﾞｱ"), Labels(u"ドア"));
    EXPECT_EQ(Labels(u"部品").size(), 6u) << "block name";
    EXPECT_EQ(Labels(u"ｉｎ").size(), 6u) << "text of a block definition";
    EXPECT_EQ(Labels(u"５0").size(), 6u) << "dimension text";
    EXPECT_EQ(Labels(u"^@bmPHOTO").size(), 6u) << "text codes as written";
    EXPECT_TRUE(Labels(u"").empty());
    EXPECT_TRUE(Labels(u"扉窓").empty());
}

// Each clip's ".1" is read once; captures add one read, moves none, a copy to another page one,
// and deleted clips leave the cache, also when their name comes back with another figure.
TEST_F(ClipSearchTest, CacheReadsEachClipOnceThroughCapturesMovesCopiesAndDeletes) {
    Capture(u"扉A");
    Capture(u"窓B");
    Capture(u"扉C");
    EXPECT_EQ(Labels(u"扉"), (std::vector<std::string>{"P0-1", "P0-3"}));
    EXPECT_EQ(f.form.ClipTexts.FilesRead(), 3u);
    EXPECT_EQ(Labels(u"窓"), (std::vector<std::string>{"P0-2"}));
    EXPECT_EQ(f.form.ClipTexts.FilesRead(), 3u);

    f.form.MenuContext = 3;
    f.form.ClipMoveFirst();
    EXPECT_EQ(Labels(u"扉"), (std::vector<std::string>{"P0-2", "P0-1"})) << "still newest first";
    f.form.MenuContext = 1;
    f.form.ClipCopyToEnd(1);
    EXPECT_EQ(Labels(u"扉"), (std::vector<std::string>{"P0-2", "P0-1", "P1-1"}));
    EXPECT_EQ(f.form.ClipTexts.FilesRead(), 4u);

    const std::u16string deleted = f.form.StringGrid1[0][0];
    f.form.MenuContext = 1;
    f.form.ClipDelete();
    EXPECT_EQ(f.form.ClipTexts.Size(), 3u);
    EXPECT_EQ(Labels(u"扉"), (std::vector<std::string>{"P0-1", "P1-1"}));
    PutClip(0, 5, deleted, u"階段");
    EXPECT_EQ(Labels(u"階段"), (std::vector<std::string>{"P0-6"})) << "a new clip under a deleted clip's name";
    f.form.StringGrid1[1][0].clear();
    Labels(u"扉");
    EXPECT_EQ(f.form.ClipTexts.Size(), 3u) << "a clip the index no longer names is dropped at the next search";
}

// The window's presenter: results after the pause, pictures labelled, clicks and Enter transfer
// as a click on the clip's button does, a vanished clip beeps, Escape closes.
TEST_F(ClipSearchTest, PresenterSearchesAfterThePauseAndTransfersLikeAClipButton) {
    PutClip(0, 0, u"20260101_000002", u"扉2");
    PutClip(1, 0, u"20260101_000001", u"扉1");
    RecordingSearchView view;
    TClipSearch search(view, f.form, f.ui);
    search.FormShow(u"");
    EXPECT_EQ(view.count, u"");
    view.Take();

    search.TextChange(u"扉");
    EXPECT_EQ(view.Take(), (std::vector<std::string>{"pause 300"}));
    search.PauseElapsed();
    EXPECT_EQ(view.count, u"2 件");
    EXPECT_EQ(view.Take(), (std::vector<std::string>{"range 2", "show 1 P0-1 101", "show 2 P1-1 101"}));

    search.ResultClick(0);
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"lower 1"})) << "the clip's button, as a click on it";
    // The clipboard's block carries the stream and a 0 byte.
    EXPECT_TRUE(ClipboardBlock(f.clipboard, u"Jw_win") == ReadBytes(ClipFile(PageFolders[0], u"20260101_000002", ".1")) + '\0');
    search.ResultClick(1);
    EXPECT_TRUE(ClipboardBlock(f.clipboard, u"Jw_win") == ReadBytes(ClipFile(PageFolders[1], u"20260101_000001", ".1")) + '\0');
    search.ResultClick(2);

    search.TextChange(u"扉1");
    search.EnterKey();
    EXPECT_EQ(search.Results().size(), 1u) << "Enter searches what was typed";
    f.form.StringGrid1[1][0].clear();
    search.EnterKey();
    EXPECT_EQ(f.ui.beeps, 1) << "the clip is gone";
    EXPECT_TRUE(search.Results().empty());
    search.EnterKey();
    EXPECT_EQ(f.ui.beeps, 2);
    view.Take();
    search.EscapeKey();
    EXPECT_EQ(view.Take(), (std::vector<std::string>{"close"}));
}

// The window's place follows the clip index in the settings file; a file without it gives none.
TEST_F(ClipSearchTest, WindowPlaceIsReadAfterTheClipIndex) {
    f.form.Geometry.ClipSearch = {10, 20, 440, 360};
    ASSERT_TRUE(f.form.SettingsOut(SettingsFile));
    const std::string bytes = ReadBytes(SettingsFile);
    for (const std::size_t cut : {std::size_t{0}, std::string("10\r\n20\r\n440\r\n360\r\n").size()}) {
        WriteBytes(SettingsFile, bytes.substr(0, bytes.size() - cut));
        ASSERT_TRUE(f.form.SettingsIn(SettingsFile));
        EXPECT_EQ(f.form.Geometry.ClipSearch, (cut == 0 ? TWindowBounds{10, 20, 440, 360} : TWindowBounds{}));
    }
}

}  // namespace
}  // namespace torvane::test
