#pragma once
#include <cstdint>
#include <climits>
#include <set>
#include <vector>

#include "platform/clock.h"
#include "platform/keyboard.h"

namespace torvane {

// One synthesised key event or one blocking wait.
struct KeyEvent {
    enum class Kind { Down, Up, Pause };
    Kind kind = Kind::Down;
    std::uint32_t value = 0;  // virtual-key code, or milliseconds of a pause
    bool operator==(const KeyEvent&) const = default;
};

// A keyboard and a clock that send and wait nothing but record, in order, every key event
// and every wait. Keys in `held` are reported as held down by the user.
class KeyRecorder final : public Keyboard, public Clock {
public:
    mutable std::vector<KeyEvent> events;
    // Keys the user holds down until the waits so far reach `held_until_ms`.
    std::set<std::uint8_t> held;
    std::uint64_t held_until_ms = UINT64_MAX;
    // Events accepted before the keyboard starts refusing them (negative: never refuses).
    int refuse_after = -1;

    bool KeyDown(std::uint8_t code) override { return Record(KeyEvent::Kind::Down, code); }
    bool KeyUp(std::uint8_t code) override { return Record(KeyEvent::Kind::Up, code); }
    bool IsHeld(std::uint8_t code) override { return elapsed_ < held_until_ms && held.contains(code); }
    LocalTime Now() const override;
    void Sleep(std::uint32_t milliseconds) const override;
    // Total of all waits so far, in milliseconds.
    std::uint64_t Elapsed() const { return elapsed_; }

private:
    bool Record(KeyEvent::Kind kind, std::uint8_t code);
    mutable std::uint64_t elapsed_ = 0;
};

}  // namespace torvane
