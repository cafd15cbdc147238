#include "test_host.h"

#include <cstdio>

#include "host_commands.h"

namespace torvane::test {
namespace {

std::wstring Quoted(const std::wstring& arg) { return L"\"" + arg + L"\""; }

// The visible host main window of that process with that title; null when there is none yet.
HWND VisibleMainWindowOf(DWORD process, const std::wstring& title) {
    struct Search {
        DWORD process;
        const std::wstring& title;
        HWND found = nullptr;
    } search{process, title};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[16]{}, text[256]{};
            GetClassNameW(window, name, 16);
            GetWindowTextW(window, text, 256);
            if (owner != s.process || std::wstring(name) != L"JwHostMain" || s.title != text || !IsWindowVisible(window))
                return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::filesystem::path TestHostProgram() {
    // The build folder's Unix path is reached through Wine's drive Z:.
    const std::wstring path = TORVANE_TEST_HOST_EXE;
    return std::filesystem::path(path.starts_with(L"/") ? L"Z:" + path : path);
}

TestHost::TestHost(const std::wstring& name, const std::filesystem::path& paste_out,
                   const std::vector<std::wstring>& extra)
    : title_(name + test_host::kTitleSuffix) {
    std::wstring command = Quoted(TestHostProgram().wstring()) + L" --name " + Quoted(name);
    if (!paste_out.empty()) command += L" --paste-out " + Quoted(paste_out.wstring());
    for (const auto& arg : extra) command += L" " + Quoted(arg);
    // Under Wine the stand-in has been seen to crash inside Wine's own start-up code, before its
    // window appears (about once in several hundred starts); that is not what any test examines,
    // so it is started once more.
    for (int attempt = 1; attempt <= 2 && window_ == nullptr; ++attempt) {
        if (!Launch(command)) return;
        if (window_ == nullptr && attempt == 1) std::fprintf(stderr, "jw_host is started again\n");
    }
}

bool TestHost::Launch(std::wstring command) {
    if (process_.hProcess != nullptr) {
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = {};
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
        std::fprintf(stderr, "jw_host did not start: error %lu\n", GetLastError());
        return false;
    }
    // Its own window only: one of an earlier host with the same title may still be closing.
    for (int waited = 0; waited < 10000 && window_ == nullptr; waited += 50) {
        window_ = VisibleMainWindowOf(process_.dwProcessId, title_);
        if (window_ == nullptr && WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process_.hProcess, &code);
            std::fprintf(stderr, "jw_host ended with code %lu before its window appeared\n", code);
            break;
        }
    }
    return true;
}

TestHost::~TestHost() {
    if (process_.hProcess == nullptr) return;
    if (!Quit()) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

LRESULT TestHost::Send(unsigned command, const std::wstring& argument) {
    if (window_ == nullptr) return 0;
    COPYDATASTRUCT data{};
    data.dwData = command;
    data.cbData = static_cast<DWORD>(argument.size() * sizeof(wchar_t));
    data.lpData = const_cast<wchar_t*>(argument.data());
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

bool TestHost::Put(const std::filesystem::path& figure_stream) { return Send(test_host::kPut, figure_stream.wstring()) == 1; }

bool TestHost::PutAndHold(const std::filesystem::path& figure_stream, unsigned milliseconds) {
    return Send(test_host::kPutAndHold, std::to_wstring(milliseconds) + L" " + figure_stream.wstring()) == 1;
}

bool TestHost::HoldClipboard(unsigned milliseconds) {
    return Send(test_host::kHoldClipboard, std::to_wstring(milliseconds)) == 1;
}

HWND TestHost::ShowDialog(const std::wstring& title) {
    return reinterpret_cast<HWND>(Send(test_host::kShowDialog, title));
}

int TestHost::PasteCount() { return static_cast<int>(Send(test_host::kPasteCount, L"")); }

bool TestHost::PasteNow() { return Send(test_host::kPasteNow, L"") == 1; }

void TestHost::Minimize() { Send(test_host::kMinimize, L""); }

bool TestHost::Activate() { return Send(test_host::kActivate, L"") == 1; }

long long TestHost::LastPasteTime() { return static_cast<long long>(Send(test_host::kLastPasteTime, L"")); }

int TestHost::ActivationCount() { return static_cast<int>(Send(test_host::kActivationCount, L"")); }

bool TestHost::Quit() {
    if (process_.hProcess == nullptr) return true;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) return true;
    Send(test_host::kQuit, L"");
    return WaitForSingleObject(process_.hProcess, 5000) == WAIT_OBJECT_0;
}

}  // namespace torvane::test
