#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/clip_names.h"
#include "app/form1_globals.h"
#include "convert/attribute_conversions.h"
#include "convert/paste_transform.h"
#include "form1_fakes.h"
#include "platform/keyboard.h"

namespace torvane::test {
namespace {

// A clip of page 1 made of a real figure only (no ".0", no ".2"), two Jw_cad windows, the
// palette and a dialog owned by the second Jw_cad window.
class TransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto data = DataDir();
        if (!data) GTEST_SKIP() << "no real data";
        figure = ReadBytes(*data / "streams" / "Test4.1");
        f.form.StringGrid1[1][0] = u"20260101_000000";
        WriteBytes(ClipFile(PageFolders[1], u"20260101_000000", ".1"), figure);
        f.windows.windows = {{11, u"a.jww - jw_win", true, 0}, {12, u"b.jww - jw_win", true, 0},
                             {30, u"Torvane", true, 0}, {40, u"寸法設定", true, 12}};
        f.windows.foreground = 30;
    }
    // Ctrl+V as SendKeys presses it.
    static std::vector<KeyEvent> CtrlV() {
        using K = KeyEvent::Kind;
        return {{K::Down, Keyboard::kControl}, {K::Down, 'V'}, {K::Up, 'V'}, {K::Up, Keyboard::kControl}, {K::Up, 'V'}};
    }
    std::vector<KeyEvent> KeysSent() { return std::exchange(f.keys.events, {}); }
    std::string JwWin() { return ClipboardBlock(f.clipboard, u"Jw_win").value_or("(none)"); }

    Form1Fixture f;
    std::string figure;
};

TEST_F(TransferTest, PutsTheClipBackWithDefaultsAndLeavesItAloneForOtherViewers) {
    f.form.TransferClip(1, 0);
    EXPECT_EQ(JwWin(), figure + '\0');
    const std::string dataObject = ReadBytes(ClipFile(PageFolders[1], u"20260101_000000", ".0"));
    ASSERT_EQ(dataObject.size(), 32u);
    EXPECT_EQ(ClipboardBlock(f.clipboard, u"DataObject"), dataObject + '\0');
    EXPECT_EQ(ReadBytes(ClipFile(PageFolders[1], u"20260101_000000", ".2")).size(), 64u);
    EXPECT_EQ(ClipboardBlock(f.clipboard, u"Clipboard Viewer Ignore"), "");
    EXPECT_EQ(ClipboardBlock(f.clipboard, u"ExcludeClipboardContentFromMonitorProcessing"), "");
    EXPECT_EQ(ReadBytes(TempPath / "prev.1"), figure);
    EXPECT_EQ(f.form.ListBox2.size(), 3u);
    EXPECT_EQ(f.view.cursors, (std::vector<TPaletteCursor>{TPaletteCursor::AppStarting, TPaletteCursor::Normal}));
    // No tracking tick has run yet: the paste finds its target itself, the first listed Jw_cad window.
    EXPECT_EQ(f.form.BootJwwHnd, 11);
    EXPECT_EQ(KeysSent(), CtrlV());

    // The monitor leaves its own paste alone without opening the clipboard; a manual capture
    // reads it, sees exactly the three Jw_cad formats and knows them as its own.
    const int opened = f.clipboard.OpenAttempts();
    f.form.Timer1Timer();
    EXPECT_EQ(f.clipboard.OpenAttempts(), opened);
    f.form.ManualCapture();
    EXPECT_EQ(f.form.ListBox1.size(), 3u);
    EXPECT_TRUE(f.form.IsSameClip());
    EXPECT_EQ(f.form.StringGrid1[0][0], u"");
}

