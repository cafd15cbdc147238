#pragma once
#include <filesystem>
#include <functional>

#include "app/form1.h"
#include "render/shared_view.h"
#include "browse/figure_picture.h"
#include "browse/form6_view.h"
#include "browse/thumbnail_grid.h"
#include "platform/device.h"
#include "platform/ui_services.h"

namespace torvane {

// The figure browser "図形ブラウザ": a non-modal grid of up to 30 thumbnails of a folder's
// figure files; one click pastes the figure into Jw_cad without creating a clip. Its settings
// (ZukeiBrwX, ZukeiBrwY, ZukeiBrwT, ZukeiBrwF, BrowserFolders) and documents are the palette's.
class TForm6 {
public:
    static constexpr int PictureCount = 30;

    TForm6(TForm6View& view, TForm1& form, UiServices& ui, DeviceFactory device = CreateDevice);

    // Every opening: the settings' choices, the selected recent folder, its thumbnails.
    void FormShow();
    // Closing ("×" or the window's close): the documents are emptied.
    void FormClose();
    void FileTypeChange(int item);
    void GridChange(int columnItem, int rowItem);
    // A recent folder chosen (-1 none).
    void FolderChange(int index);
    // "参照": a folder picked with the open-file dialog goes to the top of the recent folders.
    void BrowseClick();
    void Resize();
    void ScrollChange(int position);
    // Paste: the figure converted into "prev.1", transformed with the palette's scale and
    // angle, put on the clipboard with the other working copies and pasted into Jw_cad.
    void ThumbnailClick(int tag);

    std::filesystem::path Zpath;      // the chosen folder, or empty
    std::filesystem::path S_TmpPath;  // the clip folder (TempPath) at the last opening
    TSharedView Bk;                 // the shared drawing state around every redraw

private:
    void ReadFolder();
    // Runs `draw` with the documents, the background and the grid of the settings, the shared
    // drawing state being saved before and restored after.
    void Redraw(const std::function<void()>& draw);

    TForm6View& view_;
    TForm1& form_;
    UiServices& ui_;
    TFigurePainter painter_;
    TThumbnailGrid grid_;
};

}  // namespace torvane
