#pragma once
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mouse_input.h"
#include "wait_for.h"

namespace torvane::test {

// The torvane.exe the build made.
std::filesystem::path BuiltExe();

// Lines of a text file, without their CR LF.
std::vector<std::string> Lines(const std::filesystem::path& file);

// A settings file as torvane.exe writes it, every line at its default but Ktime 100 ms, the
// monitor started at activation, the work page kept, and the palette at (700, 100), 464 x 288
// (beside the test host's window). Lines are indexed from 0.
struct SettingsFile {
    static constexpr int kLeft = 0, kTop = 1, kWidth = 2, kHeight = 3, kKtime = 4, kHisto = 5, kLocateLoc = 10,
                         kSwSize = 14, kBtnXn = 15, kBtnYn = 16, kBtnWi = 17, kBtnHe = 18, kTranKyo = 24,
                         kTranAut = 27, kPasteBai = 30, kFirstClip = 66;
    std::vector<std::string> lines;

    SettingsFile();
    // The index line of (page, row).
    std::string& Clip(int page, int row) { return lines[static_cast<std::size_t>(kFirstClip + page * 100 + row)]; }
    const std::string& Clip(int page, int row) const {
        return lines[static_cast<std::size_t>(kFirstClip + page * 100 + row)];
    }
    int Number(int line) const { return std::stoi(lines[static_cast<std::size_t>(line)]); }
    void Write(const std::filesystem::path& file) const;
    static SettingsFile Read(const std::filesystem::path& file);
};

// The settings file's form of a clip name: the hex digits of its bytes.
std::string HexName(const std::string& name);
std::string NameOfHex(const std::string& hex);

// A copy of torvane.exe in a folder, started and closed like a user would.
class TorvaneProcess {
public:
    explicit TorvaneProcess(const std::filesystem::path& folder);
    ~TorvaneProcess();
    TorvaneProcess(const TorvaneProcess&) = delete;
    TorvaneProcess& operator=(const TorvaneProcess&) = delete;

    // Empties the clipboard, starts it and waits for its visible palette; the palette or null.
    HWND Start(double seconds = 30);
    // Waits for the visible palette of the started process; the palette or null.
    HWND WaitForPalette(double seconds = 30);
    // A message box the process shows now, or null.
    HWND MessageBoxShown() const;
    HWND palette() const { return palette_; }
    // Starts it and waits for it to end by itself: its exit code, -1 when it still runs after
    // `seconds`, -2 when it did not start.
    long RunToExit(double seconds = 30);
    // Exit code after a close request, or -1 when it did not end within `seconds`.
    long CloseAndWait(double seconds = 30);

private:
    std::filesystem::path exe_;
    PROCESS_INFORMATION info_{};
    HWND palette_ = nullptr;
};

// Keys pressed as a user gives them (mouse input: mouse_input.h).
void PressKey(WORD key);
// Drags `window` by a press at `from` and a release at `to`: the moves follow once its thread
// is in its move loop; true when the loop has ended.
bool Drag(HWND window, POINT from, POINT to);
// The same press, moves and release without waiting for a move loop (for a window that must not move).
void PressMoveRelease(POINT from, POINT to);

// True once the thread of `window` has handled every message sent before (it is idle).
bool WaitIdle(HWND window, int milliseconds = 5000);
// The GUI_* flags of the thread of `window` (menu mode, move loop).
DWORD GuiThreadFlags(HWND window);

// The first child window of `parent` (searched in depth) of that class and caption (any caption
// when empty); null when none.
HWND FindChild(HWND parent, const std::wstring& window_class, const std::wstring& caption);

}  // namespace torvane::test
