#include "torvane_process.h"

#include <cstdio>
#include <fstream>

namespace torvane::test {
namespace fs = std::filesystem;

// The build passes the executable's Linux path; Wine sees the Linux root as drive Z:.
fs::path BuiltExe() {
    std::string path = TORVANE_EXE;
    if (!path.empty() && path.front() == '/') path = "Z:" + path;
    return fs::path(path).make_preferred();
}

namespace {

struct ChildSearch {
    std::wstring window_class;
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM context) {
    auto& search = *reinterpret_cast<ChildSearch*>(context);
    wchar_t name[64]{};
    wchar_t text[64]{};
    GetClassNameW(child, name, 64);
    GetWindowTextW(child, text, 64);
    if (_wcsicmp(name, search.window_class.c_str()) == 0 && (search.caption.empty() || search.caption == text)) {
        search.found = child;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::vector<std::string> Lines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

SettingsFile::SettingsFile() {
    lines = {"700", "100", "464", "288", "100", "1", "0", "0", "1", "1", "0", "16777215", "0", "8421504", "16",
             "3",   "3",   "64",  "64",  "0",   "0", "128", "128", "0", "0", "0", "0", "0", "0", "0",
             "1.0", "0.0", "1",   "1",   "0",   "",  "4",   "4",   "5", "5", "0", "-1"};
    lines.resize(60, "0");  // window positions and sizes of the other windows
    lines.push_back("0");   // recent folders
    lines.insert(lines.end(), {"0", "0", "0", "0", "100"});
    lines.resize(kFirstClip + 400);
}

void SettingsFile::Write(const fs::path& file) const {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) out << line << "\r\n";
}

SettingsFile SettingsFile::Read(const fs::path& file) {
    SettingsFile settings;
    settings.lines = Lines(file);
    settings.lines.resize(std::max<std::size_t>(settings.lines.size(), kFirstClip + 400));
    return settings;
}

std::string HexName(const std::string& name) {
    std::string hex;
    char digits[3];
    for (unsigned char c : name) {
        std::snprintf(digits, sizeof digits, "%02X", c);
        hex += digits;
    }
    return hex;
}

std::string NameOfHex(const std::string& hex) {
    std::string name;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) name += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return name;
}

TorvaneProcess::TorvaneProcess(const fs::path& folder) : exe_(folder / "torvane.exe") {
    // A copy already there may be running.
    fs::copy_file(BuiltExe(), exe_, fs::copy_options::skip_existing);
}

TorvaneProcess::~TorvaneProcess() {
    if (info_.hProcess == nullptr) return;
    if (WaitForSingleObject(info_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

long TorvaneProcess::RunToExit(double seconds) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring command = L"\"" + exe_.wstring() + L"\"";
    if (!CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, exe_.parent_path().c_str(),
                        &startup, &info_)) {
        return -2;
    }
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(seconds * 1000)) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

HWND TorvaneProcess::Start(double seconds) {
    // An earlier test's figure on the clipboard would be captured at start.
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring command = L"\"" + exe_.wstring() + L"\"";
    if (!CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, exe_.parent_path().c_str(),
                        &startup, &info_)) {
        return nullptr;
    }
    return WaitForPalette(seconds);
}

HWND TorvaneProcess::WaitForPalette(double seconds) {
    WaitFor(
        [&] {
            palette_ = nullptr;
            EnumWindows(
                [](HWND hwnd, LPARAM self) -> BOOL {
                    auto* process = reinterpret_cast<TorvaneProcess*>(self);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    wchar_t title[64]{};
                    GetWindowTextW(hwnd, title, 64);
                    if (pid != process->info_.dwProcessId || std::wstring(title) != L"Torvane Ver.2.00" ||
                        !IsWindowVisible(hwnd)) {
                        return TRUE;
                    }
                    process->palette_ = hwnd;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(this));
            return palette_ != nullptr;
        },
        static_cast<int>(seconds * 1000));
    // The window shows before the palette has laid out its buttons; a click sent meanwhile can
    // land on the parts still being made.
    if (palette_ != nullptr) WaitForInputIdle(info_.hProcess, static_cast<DWORD>(seconds * 1000));
    return palette_;
}

HWND TorvaneProcess::MessageBoxShown() const {
    struct Search {
        DWORD process = 0;
        HWND found = nullptr;
    } search{info_.dwProcessId};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            wchar_t name[16]{};
            GetClassNameW(window, name, 16);
            if (process == s.process && IsWindowVisible(window) && std::wstring(name) == L"#32770") s.found = window;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

long TorvaneProcess::CloseAndWait(double seconds) {
    PostMessageW(palette_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(seconds * 1000)) != WAIT_OBJECT_0) {
        // What holds it open: its visible windows (a message box shows its text).
        EnumWindows(
            [](HWND hwnd, LPARAM pid) -> BOOL {
                DWORD owner = 0;
                GetWindowThreadProcessId(hwnd, &owner);
                if (owner != static_cast<DWORD>(pid) || !IsWindowVisible(hwnd)) return TRUE;
                wchar_t name[64]{}, title[128]{}, text[256]{};
                GetClassNameW(hwnd, name, 64);
                GetWindowTextW(hwnd, title, 128);
                GetDlgItemTextW(hwnd, 0xFFFF, text, 256);
                std::fprintf(stderr, "open window: %ls \"%ls\" %ls\n", name, title, text);
                return TRUE;
            },
            static_cast<LPARAM>(info_.dwProcessId));
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<long>(code);
}

bool Drag(HWND window, POINT from, POINT to) {
    MouseButton(from, MOUSEEVENTF_LEFTDOWN);
    // A move loop that starts after the release has been queued would wait for another press.
    const bool moving = WaitFor([&] { return (GuiThreadFlags(window) & GUI_INMOVESIZE) != 0; });
    MouseButton({(from.x + to.x) / 2, (from.y + to.y) / 2}, 0);
    MouseButton(to, 0);
    MouseButton(to, MOUSEEVENTF_LEFTUP);
    return moving && WaitFor([&] { return (GuiThreadFlags(window) & GUI_INMOVESIZE) == 0; });
}

void PressMoveRelease(POINT from, POINT to) {
    MouseButton(from, MOUSEEVENTF_LEFTDOWN);
    MouseButton({(from.x + to.x) / 2, (from.y + to.y) / 2}, 0);
    MouseButton(to, 0);
    MouseButton(to, MOUSEEVENTF_LEFTUP);
}

bool WaitIdle(HWND window, int milliseconds) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(milliseconds), &result) != 0;
}

DWORD GuiThreadFlags(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 0;
    return info.flags;
}

void PressKey(WORD key) {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = key;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

HWND FindChild(HWND parent, const std::wstring& window_class, const std::wstring& caption) {
    ChildSearch search{window_class, caption};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace torvane::test
