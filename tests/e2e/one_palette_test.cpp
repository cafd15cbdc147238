#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/test_files.h"
#include "torvane_process.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

// Every file under the folder with its size and time of last write.
std::set<std::string> Snapshot(const fs::path& folder) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string line = entry.path().string();
        if (entry.is_regular_file())
            line += " " + std::to_string(entry.file_size()) + " " +
                    std::to_string(entry.last_write_time().time_since_epoch().count());
        files.insert(line);
    }
    return files;
}

// A second start on the same folder shows the running palette (restored) and ends at once
// without touching a file; a copy in another folder runs beside it.
TEST(OnePaletteTest, ASecondStartOnTheSameStoreShowsTheRunningPalette) {
    TempDir dir, other;
    SettingsFile().Write(dir / "torvane.dat");
    TorvaneProcess first(dir.path());
    HWND palette = first.Start();
    ASSERT_NE(palette, nullptr);
    ShowWindow(palette, SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return IsIconic(palette) != 0; }, 2000));
    const auto before = Snapshot(dir.path());

    TorvaneProcess second(dir.path());
    EXPECT_EQ(second.RunToExit(20), 0);
    EXPECT_TRUE(WaitFor([&] { return !IsIconic(palette) && IsWindowVisible(palette); }, 5000)) << "not restored";
    EXPECT_EQ(Snapshot(dir.path()), before) << "the second start touched the store";

    TorvaneProcess beside(other.path());
    HWND other_palette = beside.Start();
    ASSERT_NE(other_palette, nullptr) << "a copy in another folder did not start";
    EXPECT_NE(other_palette, palette);
    EXPECT_EQ(beside.CloseAndWait(), 0);
    EXPECT_EQ(first.CloseAndWait(), 0);
}

}  // namespace
}  // namespace torvane
