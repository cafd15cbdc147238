#pragma once
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host_clock.h"

namespace torvane::test {

// The Jw_cad stand-in (jw_host.exe) run as a separate process, for tests of the Windows build.
class TestHost {
public:
    // Starts the host with its window titled `name` + " - jw_win"; Ctrl+V writes the "Jw_win"
    // block to `paste_out` (when given). `extra` are further command-line arguments.
    explicit TestHost(const std::wstring& name, const std::filesystem::path& paste_out = {},
                      const std::vector<std::wstring>& extra = {});
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // The main window once it has appeared (null when the host did not start within 10 s).
    HWND window() const { return window_; }
    std::wstring title() const { return title_; }

    bool Put(const std::filesystem::path& figure_stream);
    bool HoldClipboard(unsigned milliseconds);
    // Puts the figure and keeps the clipboard open right after, for `milliseconds`.
    bool PutAndHold(const std::filesystem::path& figure_stream, unsigned milliseconds);
    HWND ShowDialog(const std::wstring& title);
    int PasteCount();
    // Writes the clipboard's "Jw_win" block to the paste file now; false when there is none.
    bool PasteNow();
    void Minimize();
    // Brings the host's window to the front; true when it is the foreground window then.
    bool Activate();
    // When the last Ctrl+V arrived, on the NowMicroseconds clock; 0 before the first.
    long long LastPasteTime();
    // How many times the host's window has been activated.
    int ActivationCount();
    // Asks the host to close and waits for it; true when it ended by itself.
    bool Quit();

private:
    // Starts one stand-in process and waits for its window (window_ stays null when it ends
    // first); false when the process could not be created at all.
    bool Launch(std::wstring command);
    LRESULT Send(unsigned command, const std::wstring& argument);

    std::wstring title_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// Path of jw_host.exe.
std::filesystem::path TestHostProgram();

}  // namespace torvane::test
