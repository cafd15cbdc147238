#pragma once
#include <string>
#include <vector>

namespace torvane {

// Puts `folder` at the top of the recent folders, most recent first: an older entry naming it
// in any letter case (full-width letters included) goes, and at most MaxBrowserFolders stay.
void AddRecentFolder(std::vector<std::u16string>& folders, const std::u16string& folder);

}  // namespace torvane
