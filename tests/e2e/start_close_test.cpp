#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_files.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

// The build passes the executable's Linux path; Wine sees the Linux root as drive Z:.
fs::path BuiltExe() {
    std::string path = TORVANE_EXE;
    if (!path.empty() && path.front() == '/') path = "Z:" + path;
    return fs::path(path).make_preferred();
}

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

// A copy of torvane.exe in a fresh folder, started and closed like a user would.
class TorvaneProcess {
public:
    explicit TorvaneProcess(const fs::path& folder) : exe_(folder / "torvane.exe") {
        fs::copy_file(BuiltExe(), exe_, fs::copy_options::overwrite_existing);
    }
    ~TorvaneProcess() {
        if (info_.hProcess) {
            TerminateProcess(info_.hProcess, 1);
            CloseHandle(info_.hProcess);
            CloseHandle(info_.hThread);
        }
    }

    bool Start() {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring command = L"\"" + exe_.wstring() + L"\"";
        return CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              exe_.parent_path().c_str(), &startup, &info_);
    }

    // The palette window of this process, waited for up to `seconds`.
    HWND WaitForPalette(double seconds) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < until) {
            found_ = nullptr;
            EnumWindows(
                [](HWND hwnd, LPARAM self) -> BOOL {
                    auto* process = reinterpret_cast<TorvaneProcess*>(self);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(hwnd, &pid);
                    wchar_t title[64]{};
                    GetWindowTextW(hwnd, title, 64);
                    if (pid == process->info_.dwProcessId && std::wstring(title) == L"Torvane Ver.2.00" &&
                        IsWindowVisible(hwnd)) {
                        process->found_ = hwnd;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(this));
            if (found_) return found_;
            Sleep(100);
        }
        return nullptr;
    }

    // Exit code after a close request, or -1 when it did not end within `seconds`.
    long CloseAndWait(HWND palette, double seconds) {
        PostMessageW(palette, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(seconds * 1000)) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    fs::path exe_;
    PROCESS_INFORMATION info_{};
    HWND found_ = nullptr;
};

TEST(StartCloseTest, FirstStartCreatesTheClipFoldersAndCloseWritesTheSettingsFile) {
    test::TempDir dir;
    TorvaneProcess torvane(dir.path());
    ASSERT_TRUE(torvane.Start());
    HWND palette = torvane.WaitForPalette(30);
    ASSERT_NE(palette, nullptr) << "no palette window appeared";

    const LONG style = GetWindowLongW(palette, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0) << "the palette has no title bar";
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "the palette has no sizing border";
    for (const char* page : {"1", "2", "3"}) EXPECT_TRUE(fs::is_directory(dir / "Temp" / page)) << page;

    ASSERT_EQ(torvane.CloseAndWait(palette, 30), 0);
    const auto lines = Lines(dir / "torvane.dat");
    ASSERT_GT(lines.size(), 400u);
    EXPECT_EQ(lines[4], "1000") << "Ktime default";
    EXPECT_EQ(lines[15], "3") << "BtnXn default";
}

TEST(StartCloseTest, SettingsAndPageClipsSurviveARestart) {
    test::TempDir dir;
    {
        TorvaneProcess first(dir.path());
        ASSERT_TRUE(first.Start());
        HWND palette = first.WaitForPalette(30);
        ASSERT_NE(palette, nullptr);
        ASSERT_EQ(first.CloseAndWait(palette, 30), 0);
    }
    auto lines = Lines(dir / "torvane.dat");
    ASSERT_GT(lines.size(), 400u);
    lines[4] = "0";       // Ktime below 1 reads as 1000
    lines[16] = "7";      // BtnYn
    const std::size_t page1_row0 = lines.size() - 300;
    lines[page1_row0] = "32303236313230395F313330303030";  // "20261209_130000" on page 1
    {
        std::ofstream out(dir / "torvane.dat", std::ios::binary | std::ios::trunc);
        for (const auto& line : lines) out << line << "\r\n";
    }
    TorvaneProcess second(dir.path());
    ASSERT_TRUE(second.Start());
    HWND palette = second.WaitForPalette(30);
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(second.CloseAndWait(palette, 30), 0);

    const auto written = Lines(dir / "torvane.dat");
    ASSERT_EQ(written.size(), lines.size());
    EXPECT_EQ(written[4], "1000");
    EXPECT_EQ(written[16], "7");
    EXPECT_EQ(written[page1_row0], "32303236313230395F313330303030");
}

}  // namespace
}  // namespace torvane
