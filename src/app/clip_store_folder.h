#pragma once
#include <filesystem>
#include <string>

namespace torvane {

// Where the settings file and the clip folders live: beside the executable, as a portable tool
// keeps them, unless that folder cannot be written (installed under Program Files, a read-only
// share); then in a per-user folder of the same layout.
struct TClipStore {
    // The path SetAppPaths and FormCreate take: the executable's, or its name in the per-user folder.
    std::filesystem::path ExePath;
    // True when the per-user folder is used.
    bool PerUser = false;
    // True when the per-user folder is used for the first time (it holds no settings file yet).
    bool NewPerUser = false;
};

// True when files can be made beside the executable: its folder and the "Temp" folder in it
// (made when missing) each take a probe file, which is removed again.
bool StoreFolderWritable(const std::filesystem::path& folder);

// The store for the executable at `exePath`, with `perUserFolder` as the fallback.
TClipStore ChooseClipStore(const std::filesystem::path& exePath, const std::filesystem::path& perUserFolder);

// What the user is told when the per-user folder is used for the first time.
std::u16string PerUserStoreMessage(const std::filesystem::path& exeFolder, const std::filesystem::path& perUserFolder);

}  // namespace torvane
