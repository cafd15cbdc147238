#include <windows.h>

#include "platform/keyboard.h"

namespace torvane {
namespace {

// Hardware-level key events: virtual-key code, scan code 0, key-up flag for releases.
bool SendKey(std::uint8_t code, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.dwFlags = flags;
    return SendInput(1, &input, sizeof input) == 1;
}

class Win32Keyboard final : public Keyboard {
public:
    bool KeyDown(std::uint8_t code) override { return SendKey(code, 0); }
    bool KeyUp(std::uint8_t code) override { return SendKey(code, KEYEVENTF_KEYUP); }
    bool IsHeld(std::uint8_t code) override { return (GetAsyncKeyState(code) & 0x8000) != 0; }
};

}  // namespace

Keyboard& SystemKeyboard() {
    static Win32Keyboard keyboard;
    return keyboard;
}

}  // namespace torvane
