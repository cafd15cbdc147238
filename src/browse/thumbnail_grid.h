#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

#include "app/palette_layout.h"
#include "app/picture_grid_view.h"
#include "browse/figure_files.h"
#include "browse/figure_picture.h"
#include "platform/bitmap.h"

namespace torvane {

// What a figure window shows of its grid of figure pictures (each named by its file name) and
// the choices above it.
class TThumbnailGridView : public TPictureGridView {
public:
    // The file type choice (0 "*.jwk", 1 "*.jws", 2 "双方", 3 "*.jww", 4 "すべて") and the grid choices.
    virtual void SetFileType(int item) = 0;
    virtual void SetGridChoice(int columns, int rows) = 0;
};

// Small and large steps of the grid's scroll bar.
struct TScrollSteps {
    int Small = 1;
    int Large = 1;
    bool operator==(const TScrollSteps&) const = default;
};

// After a grid choice: small one row (1 when a row holds all files), large one page (half the
// files when that is less), neither below 1.
TScrollSteps GridScrollSteps(int columns, int rows, int scrollMax);

// The thumbnails of a folder's figure files, `columns` x `rows` of `pictureCount` pictures,
// from file number `Position` on.
class TThumbnailGrid {
public:
    TThumbnailGrid(TThumbnailGridView& view, TFigurePainter& painter, int pictureCount)
        : view_(view), painter_(painter), pictureCount_(pictureCount) {}

    // New files: scroll position 0, scroll maximum the file count.
    void SetFiles(std::vector<TFigureFile> files);
    // Places the pictures in cells filling the pane and draws them; the others are hidden.
    void LayOut();
    // Draws the visible pictures from file number `position` on, without moving them.
    void ScrollTo(int position);
    // The file shown by the picture with this tag; nothing when there is none.
    const TFigureFile* FileAt(int tag) const;

    std::vector<TFigureFile> Files;
    int Columns = 5;
    int Rows = 5;
    int Position = 0;

private:
    void DrawPicture(int picture);

    TThumbnailGridView& view_;
    TFigurePainter& painter_;
    int pictureCount_;
    std::vector<TRect> cells_;
};

}  // namespace torvane
