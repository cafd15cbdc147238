#include "mouse_input.h"

namespace torvane::test {

void MouseButton(POINT screen, DWORD flags) {
    // Absolute coordinates over the whole desktop run from 0 to 65536; rounded up, the system's
    // scaling back (rounded down) gives the pixel itself.
    const LONG left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const LONG width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>(((screen.x - left) * 65536LL + width - 1) / width);
    input.mi.dy = static_cast<LONG>(((screen.y - top) * 65536LL + height - 1) / height);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    SendInput(1, &input, sizeof input);
}

void ClickAt(POINT screen, bool right) {
    MouseButton(screen, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    MouseButton(screen, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

}  // namespace torvane::test
