#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/keyboard.h"
#include "platform/window_list.h"

namespace torvane {

// One Jw_cad main window of the tracking list.
struct TJwwHandleField {
    WindowHandle hd = 0;
    std::u16string ac;  // title, at most 255 characters
    bool operator==(const TJwwHandleField&) const = default;
};

// A Jw_cad main window: visible, top-level, without owner, "jw_win" in its title (case-sensitive).
bool IsJwwWindow(const TopLevelWindow& window);

// The Jw_cad main windows in the system's order.
std::vector<TJwwHandleField> ListJwwWindows(WindowList& windows);

// The Jw_cad window the user works in now: the listed window that is the foreground window
// or one of its first four owners (the furthest owner wins, a later list entry overrides an
// earlier one); `last_jww` when none is.
WindowHandle TrackLastJww(WindowList& windows, const std::vector<TJwwHandleField>& list, WindowHandle last_jww);

// The paste target after a tracking tick: `boot` while it names a listed window; otherwise
// `last_jww` while it is listed, or the first listed window; 0 when the list is empty.
WindowHandle CorrectBootJww(WindowHandle boot, WindowHandle last_jww, const std::vector<TJwwHandleField>& list);

// The window keystrokes go to: `boot`; when it is negative, `last_jww` while it is listed,
// or else the first listed window (0 when there is none).
WindowHandle ChooseSendTarget(WindowHandle boot, WindowHandle last_jww, const std::vector<TJwwHandleField>& list);

// Longest wait for the target to become the foreground window and for the user to let go
// of the modifier keys.
constexpr std::uint32_t kForegroundWaitMs = 2000;
constexpr std::uint32_t kForegroundPollMs = 50;
// While no window at all is in front, the request to bring the target there is repeated this often.
constexpr std::uint32_t kForegroundRetryMs = 250;

// Send_Mess after the choice of window: when the target still names a window, restores it if
// minimised, brings it to the front, waits (bounded) until it is the foreground window and no
// modifier key is held (asking again while no window is in front: an activation can get lost), then sends the key string, each key item only while the target is
// still in front.
// False when nothing or not everything was sent.
bool SendKeysToWindow(WindowHandle target, std::u16string_view keys, WindowList& windows, Keyboard& keyboard,
                      const Clock& clock);

}  // namespace torvane
