#include "app/form1_globals.h"

namespace torvane {

std::filesystem::path AppPath;
std::filesystem::path SettingsFile;
std::filesystem::path TempPath;
std::array<std::filesystem::path, 4> PageFolders;
int BackColorNo = 0;

void SetAppPaths(const std::filesystem::path& exePath) {
    AppPath = exePath.parent_path();
    SettingsFile = exePath;
    SettingsFile.replace_extension(".dat");
    TempPath = AppPath / "Temp";
    PageFolders[0] = TempPath;
    for (int page = 1; page < 4; ++page) PageFolders[page] = TempPath / std::to_string(page);
}

}  // namespace torvane
