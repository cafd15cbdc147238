#include "platform/memory/key_recorder.h"
#include "platform/memory/memory_clipboard.h"
#include "platform/memory/scripted_save_dialog.h"
#include "platform/memory/scripted_window_list.h"

namespace torvane {

// Without a desktop the clipboard lives in the process, no window exists, keys go nowhere and
// nobody answers a save dialog.

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

SaveDialog& SystemSaveDialog() {
    static ScriptedSaveDialog dialog;
    return dialog;
}

}  // namespace torvane
