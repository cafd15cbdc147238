#include "app/clip_store_folder.h"

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace torvane::test {
namespace {

namespace fs = std::filesystem;

// A folder whose "Temp" is a plain file cannot hold the clips: the per-user folder takes them,
// new the first time, known later; a writable folder keeps them beside the executable.
TEST(ClipStoreFolderTest, AnUnwritableFolderSendsTheStoreToThePerUserFolder) {
    TempDir dir;
    fs::create_directories(dir / "app");
    const fs::path exe = dir / "app" / "torvane.exe";
    const fs::path per_user = dir / "user" / "Torvane";
    EXPECT_EQ(ChooseClipStore(exe, per_user).ExePath, exe);
    EXPECT_TRUE(fs::is_directory(dir / "app" / "Temp"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "app"), {}), 1) << "no probe file left";

    fs::remove(dir / "app" / "Temp");
    WriteBytes(dir / "app" / "Temp", "not a folder");
    const TClipStore first = ChooseClipStore(exe, per_user);
    EXPECT_EQ(first.ExePath, per_user / "torvane.exe");
    EXPECT_TRUE(first.PerUser);
    EXPECT_TRUE(first.NewPerUser);
    fs::create_directories(per_user);
    WriteBytes(per_user / "torvane.dat", "");
    EXPECT_FALSE(ChooseClipStore(exe, per_user).NewPerUser);
    EXPECT_EQ(ChooseClipStore(exe, {}).ExePath, exe) << "without a per-user folder";
    const std::u16string message = PerUserStoreMessage(dir / "app", per_user);
    EXPECT_NE(message.find((dir / "app").u16string()), std::u16string::npos);
    EXPECT_NE(message.find(per_user.u16string()), std::u16string::npos);
}

}  // namespace
}  // namespace torvane::test
