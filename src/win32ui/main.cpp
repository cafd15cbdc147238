#include <windows.h>

#include <cstdlib>
#include <vector>

#include "app/clip_store_folder.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "win32ui/palette_window.h"
#include "win32ui/single_instance.h"
#include "win32ui/win32_ui_services.h"

namespace {

std::filesystem::path ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), n));
        buffer.resize(buffer.size() * 2);
    }
}

// The per-user folder of the clip store when the executable's folder cannot be written.
std::filesystem::path PerUserFolder() {
    const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
    return local != nullptr && *local != L'\0' ? std::filesystem::path(local) / L"Torvane" : std::filesystem::path();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    using namespace torvane;
    const std::filesystem::path exe = ExecutablePath();
    const TClipStore store = ChooseClipStore(exe, PerUserFolder());
    SetAppPaths(store.ExePath);
    // A second start on the same clip store shows the running palette and touches nothing.
    const SingleInstance instance(SettingsFile);
    if (!instance.First()) {
        instance.ActivateRunning(5000);
        return 0;
    }
    Win32UiServices ui;
    if (store.NewPerUser) ui.Message(PerUserStoreMessage(exe.parent_path(), AppPath));
    PaletteWindow palette;
    TForm1 form(palette, SystemServices(ui));
    form.FormCreate(store.ExePath);
    if (!palette.Create(form)) return 1;
    instance.MarkPalette(palette.Handle());
    ui.SetOwner(palette.Handle());
    form.FormShow();
    ShowWindow(palette.Handle(), show);
    UpdateWindow(palette.Handle());

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (palette.PaletteShortcut(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
