#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "app/clip_names.h"
#include "app/form1_globals.h"
#include "form1_fakes.h"
#include "util/bmp_file.h"
#include "util/files.h"

namespace torvane::test {
namespace {

// A palette shown with the default 3 x 3 clip buttons and real figures to copy.
class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        data_ = DataDir();
        if (!data_) GTEST_SKIP() << "no real data";
        f.form.FormShow();
        f.view.Take();
    }
    std::string Figure(const char* name) { return ReadBytes(*data_ / "streams" / name); }
    std::vector<std::u16string> WorkRows(int count) {
        return {f.form.StringGrid1[0].begin(), f.form.StringGrid1[0].begin() + count};
    }

    Form1Fixture f;

private:
    std::optional<std::filesystem::path> data_;
};

TEST_F(CaptureTest, EachNewCopyBecomesOneClipWithItsFilesAndThumbnail) {
    const std::string a = Figure("Test1.1");
    JwCopy(f.clipboard, a);
    f.form.Timer1Timer();
    const std::u16string first = u"20261209_143005";
    ASSERT_EQ(WorkRows(2), (std::vector<std::u16string>{first, u""}));
    EXPECT_EQ(ReadBytes(ClipFile(TempPath, first, ".1")), a);
    EXPECT_EQ(ReadBytes(ClipFile(TempPath, first, ".0")), "data object");
    EXPECT_EQ(ReadBytes(TempPath / "prev.2"), "ole private data");
    const std::optional<Bitmap> thumbnail = LoadBmp(ClipFile(TempPath, first, ".bmp"));
    ASSERT_TRUE(thumbnail);
    EXPECT_EQ(thumbnail->width, 58);
    EXPECT_EQ(thumbnail->height, 58);
    int drawn = 0;
    for (int y = 1; y < 57; ++y)
        for (int x = 1; x < 57; ++x) drawn += thumbnail->at(x, y) != 0x00FFFFFFu;
    EXPECT_GT(drawn, 20) << "nothing drawn inside the frame";
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"timer off 1000", "clear 2", "clear 3", "clear 4", "clear 5",
                                                       "clear 6", "clear 7", "clear 8", "clear 9", "clear 1",
                                                       "image 1 20261209_143005.bmp", "timer on 1000"}));

    // An unchanged clipboard is not even opened; the same figure copied again is read once and
    // adds nothing.
    const int opened = f.clipboard.OpenAttempts();
    f.form.Timer1Timer();
    EXPECT_EQ(f.clipboard.OpenAttempts(), opened);
    JwCopy(f.clipboard, a);
    f.form.Timer1Timer();
    f.form.Timer1Timer();
    EXPECT_EQ(f.clipboard.OpenAttempts(), opened + 2) << "JwCopy's opening and one read";
    EXPECT_EQ(WorkRows(2)[1], u"");

    // Another figure, then the first again: three clips, named apart although the clock
    // stands still.
    JwCopy(f.clipboard, Figure("Test2.1"));
    f.form.Timer1Timer();
    JwCopy(f.clipboard, a);
    f.form.Timer1Timer();
    EXPECT_EQ(WorkRows(4), (std::vector<std::u16string>{u"20261209_143007", u"20261209_143006", first, u""}));
    EXPECT_EQ(ReadBytes(ClipFile(TempPath, u"20261209_143007", ".1")), a);
    EXPECT_TRUE(FileThere(ClipFile(TempPath, first, ".bmp")));
}

TEST_F(CaptureTest, WhatIsNoJwCadCopyIsLeftAlone) {
    // Two formats only.
    std::u16string reason;
    f.clipboard.Open(reason);
    f.clipboard.Empty();
    f.clipboard.SetData(f.clipboard.RegisterFormat(u"Jw_win"), std::vector<std::uint8_t>{1, 2, 3});
    f.clipboard.SetData(Clipboard::kUnicodeText, std::vector<std::uint8_t>{65, 0, 0, 0});
    f.clipboard.Close();
    f.form.CaptureClip();
    // Three formats, but "Jw_win" holds no figure stream.
    JwCopy(f.clipboard, "not a figure stream");
    f.form.CaptureClip();
    EXPECT_EQ(WorkRows(1)[0], u"");
    EXPECT_TRUE(f.form.ListBox2.empty());
    EXPECT_EQ(f.form.HD1, 0u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(TempPath), {}), 3) << "only the page folders";
}

// The monitor meets a clipboard held by another program: no message, tried again soon, and the
// copy is taken once the clipboard is free. A user's capture says so and leaves the monitor off.
TEST_F(CaptureTest, HeldClipboardIsRetriedSilentlyByTheMonitorAndReportedToTheUser) {
    JwCopy(f.clipboard, Figure("Test1.1"));
    f.clipboard.HoldElsewhere(true);
    f.form.MonitorStart();
    f.view.Take();
    f.form.Timer1Timer();
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"timer off 1000", "timer on 50"}));
    EXPECT_TRUE(f.ui.messages.empty());
    f.clipboard.HoldElsewhere(false);
    f.form.ClipboardUpdate();
    EXPECT_EQ(WorkRows(1)[0], u"20261209_143005");
    EXPECT_EQ(f.view.Take().back(), "timer on 1000");

    JwCopy(f.clipboard, Figure("Test2.1"));
    f.clipboard.HoldElsewhere(true);
    f.form.ManualCapture();
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0], u"クリップボード アクセスが拒否されました。 を開けません");
    EXPECT_EQ(f.view.Take().back(), "timer off 1000");
    f.clipboard.HoldElsewhere(false);
    f.form.ClipboardUpdate();
    EXPECT_EQ(WorkRows(2)[1], u"") << "the stopped monitor takes no notification";
    f.form.ManualCapture();
    EXPECT_EQ(WorkRows(2)[0], u"20261209_143006");
}

