#include "browse/thumbnail_grid.h"

#include <algorithm>

namespace torvane {

TScrollSteps GridScrollSteps(int columns, int rows, int scrollMax) {
    TScrollSteps steps{columns >= scrollMax ? 1 : columns, std::min(columns * rows, scrollMax / 2)};
    steps.Small = std::max(steps.Small, 1);
    steps.Large = std::max(steps.Large, 1);
    return steps;
}

void TThumbnailGrid::SetFiles(std::vector<TFigureFile> files) {
    Files = std::move(files);
    Position = 0;
    view_.SetScrollRange(static_cast<int>(Files.size()));
    view_.SetScrollPosition(0);
}

void TThumbnailGrid::LayOut() {
    const TSize pane = view_.ThumbnailPaneSize();
    const int width = std::max(pane.Width - view_.ScrollBarWidth(), 20) / std::max(Columns, 1);
    const int height = std::max(pane.Height, 20) / std::max(Rows, 1);
    const int shown = std::min(Columns * Rows, pictureCount_);
    cells_.assign(shown, TRect{});
    for (int n = 1; n <= shown; ++n) {
        const int r = (n - 1) / Columns;
        const int k = (n - 1) % Columns;
        cells_[n - 1] = {k * width, r * height, width - 1, height - 1};
        view_.PlacePicture(n, cells_[n - 1]);
        view_.ClearPicture(n);
        DrawPicture(n);
    }
    for (int n = shown + 1; n <= pictureCount_; ++n) {
        view_.ClearPicture(n);
        view_.HidePicture(n);
    }
}

void TThumbnailGrid::ScrollTo(int position) {
    Position = std::clamp(position, 0, static_cast<int>(Files.size()));
    for (int n = 1; n <= static_cast<int>(cells_.size()); ++n) {
        view_.ClearPicture(n);
        DrawPicture(n);
    }
}

const TFigureFile* TThumbnailGrid::FileAt(int tag) const {
    const long index = static_cast<long>(Position) + tag;
    if (tag < 0 || index >= static_cast<long>(Files.size())) return nullptr;
    return &Files[index];
}

void TThumbnailGrid::DrawPicture(int picture) {
    const TFigureFile* file = FileAt(picture - 1);
    if (!file) return;
    const TRect& cell = cells_[picture - 1];
    view_.ShowPicture(picture, painter_.Draw(file->Path, cell.Width, cell.Height), file->Name, painter_.BackColor);
}

}  // namespace torvane
