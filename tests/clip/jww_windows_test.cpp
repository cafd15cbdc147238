#include "clip/jww_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "platform/memory/key_recorder.h"
#include "platform/memory/scripted_window_list.h"

namespace torvane {
namespace {

using Kind = KeyEvent::Kind;

TopLevelWindow Window(WindowHandle h, std::u16string title, WindowHandle owner = 0, bool visible = true) {
    return {h, std::move(title), visible, owner};
}

TEST(JwwWindows, MainWindowsAreVisibleUnownedAndTitledJwWin) {
    EXPECT_TRUE(IsJwwWindow(Window(1, u"図面.jww - jw_win")));
    EXPECT_TRUE(IsJwwWindow(Window(1, u"jw_win")));
    EXPECT_FALSE(IsJwwWindow(Window(1, u"図面.jww - JW_WIN")));
    EXPECT_FALSE(IsJwwWindow(Window(1, u"a - jw_win", 7)));
    EXPECT_FALSE(IsJwwWindow(Window(1, u"a - jw_win", 0, false)));

    ScriptedWindowList windows;
    windows.windows = {Window(10, u"メモ帳"), Window(11, u"b - jw_win"), Window(12, u"設定", 11),
                       Window(13, u"a - jw_win" + std::u16string(300, u'x'))};
    const auto list = ListJwwWindows(windows);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (TJwwHandleField{11, u"b - jw_win"}));
    EXPECT_EQ(list[1].hd, 13);
    EXPECT_EQ(list[1].ac.size(), 255u);
}

class TrackingTest : public ::testing::Test {
protected:
    ScriptedWindowList windows;
    void SetUp() override {
        windows.windows = {Window(11, u"a - jw_win"), Window(12, u"b - jw_win"), Window(20, u"dialog", 11),
                           Window(21, u"dialog 2", 20), Window(22, u"dialog 3", 21), Window(23, u"dialog 4", 22),
                           Window(24, u"dialog 5", 23), Window(30, u"palette")};
    }
    WindowHandle Track(WindowHandle foreground, WindowHandle last) {
        windows.foreground = foreground;
        return TrackLastJww(windows, ListJwwWindows(windows), last);
    }
};

TEST_F(TrackingTest, ForegroundWindowOrItsOwnersUpToFourSteps) {
    EXPECT_EQ(Track(12, 11), 12);
    EXPECT_EQ(Track(20, 12), 11);  // a dialog owned by the main window
    EXPECT_EQ(Track(23, 12), 11);  // four owner steps
    EXPECT_EQ(Track(24, 12), 12);  // five are too many: unchanged
    EXPECT_EQ(Track(30, 12), 12);  // the palette in front: unchanged
    EXPECT_EQ(Track(0, 0), 0);
}

TEST_F(TrackingTest, BootFollowsTheLastWindowWhileItIsListed) {
    const auto list = ListJwwWindows(windows);
    EXPECT_EQ(CorrectBootJww(12, 11, list), 12);
    EXPECT_EQ(CorrectBootJww(-1, 11, list), 11);
    EXPECT_EQ(CorrectBootJww(0, 0, list), 11);
    EXPECT_EQ(CorrectBootJww(99, 98, list), 11);  // the last window has closed: the first listed one
    EXPECT_EQ(CorrectBootJww(12, 11, {}), 0);
}

TEST_F(TrackingTest, SendTargetOfBootValue) {
    const auto list = ListJwwWindows(windows);
    EXPECT_EQ(ChooseSendTarget(12, 11, list), 12);
    EXPECT_EQ(ChooseSendTarget(0, 11, list), 0);
    EXPECT_EQ(ChooseSendTarget(-1, 12, list), 12);
    EXPECT_EQ(ChooseSendTarget(-1, 0, list), 11);
    EXPECT_EQ(ChooseSendTarget(-1, 0, {}), 0);
}

// The recorder's clock, running `before_sleep` before each pause: the desktop changing while
// keys are sent.
class HookedClock final : public Clock {
public:
    HookedClock(KeyRecorder& keys, std::function<void()> before_sleep)
        : keys_(keys), before_sleep_(std::move(before_sleep)) {}
    LocalTime Now() const override { return keys_.Now(); }
    void Sleep(std::uint32_t ms) const override {
        before_sleep_();
        keys_.Sleep(ms);
    }

private:
    KeyRecorder& keys_;
    std::function<void()> before_sleep_;
};

class SendToWindowTest : public ::testing::Test {
protected:
    ScriptedWindowList windows;
    KeyRecorder keys;
    void SetUp() override {
        windows.windows = {Window(11, u"a - jw_win"), Window(30, u"palette")};
        windows.foreground = 30;
    }
    std::uint32_t WaitBeforeKeys() const {
        std::uint32_t ms = 0;
        for (const auto& e : keys.events) {
            if (e.kind != Kind::Pause) break;
            ms += e.value;
        }
        return ms;
    }
};

TEST_F(SendToWindowTest, RestoresBringsToFrontAndWaitsForActivation) {
    windows.minimized = {11};
    windows.activation_polls = 3;
    EXPECT_TRUE(SendKeysToWindow(11, u"^V", windows, keys, keys));
    EXPECT_EQ(windows.restored, std::vector<WindowHandle>{11});
    EXPECT_EQ(windows.brought_to_front, std::vector<WindowHandle>{11});
    EXPECT_EQ(WaitBeforeKeys(), 3 * kForegroundPollMs + 500);
    EXPECT_EQ(keys.events.size(), 3 + 1 + 5u);
}

TEST_F(SendToWindowTest, WaitsUntilTheUserReleasesModifiers) {
    windows.foreground = 11;
    keys.held = {Keyboard::kControl};
    keys.held_until_ms = 300;
    EXPECT_TRUE(SendKeysToWindow(11, u"^V", windows, keys, keys));
    EXPECT_EQ(WaitBeforeKeys(), 300 + 500u);
}

TEST_F(SendToWindowTest, WaitIsBoundedAndNothingIsSentWhenActivationNeverComes) {
    windows.activation_allowed = false;
    EXPECT_FALSE(SendKeysToWindow(11, u"^V", windows, keys, keys));
    EXPECT_EQ(WaitBeforeKeys(), kForegroundWaitMs);
}

// The user switches to another program during the half second before a key item: that item
// and the rest are not sent there.
TEST_F(SendToWindowTest, KeysStopWhenTheTargetLeavesTheFront) {
    const HookedClock clock(keys, [&] {
        const bool pressed = std::any_of(keys.events.begin(), keys.events.end(),
                                         [](const KeyEvent& e) { return e.kind == Kind::Down; });
        if (pressed) windows.foreground = 30;
    });
    windows.foreground = 11;
    EXPECT_FALSE(SendKeysToWindow(11, u"^V{ENTER}", windows, keys, clock));
    EXPECT_EQ(std::count_if(keys.events.begin(), keys.events.end(), [](const KeyEvent& e) { return e.kind == Kind::Down; }), 2)
        << "Ctrl and V only, no Enter";
}

// The first request is lost and nobody is in front: it is repeated, and the keys go out once
// the target is there.
TEST_F(SendToWindowTest, ALostActivationIsAskedForAgainWhileNobodyIsInFront) {
    const HookedClock clock(keys, [&] { windows.activation_allowed = true; });
    windows.foreground = 0;
    windows.activation_allowed = false;
    EXPECT_TRUE(SendKeysToWindow(11, u"^V", windows, keys, clock));
    EXPECT_EQ(windows.brought_to_front, (std::vector<WindowHandle>{11, 11}));
    EXPECT_EQ(WaitBeforeKeys(), kForegroundRetryMs + kForegroundPollMs + 500);
}

TEST_F(SendToWindowTest, NothingGoesToAClosedOrNoWindow) {
    EXPECT_FALSE(SendKeysToWindow(99, u"^V", windows, keys, keys));
    EXPECT_FALSE(SendKeysToWindow(0, u"^V", windows, keys, keys));
    EXPECT_TRUE(keys.events.empty());
    EXPECT_TRUE(windows.brought_to_front.empty());
}

}  // namespace
}  // namespace torvane
