#pragma once
#include <cstdint>

namespace torvane {

// Synthesised hardware-level key events by virtual-key code, and the physical key state.
class Keyboard {
public:
    static constexpr std::uint8_t kShift = 0x10;
    static constexpr std::uint8_t kControl = 0x11;
    static constexpr std::uint8_t kAlt = 0x12;
    static constexpr std::uint8_t kEscape = 0x1B;

    virtual ~Keyboard() = default;
    // False when the system refused the event.
    virtual bool KeyDown(std::uint8_t code) = 0;
    virtual bool KeyUp(std::uint8_t code) = 0;
    // True while the key is held down (asynchronous state).
    virtual bool IsHeld(std::uint8_t code) = 0;
};

// The back end's keyboard: SendInput on Windows, a recorder elsewhere.
Keyboard& SystemKeyboard();

}  // namespace torvane
