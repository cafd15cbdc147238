#include "clip/jww_windows.h"

#include <algorithm>
#include <array>

#include "clip/key_string.h"

namespace torvane {
namespace {

constexpr std::size_t kMaxTitle = 255;
constexpr int kOwnerSteps = 4;

bool IsListed(WindowHandle window, const std::vector<TJwwHandleField>& list) {
    return window != 0 && std::any_of(list.begin(), list.end(), [window](const auto& f) { return f.hd == window; });
}

bool ModifierHeld(Keyboard& keyboard) {
    constexpr std::array<std::uint8_t, 5> kModifiers{Keyboard::kShift, Keyboard::kControl, Keyboard::kAlt, 0x5B, 0x5C};
    return std::any_of(kModifiers.begin(), kModifiers.end(), [&keyboard](auto code) { return keyboard.IsHeld(code); });
}

}  // namespace

bool IsJwwWindow(const TopLevelWindow& window) {
    return window.visible && window.owner == 0 && window.title.find(u"jw_win") != std::u16string::npos;
}

std::vector<TJwwHandleField> ListJwwWindows(WindowList& windows) {
    std::vector<TJwwHandleField> list;
    for (const auto& window : windows.Enumerate()) {
        if (IsJwwWindow(window)) list.push_back({window.handle, window.title.substr(0, kMaxTitle)});
    }
    return list;
}

WindowHandle TrackLastJww(WindowList& windows, const std::vector<TJwwHandleField>& list, WindowHandle last_jww) {
    // chain[0] is the foreground window, chain[k] its k-th owner.
    std::array<WindowHandle, kOwnerSteps + 1> chain{};
    chain[0] = windows.Foreground();
    for (int k = 1; k <= kOwnerSteps && chain[k - 1] != 0; ++k) chain[k] = windows.Owner(chain[k - 1]);
    for (const auto& field : list) {
        for (int k = kOwnerSteps; k >= 0; --k) {
            if (chain[k] != 0 && chain[k] == field.hd) {
                last_jww = field.hd;
                break;
            }
        }
    }
    return last_jww;
}

WindowHandle CorrectBootJww(WindowHandle boot, WindowHandle last_jww, const std::vector<TJwwHandleField>& list) {
    if (IsListed(boot, list)) return boot;
    if (list.empty()) return 0;
    return IsListed(last_jww, list) ? last_jww : list.front().hd;
}

WindowHandle ChooseSendTarget(WindowHandle boot, WindowHandle last_jww, const std::vector<TJwwHandleField>& list) {
    if (boot >= 0) return boot;
    if (IsListed(last_jww, list)) return last_jww;
    return list.empty() ? 0 : list.front().hd;
}

bool SendKeysToWindow(WindowHandle target, std::u16string_view keys, WindowList& windows, Keyboard& keyboard,
                      const Clock& clock) {
    if (target == 0 || !windows.IsWindow(target)) return false;
    if (windows.IsMinimized(target)) windows.Restore(target);
    windows.BringToFront(target);
    for (std::uint32_t waited = 0; waited < kForegroundWaitMs; waited += kForegroundPollMs) {
        const WindowHandle front = windows.Foreground();
        if (front == target && !ModifierHeld(keyboard)) break;
        // A window that closes, or (under X) a late focus event, can leave nobody in front
        // after the request: there is nobody to take the front from, so ask again.
        if (front == 0 && waited > 0 && waited % kForegroundRetryMs == 0) windows.BringToFront(target);
        clock.Sleep(kForegroundPollMs);
    }
    // Keys go to whatever window is in front: none at all unless it is the target, checked
    // again before every key item.
    const auto target_in_front = [&] { return windows.Foreground() == target; };
    if (!target_in_front()) return false;
    return SendKeyString(keys, keyboard, clock, target_in_front);
}

}  // namespace torvane
