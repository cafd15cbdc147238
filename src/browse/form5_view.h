#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

#include "browse/figure_files.h"
#include "browse/thumbnail_grid.h"

namespace torvane {

// What the figure selection dialog shows besides its pictures (grid choices 1 to 5).
class TForm5View : public TThumbnailGridView {
public:
    // The drive box and folder tree show this folder.
    virtual void ShowFolder(const std::filesystem::path& folder) = 0;
    // The list's data rows under the header "ファイル名", "Bytes", "更新日時".
    virtual void SetListRows(const std::vector<TFileListRow>& rows) = 0;
    virtual void SetStatus(std::u16string_view text) = 0;
    // Ends the modal dialog.
    virtual void CloseDialog() = 0;
};

}  // namespace torvane
