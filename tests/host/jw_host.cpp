// A stand-in for Jw_cad in tests: a window titled "<name> - jw_win" that puts a figure stream on
// the clipboard in Jw_cad's three formats and, on Ctrl+V, writes the "Jw_win" block it finds
// on the clipboard to the paste file (replacing it).
//
//   jw_host.exe --name NAME [--paste-out FILE] [--put FILE] [--minimized]
//
// Tests drive it with the WM_COPYDATA commands of host_commands.h.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host_clock.h"
#include "host_commands.h"

namespace {

using namespace torvane::test_host;

const unsigned char kDataObject[32] = {0x88, 0x09, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x0F, 0x73, 0x00};
const unsigned char kOlePrivateData[64] = {0x47, 0xDA, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
                                           0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00};
constexpr UINT_PTR kReleaseTimer = 1;

struct Host {
    HWND window = nullptr;
    std::wstring paste_out;
    int pastes = 0;
    int activations = 0;
    long long last_paste_us = 0;
    bool holding = false;
};
Host host;

// Up to five seconds: the palette polling the clipboard holds it open for a moment, longer on
// a busy machine.
bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < 250; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(20);
    }
    return false;
}

bool PutBlock(UINT format, const void* data, size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size == 0 ? 1 : size);
    if (block == nullptr) return false;
    if (void* p = GlobalLock(block)) {
        if (size != 0) memcpy(p, data, size);
        GlobalUnlock(block);
        if (SetClipboardData(format, block) != nullptr) return true;
    }
    GlobalFree(block);
    return false;
}

bool PutFigure(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) return false;
    const std::vector<char> stream((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!OpenClipboardPatiently(host.window)) return false;
    EmptyClipboard();
    const bool ok = PutBlock(RegisterClipboardFormatW(L"DataObject"), kDataObject, sizeof kDataObject) &&
                    PutBlock(RegisterClipboardFormatW(L"Jw_win"), stream.data(), stream.size()) &&
                    PutBlock(RegisterClipboardFormatW(L"Ole Private Data"), kOlePrivateData, sizeof kOlePrivateData);
    CloseClipboard();
    return ok;
}

// Writes the "Jw_win" block to the paste file through a temporary file; false when absent.
bool PasteFigure() {
    if (host.paste_out.empty() || !OpenClipboardPatiently(host.window)) return false;
    std::vector<char> bytes;
    bool found = false;
    if (HANDLE block = GetClipboardData(RegisterClipboardFormatW(L"Jw_win"))) {
        if (const auto* p = static_cast<const char*>(GlobalLock(block))) {
            bytes.assign(p, p + GlobalSize(block));
            GlobalUnlock(block);
            found = true;
        }
    }
    CloseClipboard();
    if (!found) return false;
    const std::wstring temp = host.paste_out + L".tmp";
    {
        std::ofstream out(temp.c_str(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return MoveFileExW(temp.c_str(), host.paste_out.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(window, message, wparam, lparam);
}

HWND ShowDialog(const std::wstring& title) {
    HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, L"JwHostDialog", title.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                  200, 200, 240, 120, host.window, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (dialog == nullptr) return nullptr;
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    return dialog;
}

// Opens the clipboard and keeps it open until the release timer.
bool HoldClipboard(int milliseconds) {
    if (!OpenClipboardPatiently(host.window)) return false;
    host.holding = true;
    SetTimer(host.window, kReleaseTimer, static_cast<UINT>(milliseconds), nullptr);
    return true;
}

LRESULT Command(const COPYDATASTRUCT& data) {
    const std::wstring argument(static_cast<const wchar_t*>(data.lpData), data.cbData / sizeof(wchar_t));
    switch (data.dwData) {
        case kPut: return PutFigure(argument) ? 1 : 0;
        case kHoldClipboard: return HoldClipboard(_wtoi(argument.c_str())) ? 1 : 0;
        case kPutAndHold: {
            const std::size_t space = argument.find(L' ');
            if (space == std::wstring::npos || !PutFigure(argument.substr(space + 1))) return 0;
            return HoldClipboard(_wtoi(argument.substr(0, space).c_str())) ? 1 : 0;
        }
        case kShowDialog: return reinterpret_cast<LRESULT>(ShowDialog(argument));
        case kPasteCount: return host.pastes;
        case kMinimize: ShowWindow(host.window, SW_MINIMIZE); return 1;
        case kQuit: PostMessageW(host.window, WM_CLOSE, 0, 0); return 1;
        case kPasteNow: return PasteFigure() ? 1 : 0;
        case kActivate:
            SetForegroundWindow(host.window);
            return GetForegroundWindow() == host.window ? 1 : 0;
        case kLastPasteTime: return static_cast<LRESULT>(host.last_paste_us);
        case kActivationCount: return host.activations;
        default: return 0;
    }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COPYDATA: return Command(*reinterpret_cast<const COPYDATASTRUCT*>(lparam));
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE) ++host.activations;
            return DefWindowProcW(window, message, wparam, lparam);
        case WM_KEYDOWN:
            if (wparam == 'V' && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
                host.last_paste_us = torvane::test::NowMicroseconds();
                PasteFigure();
                ++host.pastes;
            }
            return 0;
        case WM_TIMER:
            if (wparam == kReleaseTimer) {
                KillTimer(window, kReleaseTimer);
                if (host.holding) CloseClipboard();
                host.holding = false;
            }
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring name = L"host";
    std::wstring put;
    bool minimized = false;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--name" && i + 1 < argc) name = argv[++i];
        else if (arg == L"--paste-out" && i + 1 < argc) host.paste_out = argv[++i];
        else if (arg == L"--put" && i + 1 < argc) put = argv[++i];
        else if (arg == L"--minimized") minimized = true;
        else {
            std::fwprintf(stderr, L"jw_host: unknown argument %ls\n", arg.c_str());
            return 2;
        }
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW main_class{};
    main_class.lpfnWndProc = MainProc;
    main_class.hInstance = instance;
    main_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    main_class.lpszClassName = L"JwHostMain";
    WNDCLASSW dialog_class = main_class;
    dialog_class.lpfnWndProc = DialogProc;
    dialog_class.lpszClassName = L"JwHostDialog";
    if (!RegisterClassW(&main_class) || !RegisterClassW(&dialog_class)) return 1;
    const std::wstring title = name + kTitleSuffix;
    host.window = CreateWindowExW(0, main_class.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 480, 320,
                                  nullptr, nullptr, instance, nullptr);
    if (host.window == nullptr) return 1;
    // The window appears only once the figure is on the clipboard: finding it means ready.
    if (!put.empty() && !PutFigure(put)) return 1;
    ShowWindow(host.window, minimized ? SW_SHOWMINIMIZED : SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
