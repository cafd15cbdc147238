#pragma once
#include <array>
#include <filesystem>

namespace torvane {

// Folders and files beside the executable, computed once by TForm1::FormCreate.
extern std::filesystem::path AppPath;       // folder of the executable
extern std::filesystem::path SettingsFile;  // the executable's path with the extension ".dat"
extern std::filesystem::path TempPath;      // "Temp" beside the executable: the work page's folder
// Clip folder of each page: page 0 is TempPath, page p of 1 to 3 is TempPath / "p".
extern std::array<std::filesystem::path, 4> PageFolders;

// Background of every drawn figure (thumbnails, viewer, browser): 0 white, 1 black.
extern int BackColorNo;

// Sets AppPath, SettingsFile, TempPath and PageFolders from the executable's full path.
void SetAppPaths(const std::filesystem::path& exePath);

}  // namespace torvane