// A clip store that cannot be written is said once, not at every capture.
TEST_F(CaptureTest, AFailedWriteIsReportedOncePerSession) {
    std::filesystem::create_directory(TempPath / "prev.1");
    WriteBytes(TempPath / "prev.1" / "in the way", "");
    JwCopy(f.clipboard, Figure("Test1.1"));
    f.form.Timer1Timer();
    JwCopy(f.clipboard, Figure("Test2.1"));
    f.form.Timer1Timer();
    EXPECT_EQ(WorkRows(1)[0], u"");
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_NE(f.ui.messages[0].find(TempPath.u16string()), std::u16string::npos);
}

// A clipboard whose blocks are too big for the memory left.
class HugeBlockClipboard final : public Clipboard {
public:
    explicit HugeBlockClipboard(MemoryClipboard& inner) : inner_(inner) {}
    std::uint32_t RegisterFormat(std::u16string_view name) override { return inner_.RegisterFormat(name); }
    int FormatCount() override { return inner_.FormatCount(); }
    std::uint32_t SequenceNumber() override { return inner_.SequenceNumber(); }
    bool IsFormatAvailable(std::uint32_t format) override { return inner_.IsFormatAvailable(format); }
    bool Open(std::u16string& reason) override { return inner_.Open(reason); }
    void Close() override { inner_.Close(); }
    bool Empty() override { return inner_.Empty(); }
    std::optional<std::size_t> DataSize(std::uint32_t format) override { return inner_.DataSize(format); }
    std::optional<std::vector<std::uint8_t>> GetData(std::uint32_t) override { throw std::bad_alloc(); }
    bool ViewData(std::uint32_t, const std::function<void(std::span<const std::uint8_t>)>&) override {
        throw std::bad_alloc();
    }
    bool SetData(std::uint32_t, std::span<const std::uint8_t>) override { throw std::bad_alloc(); }

private:
    MemoryClipboard& inner_;
};

TEST_F(CaptureTest, RunningOutOfMemoryAbandonsTheCaptureOrTransferWithAMessage) {
    HugeBlockClipboard huge(f.clipboard);
    TForm1 form(f.view, {huge, f.windows, f.keys, f.ui, f.clock});
    form.FormCreate(f.dir / "torvane.exe");
    JwCopy(f.clipboard, Figure("Test1.1"));
    form.Timer1Timer();
    EXPECT_EQ(form.StringGrid1[0][0], u"");
    EXPECT_EQ(f.view.Take().back(), "timer off 1000");
    EXPECT_EQ(f.ui.messages, std::vector<std::u16string>{u"メモリが足りないため、クリップボードのデータを取り込めませんでした。"});
    EXPECT_FALSE(f.clipboard.IsOpen());
    EXPECT_TRUE(f.view.cursors.empty() || f.view.cursors.back() == TPaletteCursor::Normal);

    form.StringGrid1[0][0] = u"20260101_000000";
    form.TransferClip(0, 0);
    EXPECT_EQ(f.ui.messages.back(), u"メモリが足りないため、クリップをクリップボードへ転送できませんでした。");
    EXPECT_FALSE(f.clipboard.IsOpen());
}

TEST_F(CaptureTest, TransfersAreNotCapturedBackAndTranAutPastesNewCopies) {
    f.windows.windows = {{11, u"a.jww - jw_win", true, 0}};
    f.form.Timer2Timer();
    ASSERT_EQ(f.form.BootJwwHnd, 11);
    f.form.TranAut = 1;
    f.form.PageSwitch(2);
    f.view.Take();
    const std::string a = Figure("Test3.1");
    JwCopy(f.clipboard, a);
    f.form.Timer1Timer();
    // Pasted at once; page 2's buttons stay as they are.
    EXPECT_EQ(ClipboardBlock(f.clipboard, u"Jw_win"), a + '\0');
    EXPECT_EQ(f.windows.brought_to_front, std::vector<WindowHandle>{11});
    EXPECT_FALSE(f.keys.events.empty());
    EXPECT_EQ(f.view.Take(), (std::vector<std::string>{"timer off 1000", "timer on 1000"}));
    // What the transfer left on the clipboard is no new copy, and is not even read.
    f.form.Timer1Timer();
    f.form.TransferClip(0, 0);
    const int opened = f.clipboard.OpenAttempts();
    f.form.Timer1Timer();
    EXPECT_EQ(f.clipboard.OpenAttempts(), opened);
    EXPECT_EQ(WorkRows(2), (std::vector<std::u16string>{u"20261209_143005", u""}));
}

}  // namespace
}  // namespace torvane::test
