#pragma once
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "app/figure_selection.h"
#include "render/shared_view.h"
#include "browse/figure_files.h"
#include "browse/figure_picture.h"
#include "browse/form5_view.h"
#include "browse/thumbnail_grid.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"
#include "platform/device.h"
#include "platform/ui_services.h"

namespace torvane {

// The figure selection dialog "図形選択": one figure file of a folder, chosen from a grid of up
// to 25 thumbnails or from a sortable list. The caller fills the TFigureSelection fields, shows
// it modally and reads them back when OKflag is set. Figures are read into the caller's JWS
// and JWK (drawings into the dialog's own document), which are emptied when the dialog closes.
class TForm5 : public TFigureSelection {
public:
    static constexpr int PictureCount = 25;

    TForm5(TForm5View& view, UiServices& ui, TJwsData& JWS, TJwkData& JWK, DeviceFactory device = CreateDevice);

    void FormShow();
    // Closing either way: the shared drawing state comes back and the documents are emptied.
    void FormClose();
    void FileTypeChange(int item);
    // The folder tree moved to `folder`.
    void FolderChange(const std::filesystem::path& folder);
    // The drive box chose a drive; false, after a message, when it cannot be read (the view then
    // puts back the previous drive).
    bool DriveChange(const std::filesystem::path& root);
    void GridChange(int columnItem, int rowItem);
    // The pane changed size.
    void Resize();
    void ScrollChange(int position);
    void ThumbnailClick(int tag);
    void ThumbnailDoubleClick(int tag);
    // Mouse pressed on the list at x of grid row `row` (0 the header): a header press sorts by
    // the column under the pointer, ascending and descending in turn.
    void ListMouseDown(int x, int row, std::span<const int> columnWidths, int gridLineWidth, int leftColumn);
    // Click on list row `row` (from 1).
    void ListRowClick(int row);
    void ListRowDoubleClick(int row);
    void OkClick();
    void CancelClick();

    bool OKflag = false;
    int ImageNo = -1;               // selection marker, -1 none
    std::u16string ImageFN;         // file name of the selection
    int ImgX = 5;                   // current columns and rows
    int ImgY = 5;
    bool SortUpDown = false;        // the next sort is descending
    int FileType = 0;               // the file type choice shown
    std::filesystem::path Folder;   // the folder shown
    std::vector<TFileListRow> ListRows;
    TSharedView Bk;               // shared drawing state while the dialog is open

private:
    void ReadFolder();
    void LayOutThumbnails();

    TForm5View& view_;
    UiServices& ui_;
    TJwsData& jws_;
    TJwkData& jwk_;
    TJwwData jww_;  // drawings shown by the dialog
    TFigurePainter painter_;
    TThumbnailGrid grid_;
};

}  // namespace torvane
