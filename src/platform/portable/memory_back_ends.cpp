#include "platform/memory/key_recorder.h"
#include "platform/memory/memory_clipboard.h"
#include "platform/memory/scripted_window_list.h"

namespace torvane {

// Without a desktop the clipboard lives in the process, no window exists and keys go nowhere.

Clipboard& SystemClipboard() {
    static MemoryClipboard clipboard;
    return clipboard;
}

WindowList& SystemWindowList() {
    static ScriptedWindowList windows;
    return windows;
}

Keyboard& SystemKeyboard() {
    static KeyRecorder keyboard;
    return keyboard;
}

}  // namespace torvane
