#include "platform/memory/key_recorder.h"

namespace torvane {

LocalTime KeyRecorder::Now() const {
    const auto ms = elapsed_;
    return {2000, 1, 1, static_cast<int>(ms / 3600000 % 24), static_cast<int>(ms / 60000 % 60),
            static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

void KeyRecorder::Sleep(std::uint32_t milliseconds) const {
    events.push_back({KeyEvent::Kind::Pause, milliseconds});
    elapsed_ += milliseconds;
}

bool KeyRecorder::Record(KeyEvent::Kind kind, std::uint8_t code) {
    if (refuse_after == 0) return false;
    if (refuse_after > 0) --refuse_after;
    events.push_back({kind, code});
    return true;
}

}  // namespace torvane
