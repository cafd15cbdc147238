#pragma once
#include <windows.h>

namespace torvane {

// Tells a window at once whenever a window of another program comes to the front (the
// system's foreground event), by sending it a message of our choice. One watch per process.
class ForegroundWatch {
public:
    ForegroundWatch() = default;
    ~ForegroundWatch();
    ForegroundWatch(const ForegroundWatch&) = delete;
    ForegroundWatch& operator=(const ForegroundWatch&) = delete;

    // Starts sending `message` to `window`; nothing when it already does.
    void Start(HWND window, UINT message);
    void Stop();

private:
    HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace torvane
