#pragma once
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace torvane::test {

// Polls `condition` every 10 ms until it holds or `milliseconds` have passed.
template <class Condition>
bool WaitFor(Condition condition, int milliseconds = 5000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < until) {
        if (condition()) return true;
        Sleep(10);
    }
    return condition();
}

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
    HWND palette() const { return palette_; }
    // Exit code after a close request, or -1 when it did not end within `seconds`.
    long CloseAndWait(double seconds = 30);

private:
    std::filesystem::path exe_;
    PROCESS_INFORMATION info_{};
    HWND palette_ = nullptr;
};

// Input as a user gives it: the mouse moved to a screen point and a button pressed and released,
// and keys pressed.
void ClickAt(POINT screen, bool right = false);
void MouseButton(POINT screen, DWORD flags);
void PressKey(WORD key);
// Presses the left button at `from`, moves to `to` and releases it there, pausing between the
// steps as a hand does (a move loop starts only once the press has been handled).
void Drag(POINT from, POINT to);

// The first child window of `parent` (searched in depth) of that class and caption (any caption
// when empty); null when none.
HWND FindChild(HWND parent, const std::wstring& window_class, const std::wstring& caption);

}  // namespace torvane::test
