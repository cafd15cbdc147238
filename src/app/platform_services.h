#pragma once
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/device.h"
#include "platform/keyboard.h"
#include "platform/save_dialog.h"
#include "platform/ui_services.h"
#include "platform/window_list.h"

namespace torvane {

// What the palette uses of the system besides its own window: the program fills it with the
// Win32 back ends, tests with the in-memory ones.
struct TPlatformServices {
    Clipboard& clipboard;
    WindowList& windows;
    Keyboard& keyboard;
    UiServices& ui;
    const Clock& clock;
    SaveDialog& saveDialog = SystemSaveDialog();
    // Device the thumbnails are drawn with.
    DeviceFactory device = CreateDevice;
};

// The back end's services, with the given user interface services.
inline TPlatformServices SystemServices(UiServices& ui) {
    return {SystemClipboard(), SystemWindowList(), SystemKeyboard(), ui, SystemClock()};
}

}  // namespace torvane
