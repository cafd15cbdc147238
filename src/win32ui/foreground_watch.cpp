#include "win32ui/foreground_watch.h"

namespace torvane {
namespace {

// The hook's callback has no context of its own; the process has one watch.
HWND watching_window = nullptr;
UINT watch_message = 0;

// Called in this thread while it waits for messages (an out-of-context hook).
void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    if (watching_window != nullptr) SendMessageW(watching_window, watch_message, 0, 0);
}

}  // namespace

ForegroundWatch::~ForegroundWatch() { Stop(); }

void ForegroundWatch::Start(HWND window, UINT message) {
    if (hook_ != nullptr) return;
    watching_window = window;
    watch_message = message;
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, ForegroundChanged, 0, 0,
                            WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
}

void ForegroundWatch::Stop() {
    if (hook_ != nullptr) UnhookWinEvent(hook_);
    hook_ = nullptr;
    watching_window = nullptr;
}

}  // namespace torvane
