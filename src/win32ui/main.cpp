#include <windows.h>

#include <vector>

#include "app/form1.h"
#include "win32ui/palette_window.h"
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

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    using namespace torvane;
    Win32UiServices ui;
    PaletteWindow palette;
    TForm1 form(palette, SystemServices(ui));
    form.FormCreate(ExecutablePath());
    if (!palette.Create(form)) return 1;
    ui.SetOwner(palette.Handle());
    form.FormShow();
    ShowWindow(palette.Handle(), show);
    UpdateWindow(palette.Handle());

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
