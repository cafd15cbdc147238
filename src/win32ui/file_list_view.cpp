#include "win32ui/file_list_view.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace torvane {
namespace {

constexpr std::array<const wchar_t*, FileListView::ColumnCount> kTitles{L"ファイル名", L"Bytes", L"更新日時"};
constexpr std::array<int, FileListView::ColumnCount> kWidths{160, 80, 104};
constexpr int kFontPixels = 13;
constexpr int kCellPadding = 14;

}  // namespace

bool FileListView::Create(HWND parent, int id, Events events) {
    events_ = std::move(events);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (list_ == nullptr) return false;
    font_ = PixelFont(L"ＭＳ ゴシック", kFontPixels, SHIFTJIS_CHARSET);
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    // The times are never cut off, whatever the font's width.
    const int time_width =
        static_cast<int>(SendMessageW(list_, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(L"0000/00/00 00:00:00"))) +
        kCellPadding;
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.cx = i == 2 ? std::max(kWidths[i], time_width) : kWidths[i];
        column.pszText = const_cast<wchar_t*>(kTitles[i]);
        SendMessageW(list_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    return true;
}

void FileListView::SetRows(const std::vector<TFileListRow>& rows) {
    filling_ = true;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < ColumnCount; ++c) {
            std::wstring text = WideText(rows[r][c]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(r);
            item.iSubItem = static_cast<int>(c);
            item.pszText = text.data();
            SendMessageW(list_, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    filling_ = false;
}

std::array<int, FileListView::ColumnCount> FileListView::ColumnWidths() const {
    std::array<int, ColumnCount> widths{};
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        widths[i] = static_cast<int>(SendMessageW(list_, LVM_GETCOLUMNWIDTH, i, 0));
    }
    return widths;
}

void FileListView::SetColumnWidths(const std::array<int, ColumnCount>& widths) {
    for (std::size_t i = 0; i < ColumnCount; ++i) {
        if (widths[i] > 0) SendMessageW(list_, LVM_SETCOLUMNWIDTH, i, widths[i]);
    }
}

void FileListView::Notify(const NMHDR& header) {
    switch (header.code) {
        case LVN_COLUMNCLICK: {
            // Where the pointer was: the header scrolls with the columns, so its own
            // coordinates count from the left of the first column.
            const DWORD at = GetMessagePos();
            POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
            const HWND columns = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
            ScreenToClient(columns, &point);
            events_.header_press(point.x);
            break;
        }
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            const bool selected = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
            if (!filling_ && selected && change.iItem >= 0) events_.row_click(change.iItem + 1);
            break;
        }
        case NM_DBLCLK: {
            const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
            if (activate.iItem >= 0) events_.row_double_click(activate.iItem + 1);
            break;
        }
        default: break;
    }
}

}  // namespace torvane
