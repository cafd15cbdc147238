#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "browse/thumbnail_grid.h"

namespace torvane {

// What the figure browser shows besides its pictures (grid choices 1 to 10).
class TForm6View : public TThumbnailGridView {
public:
    // The folder list, most recent first, with its selected item (-1 none).
    virtual void SetFolderList(const std::vector<std::u16string>& folders, int selected) = 0;
    virtual void SetHandCursor(bool hand) = 0;
    // The open-file dialog "図形フォルダ指定" (filter "JW図形|*.jwk;*.jws;*.jww", the file name preset to
    // "　") starting in `start`: the name confirmed, or nothing when cancelled.
    virtual std::optional<std::filesystem::path> BrowseForFolder(const std::filesystem::path& start) = 0;
};

}  // namespace torvane
