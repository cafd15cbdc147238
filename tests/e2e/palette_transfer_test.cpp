#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "convert/paste_transform.h"
#include "figure/jcf_data.h"
#include "palette_view.h"
#include "support/test_files.h"
#include "test_host.h"
#include "thumbnail_check.h"
#include "torvane_process.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

// A poll interval of a minute: copies arrive through the clipboard's change notification.
constexpr int kPoll = 60000;

fs::path Stream(const std::string& name) { return *DataDir() / "streams" / name; }

// Waits for the clip count of the work page to reach `count`; the milliseconds it took, or -1.
double WaitForClips(const fs::path& temp, std::size_t count, long long since_us) {
    const bool appeared = WaitFor(
        [&] {
            const auto names = ClipNames(temp);
            return names.size() >= count && fs::exists(temp / (names.back() + ".bmp"));
        },
        5000);
    return appeared ? static_cast<double>(NowMicroseconds() - since_us) / 1000.0 : -1;
}

// The newest clip: the last name in time order.
std::string Newest(const fs::path& temp) { return ClipNames(temp).back(); }

class PaletteTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DataDir()) GTEST_SKIP() << "no real data";
    }
    TempDir dir;
    SettingsFile settings;
};

// One palette beside the host: capture, duplicates, a click that pastes, the scale box, the
// portrait layout and dragging; the index written at close. Captures and transfers are timed.
TEST_F(PaletteTransferTest, CapturesPastesScalesTurnsAndMoves) {
    settings.lines[SettingsFile::kKtime] = std::to_string(kPoll);
    settings.Write(dir / "torvane.dat");
    TestHost host(L"図面A.jww", dir / "pasted-a.1");
    ASSERT_NE(host.window(), nullptr);
    TorvaneProcess torvane(dir.path());
    HWND palette = torvane.Start();
    ASSERT_NE(palette, nullptr);
    const PaletteView view(palette, settings);
    const fs::path temp = dir / "Temp";
    ASSERT_TRUE(WaitFor([&] { return view.MonitorShownRunning(); }, 5000)) << "the monitor did not start";

    double slowest_capture = 0;
    auto capture = [&](const std::string& stream, std::size_t expected) {
        const long long put = NowMicroseconds();
        EXPECT_TRUE(host.Put(Stream(stream)));
        const double ms = WaitForClips(temp, expected, put);
        EXPECT_GE(ms, 0) << stream << " was not captured";
        EXPECT_LT(ms, 2000) << stream << " waited for the poll (of 60 s)";
        slowest_capture = std::max(slowest_capture, ms);
    };
    capture("Test1.1", 1);
    const std::string first = Newest(temp);
    EXPECT_TRUE(HasClipFiles(temp, first));
    EXPECT_TRUE(ThumbnailShowsAFigure(temp / (first + ".bmp")));
    EXPECT_EQ(ReadBytes(temp / (first + ".1")).substr(0, fs::file_size(Stream("Test1.1"))), ReadBytes(Stream("Test1.1")));

    // The same copy again adds nothing: the next different copy is the second clip, not the third.
    EXPECT_TRUE(host.Put(Stream("Test1.1")));
    capture("jww-1.1", 2);
    EXPECT_EQ(ClipNames(temp).size(), 2u) << "the same copy again added a clip";
    capture("Test1.1", 3);
    std::printf("[ measure  ] copy to thumbnail on disk: slowest %.0f ms (poll interval %d ms)\n", slowest_capture, kPoll);
    const std::string newest = Newest(temp);

    // A real click on clip button 1 (row 0, the newest clip) pastes exactly its ".1" bytes and a 0 byte.
    long long clicked = NowMicroseconds();
    ClickAt(view.ClipButtonCenter(1));
    ASSERT_TRUE(WaitFor([&] { return host.PasteCount() == 1; }, 5000)) << "no Ctrl+V reached the host";
    const double transfer_ms = static_cast<double>(host.LastPasteTime() - clicked) / 1000.0 - 500.0;
    std::printf("[ measure  ] transfer without the 0.5 s key wait: %.0f ms\n", transfer_ms);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(dir / "pasted-a.1"); }, 2000));
    EXPECT_EQ(ReadBytes(dir / "pasted-a.1"), ReadBytes(temp / (newest + ".1")) + std::string(1, '\0'));

    // Scale 2 typed into the scale box (the strip's first field): the stream is scaled about its base point.
    HWND scale_box = FindChild(palette, L"ComboBox", L"");
    ASSERT_NE(scale_box, nullptr);
    SendMessageW(scale_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2"));
    ClickAt(view.ClipButtonCenter(1));
    ASSERT_TRUE(WaitFor([&] { return host.PasteCount() == 2; }, 5000));
    fs::copy_file(temp / (newest + ".1"), dir / "expected.1");
    TJcfData expected_doc;
    PasteTransformFile(dir / "expected.1", u"2", u"0.0", true, true, expected_doc);
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(dir / "pasted-a.1") == ReadBytes(dir / "expected.1") + '\0'; }, 2000));
    TJcfData original, scaled;
    ASSERT_TRUE(original.FileIn(temp / (newest + ".1")));
    ASSERT_TRUE(scaled.FileIn(dir / "expected.1"));
    ASSERT_FALSE(original.EntLine.empty());
    const auto& a = original.EntLine.front();
    const auto& b = scaled.EntLine.front();
    EXPECT_NEAR(b.start_x, original.Header().BasePoint_x + 2 * (a.start_x - original.Header().BasePoint_x), 1e-6);
    EXPECT_NEAR(b.end_y, original.Header().BasePoint_y + 2 * (a.end_y - original.Header().BasePoint_y), 1e-6);
    SendMessageW(scale_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1.0"));

    // Portrait at 300 x 400, and the palette moves when dragged by its own surface.
    SetWindowPos(palette, nullptr, 0, 0, 300, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT zero{};
    ASSERT_TRUE(WaitFor([&] { RECT c{}; GetClientRect(palette, &c); return c.right == 300; }, 2000));
    const RECT expected_zero = view.CommandButtonRect(1);
    ASSERT_TRUE(WaitFor([&] {
        GetWindowRect(FindChild(palette, L"Button", L"0"), &zero);
        MapWindowPoints(nullptr, palette, reinterpret_cast<POINT*>(&zero), 2);
        return EqualRect(&zero, &expected_zero);
    }, 2000));
    EXPECT_EQ(zero.left, 16 + 6) << "portrait: \"0\" beside the indicator";
    RECT before{}, after{};
    GetWindowRect(palette, &before);
    const POINT background{before.left + 150, before.top + 20};
    EXPECT_TRUE(Drag(palette, background, {background.x + 40, background.y + 30})) << "no move loop";
    EXPECT_TRUE(WaitFor([&] {
        GetWindowRect(palette, &after);
        return after.left == before.left + 40 && after.top == before.top + 30;
    }, 2000)) << "moved to " << after.left << ", " << after.top;

    // Neither paste was captured back: a new copy is the fourth clip.
    capture("Test2.1", 4);
    EXPECT_EQ(ClipNames(temp).size(), 4u) << "a paste was captured back";

    ASSERT_EQ(torvane.CloseAndWait(), 0);
    const auto written = SettingsFile::Read(dir / "torvane.dat");
    EXPECT_EQ(NameOfHex(written.lines[SettingsFile::kFirstClip + 1]), newest);
    EXPECT_EQ(NameOfHex(written.lines[SettingsFile::kFirstClip + 3]), first);
}

// The paste target follows the hosts: the chosen host keeps the paste while it exists; when it
// closes, the host last in front takes it; when that one closes too, the first listed host
// rather than nobody.
TEST_F(PaletteTransferTest, ThePasteGoesToAListedHostOnly) {
    settings.Write(dir / "torvane.dat");
    TestHost host(L"図面A.jww", dir / "pasted-a.1");
    TorvaneProcess torvane(dir.path());
    HWND palette = torvane.Start();
    ASSERT_NE(palette, nullptr);
    const PaletteView view(palette, settings);
    ASSERT_TRUE(host.Put(Stream("Test1.1")));
    ASSERT_GE(WaitForClips(dir / "Temp", 1, NowMicroseconds()), 0);
    ClickAt(view.ClipButtonCenter(1));
    ASSERT_TRUE(WaitFor([&] { return host.PasteCount() == 1; }, 5000));

    // The target follows the hosts: a host in front only before the second one came to the front.
    // When the target closes, the paste goes to the host last in front; when that one closes
    // too, to the first listed host rather than nowhere.
    TestHost hidden(L"図面C.jww", dir / "pasted-c.1");
    auto second = std::make_unique<TestHost>(L"図面B.jww", dir / "pasted-b.1");
    ASSERT_TRUE(WaitFor([&] { return second->Activate(); }, 2000));
    ClickAt(view.ClipButtonCenter(1));
    EXPECT_TRUE(WaitFor([&] { return host.PasteCount() == 2; }, 5000)) << "the chosen target keeps the paste";
    // The user turns to the second host, then the target closes (while in the back, so that no
    // window is activated in its place). The palette sees the change of foreground as it
    // happens; the wait relies on Wine handing the foreground event to the palette's thread
    // before a message sent after it.
    ASSERT_TRUE(WaitFor([&] { return second->Activate(); }, 2000));
    ASSERT_TRUE(host.Quit());
    ASSERT_TRUE(WaitIdle(palette));
    ClickAt(view.ClipButtonCenter(1));
    EXPECT_TRUE(WaitFor([&] { return second->PasteCount() == 1; }, 5000)) << "to the host last in front";
    second.reset();
    ClickAt(view.ClipButtonCenter(1));
    EXPECT_TRUE(WaitFor([&] { return hidden.PasteCount() == 1; }, 5000)) << "to the first listed host";
}

}  // namespace
}  // namespace torvane
