#pragma once
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <vector>

#include "browse/figure_files.h"
#include "platform/win32/gdi_objects.h"

namespace torvane {

// The list of the figure selection dialog: a report of the columns "ファイル名", "Bytes",
// "更新日時" with whole rows selected. It reports presses on the header (x from the left of
// all columns), and clicks and double-clicks on rows (numbered from 1).
class FileListView {
public:
    static constexpr std::size_t ColumnCount = 3;
    struct Events {
        std::function<void(int x)> header_press;
        std::function<void(int row)> row_click;
        std::function<void(int row)> row_double_click;
    };

    bool Create(HWND parent, int id, Events events);
    HWND Handle() const { return list_; }
    void SetRows(const std::vector<TFileListRow>& rows);
    std::array<int, ColumnCount> ColumnWidths() const;
    // Widths below 1 keep the column's width.
    void SetColumnWidths(const std::array<int, ColumnCount>& widths);
    void Notify(const NMHDR& header);

private:
    HWND list_ = nullptr;
    GdiFont font_;
    Events events_;
    bool filling_ = false;
};

}  // namespace torvane
