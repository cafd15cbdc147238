#include "browse/recent_folders.h"

#include <algorithm>

#include "app/form1.h"
#include "util/strings.h"

namespace torvane {

void AddRecentFolder(std::vector<std::u16string>& folders, const std::u16string& folder) {
    const std::u16string upper = UpperStr(folder);
    std::erase_if(folders, [&](const std::u16string& entry) { return UpperStr(entry) == upper; });
    folders.insert(folders.begin(), folder);
    if (folders.size() > MaxBrowserFolders) folders.resize(MaxBrowserFolders);
}

}  // namespace torvane
