#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/test_files.h"
#include "torvane_process.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using namespace test;

// LOCALAPPDATA pointed at a folder of the test's own while the object lives (the programs
// started meanwhile inherit it).
class LocalAppData {
public:
    explicit LocalAppData(const fs::path& folder) { SetEnvironmentVariableW(L"LOCALAPPDATA", folder.wstring().c_str()); }
    ~LocalAppData() { SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr); }
};

std::wstring TextOf(HWND message_box) {
    wchar_t text[512]{};
    GetDlgItemTextW(message_box, 0xFFFF, text, 512);
    return text;
}

// A folder where no clip can be written (a plain file stands where "Temp" would go, since a
// test may run as root) is said at once and the clips go to the per-user folder, this time and
// the next, without a second message.
TEST(PerUserStoreTest, AnUnwritableFolderIsSaidOnceAndThePerUserFolderTakesTheClips) {
    TempDir dir, local;
    WriteBytes(dir / "Temp", "a file, not a folder");
    const LocalAppData redirected(local.path());
    const fs::path store = local / "Torvane";

    TorvaneProcess first(dir.path());
    EXPECT_EQ(first.Start(3), nullptr) << "the palette came before the message";
    HWND message = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (message = first.MessageBoxShown()) != nullptr; }, 10000));
    const std::wstring text = TextOf(message);
    EXPECT_NE(text.find(dir.path().wstring()), std::wstring::npos) << "names the folder";
    EXPECT_NE(text.find(store.wstring()), std::wstring::npos) << "names the per-user folder";
    PostMessageW(message, WM_COMMAND, IDOK, 0);
    HWND palette = first.WaitForPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_TRUE(fs::is_directory(store / "Temp" / "3"));
    ASSERT_EQ(first.CloseAndWait(), 0);
    EXPECT_TRUE(fs::exists(store / "torvane.dat"));
    EXPECT_FALSE(fs::exists(dir / "torvane.dat"));

    TorvaneProcess second(dir.path());
    ASSERT_NE(second.Start(), nullptr);
    EXPECT_EQ(second.MessageBoxShown(), nullptr);
    EXPECT_EQ(second.CloseAndWait(), 0);
}

}  // namespace
}  // namespace torvane