TEST_F(TransferTest, ConversionsAndThePalettesScaleAtEveryTransfer) {
    f.view.SetPaletteInputs({u" 2 ", u"0", true, false});
    f.form.TranKyo = 1;
    f.form.TransferClip(1, 0);
    // The same conversions on a copy of the figure.
    const auto copy = f.dir / "expected.1";
    WriteBytes(copy, figure);
    TJcfData jcf;
    ConvertAttributesFile(copy, {1, 0, 0}, jcf);
    PasteTransformFile(copy, u"2", u"0", true, false, jcf);
    EXPECT_EQ(JwWin(), ReadBytes(copy) + '\0');
    EXPECT_NE(ReadBytes(copy), figure);
    EXPECT_EQ(f.form.PasteBai, u"2");
    EXPECT_EQ(f.form.PasteBaX, 2.0);
    EXPECT_FALSE(f.form.PasteTen);
    EXPECT_EQ(ReadBytes(ClipFile(PageFolders[1], u"20260101_000000", ".1")), figure) << "the clip itself stays";

    f.view.SetPaletteInputs({u"1.0", u"0.0", true, true});
    f.form.TranKyo = 0;
    f.form.TransferClip(1, 0);
    EXPECT_EQ(JwWin(), figure + '\0');
}

TEST_F(TransferTest, TrackingAndKeysOnlyForAListedJwCadWindowInFront) {
    // No target: the first listed window.
    f.form.Timer2Timer();
    EXPECT_EQ(f.form.BootJwwHnd, 11);
    // A dialog of the second window in front makes it the last active one; -1 follows it.
    f.windows.foreground = 40;
    f.form.BootJwwHnd = -1;
    f.form.Timer2Timer();
    EXPECT_EQ(f.form.LastJww, 12);
    EXPECT_EQ(f.form.BootJwwHnd, 12);

    f.form.TransferClip(1, 0);
    EXPECT_EQ(f.windows.brought_to_front, std::vector<WindowHandle>{12});
    EXPECT_EQ(KeysSent(), CtrlV());

    // It closes: the paste goes to the first listed window, not to the closed handle.
    f.windows.windows.erase(f.windows.windows.begin() + 1);
    f.windows.foreground = 30;
    f.form.Timer2Timer();
    EXPECT_EQ(f.form.BootJwwHnd, 11);
    f.form.TransferClip(1, 0);
    EXPECT_EQ(KeysSent(), CtrlV());
    EXPECT_EQ(f.ui.beeps, 0);

    // A handle that names no Jw_cad window now (closed, or reused by another program), or a
    // target that does not come to the front: nothing is sent, a beep, the clip stays.
    for (const WindowHandle target : {12, 30}) {
        f.form.BootJwwHnd = target;
        EXPECT_FALSE(f.form.Send_Mess(u"^V"));
    }
    f.form.BootJwwHnd = 11;
    f.windows.activation_allowed = false;
    f.windows.foreground = 30;
    f.form.TransferClip(1, 0);
    EXPECT_TRUE(KeysSent().empty());
    EXPECT_EQ(f.ui.beeps, 3);
    EXPECT_EQ(JwWin(), figure + '\0');
}

// Jw_cad run as administrator would drop the keys: none are sent, it is not even brought to the
// front, and the user is told why; the clip stays on the clipboard for a paste by hand.
TEST_F(TransferTest, AJwCadRunningAsAdministratorGetsNoKeysAndTheUserLearnsWhy) {
    f.form.Timer2Timer();
    ASSERT_EQ(f.form.BootJwwHnd, 11);
    f.windows.elevated = {11};
    f.form.TransferClip(1, 0);
    EXPECT_TRUE(KeysSent().empty());
    EXPECT_TRUE(f.windows.brought_to_front.empty());
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_NE(f.ui.messages[0].find(u"管理者"), std::u16string::npos);
    EXPECT_EQ(JwWin(), figure + '\0');
}

TEST_F(TransferTest, UnavailableClipboardAbandonsTheTransfer) {
    f.form.BootJwwHnd = 11;
    f.clipboard.HoldElsewhere(true);
    f.form.TransferClip(1, 0);
    EXPECT_EQ(f.ui.messages.size(), 1u);
    EXPECT_TRUE(f.keys.events.empty());
    EXPECT_TRUE(f.form.ListBox2.empty());
    EXPECT_EQ(f.view.cursors.back(), TPaletteCursor::Normal);
}

}  // namespace
}  // namespace torvane::test
