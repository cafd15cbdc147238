#pragma once
#include <windows.h>

#include "browse/thumbnail_grid.h"
#include "win32ui/picture_grid_view.h"

namespace torvane {

// The part of a figure window's view that both figure windows share: the thumbnail pane and
// the three choices (columns and rows from 1, the file type from 0) as drop-down lists.
template <class View>
class FigureGridView : public PictureGridView<View> {
public:
    void SetFileType(int item) override { SendMessageW(file_type_, CB_SETCURSEL, static_cast<WPARAM>(item), 0); }
    void SetGridChoice(int columns, int rows) override {
        SendMessageW(columns_, CB_SETCURSEL, static_cast<WPARAM>(columns - 1), 0);
        SendMessageW(rows_, CB_SETCURSEL, static_cast<WPARAM>(rows - 1), 0);
    }

protected:
    // The selected items of the choices.
    int ColumnItem() const { return Selected(columns_); }
    int RowItem() const { return Selected(rows_); }
    int FileTypeItem() const { return Selected(file_type_); }
    static int Selected(HWND combo) { return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)); }

    HWND columns_ = nullptr;
    HWND rows_ = nullptr;
    HWND file_type_ = nullptr;
};

}  // namespace torvane
