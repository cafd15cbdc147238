#include "win32ui/figure_select_dialog.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "win32ui/child_controls.h"
#include "win32ui/modal_loop.h"
#include "win32ui/window_placement.h"

namespace torvane {
namespace {

enum ControlId : int { kColumnsId = 101, kTimesId, kRowsId, kDrivesId, kFileTypeId, kTreeId, kTabsId, kListId, kStatusId };

constexpr int kClientWidth = 580;
constexpr int kClientHeight = 481;
constexpr int kTopBar = 30;
constexpr int kSplitter = 4;
constexpr int kMargin = 4;
constexpr int kLineHeight = 26;
constexpr int kDefaultPanelWidth = 180;
constexpr int kMinimumPanelWidth = 60;
constexpr int kMinimumTabsWidth = 120;
constexpr int kFontPixels = 13;
constexpr int kDropDownHeight = 200;

void FillChoices(HWND combo, std::initializer_list<const wchar_t*> items) {
    for (const wchar_t* item : items) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

}  // namespace

FigureSelectDialog::FigureSelectDialog(TJwsData& JWS, TJwkData& JWK, UiServices* ui, DeviceFactory device)
    : form_(*this, ui != nullptr ? *ui : own_ui_, JWS, JWK, std::move(device)) {}

bool FigureSelectDialog::Open(HWND owner, const TFigureSelection& selection, const TWindowGeometry& geometry) {
    owner_ = owner;
    closed_ = false;
    const DWORD style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    WindowParams params;
    params.class_name = L"TorvaneFigureSelect";
    params.title = L"図形選択";
    params.style = style;
    params.parent = owner;
    const TWindowBounds& saved = geometry.Form5;
    params.bounds = saved.Width > 0 && saved.Height > 0
                        ? RECT{saved.Left, saved.Top, saved.Left + saved.Width, saved.Top + saved.Height}
                        : RECT{100, 100, 100 + frame.right - frame.left, 100 + frame.bottom - frame.top};
    if (!CreateWindowOf(params)) return false;
    KeepOnScreen(Handle());
    own_ui_.SetOwner(Handle());
    panel_width_ = geometry.Form5PanelWidth > 0 ? geometry.Form5PanelWidth : kDefaultPanelWidth;
    if (!CreateControls()) return false;
    list_.SetColumnWidths(geometry.Form5ColWidths);
    LayOut();
    static_cast<TFigureSelection&>(form_) = selection;
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
    form_.FormShow();
    return true;
}

void FigureSelectDialog::RunModal() {
    RunModalLoop(Handle(), owner_, [this] { return closed_; });
}

bool FigureSelectDialog::Finish(TFigureSelection& selection, TWindowGeometry& geometry) {
    form_.FormClose();
    ReadBounds(Handle(), geometry.Form5);
    geometry.Form5PanelWidth = panel_width_;
    const auto widths = list_.ColumnWidths();
    std::copy(widths.begin(), widths.end(), geometry.Form5ColWidths.begin());
    if (!form_.OKflag) return false;
    selection = form_;
    return true;
}

HWND FigureSelectDialog::Control(const wchar_t* window_class, const wchar_t* text, DWORD style, int id) const {
    return CreateControl(Handle(), window_class, text, style, id, font_.get());
}

bool FigureSelectDialog::CreateControls() {
    font_ = PixelFont(L"ＭＳ Ｐゴシック", kFontPixels, SHIFTJIS_CHARSET);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    const DWORD choice = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    columns_ = Control(L"COMBOBOX", L"", choice, kColumnsId);
    Control(L"STATIC", L"×", SS_CENTER, kTimesId);
    rows_ = Control(L"COMBOBOX", L"", choice, kRowsId);
    for (HWND grid : {columns_, rows_}) FillChoices(grid, {L"1", L"2", L"3", L"4", L"5"});
    Control(L"BUTTON", L"ＯＫ(&Y)", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK);
    Control(L"BUTTON", L"キャンセル(&N)", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL);
    status_ = Control(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, kStatusId);
    file_type_ = Control(L"COMBOBOX", L"", choice, kFileTypeId);
    FillChoices(file_type_, {L"*.jwk", L"*.jws", L"双方", L"*.jww", L"すべて"});
    tabs_ = Control(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS, kTabsId);
    for (const wchar_t* title : {L"サムネイル表示", L"リスト表示"}) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(title);
        SendMessageW(tabs_, TCM_INSERTITEMW, SendMessageW(tabs_, TCM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
    }
    const bool made =
        columns_ && rows_ && status_ && file_type_ && tabs_ && drives_.Create(Handle(), kDrivesId, font_.get()) &&
        tree_.Create(Handle(), kTreeId, font_.get()) &&
        pane_.Create(Handle(), TForm5::PictureCount,
                     {[this](int tag) { form_.ThumbnailClick(tag); }, [this](int tag) { form_.ThumbnailDoubleClick(tag); },
                      [this](int position) { form_.ScrollChange(position); }}) &&
        list_.Create(Handle(), kListId,
                     {[this](int x) {
                          const auto widths = list_.ColumnWidths();
                          form_.ListMouseDown(x, 0, widths, 0, 0);
                      },
                      [this](int row) { form_.ListRowClick(row); }, [this](int row) { form_.ListRowDoubleClick(row); }});
    if (!made) return false;
    // The pages lie over the tab control.
    SetWindowPos(pane_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(list_.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return true;
}

void FigureSelectDialog::LayOut() {
    RECT client{};
    GetClientRect(Handle(), &client);
    SendMessageW(status_, WM_SIZE, 0, 0);
    RECT status{};
    GetWindowRect(status_, &status);
    const int bottom = client.bottom - (status.bottom - status.top) - kMargin;

    PlaceChild(columns_, 8, 4, 44, kDropDownHeight);
    PlaceChild(GetDlgItem(Handle(), kTimesId), 54, 8, 16, 16);
    PlaceChild(rows_, 72, 4, 44, kDropDownHeight);
    PlaceChild(GetDlgItem(Handle(), IDOK), 130, 3, 100, 24);
    PlaceChild(GetDlgItem(Handle(), IDCANCEL), 236, 3, 100, 24);

    panel_width_ = std::clamp(panel_width_, kMinimumPanelWidth,
                              std::max<int>(kMinimumPanelWidth, client.right - kSplitter - kMinimumTabsWidth));
    const int half = (panel_width_ - kMargin - 2) / 2;
    PlaceChild(drives_.Handle(), kMargin, kTopBar, half, kDropDownHeight);
    PlaceChild(file_type_, kMargin + half + 2, kTopBar, panel_width_ - kMargin - half - 2, kDropDownHeight);
    PlaceChild(tree_.Handle(), kMargin, kTopBar + kLineHeight, panel_width_ - kMargin, bottom - kTopBar - kLineHeight);

    const int tabs_left = panel_width_ + kSplitter;
    RECT page{tabs_left, kTopBar, client.right - kMargin, bottom};
    PlaceChild(tabs_, page.left, page.top, page.right - page.left, page.bottom - page.top);
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    pane_.Place(page);
    PlaceChild(list_.Handle(), page.left, page.top, page.right - page.left, page.bottom - page.top);
    ShowTab(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
}

void FigureSelectDialog::ShowTab(int tab) {
    ShowWindow(pane_.Handle(), tab == 1 ? SW_HIDE : SW_SHOW);
    ShowWindow(list_.Handle(), tab == 1 ? SW_SHOW : SW_HIDE);
}

bool FigureSelectDialog::OnSplitter(LPARAM point) const {
    const int x = GET_X_LPARAM(point);
    return GET_Y_LPARAM(point) >= kTopBar && x >= panel_width_ && x < panel_width_ + kSplitter;
}

LRESULT FigureSelectDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND: Command(LOWORD(wparam), HIWORD(wparam)); return 0;
        case WM_NOTIFY: Notify(*reinterpret_cast<const NMHDR*>(lparam)); return 0;
        case WM_SIZE:
        case WM_ENTERSIZEMOVE:
        case WM_EXITSIZEMOVE:
            if (message == WM_SIZE) LayOut();
            if (redraw_.Due(message, wparam)) form_.Resize();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lparam) == HTCLIENT && reinterpret_cast<HWND>(wparam) == Handle()) {
                POINT at{};
                GetCursorPos(&at);
                ScreenToClient(Handle(), &at);
                if (splitting_ || OnSplitter(MAKELPARAM(at.x, at.y))) {
                    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
                    return TRUE;
                }
            }
            break;
        case WM_LBUTTONDOWN:
            if (OnSplitter(lparam)) {
                splitting_ = true;
                SetCapture(Handle());
            }
            return 0;
        case WM_MOUSEMOVE:
            if (splitting_) {
                panel_width_ = GET_X_LPARAM(lparam);
                LayOut();
            }
            return 0;
        case WM_LBUTTONUP:
            if (splitting_) {
                splitting_ = false;
                ReleaseCapture();
                form_.Resize();
            }
            return 0;
        case WM_CLOSE: form_.CancelClick(); return 0;
        default: break;
    }
    return DefaultHandling(message, wparam, lparam);
}

void FigureSelectDialog::Command(WORD id, WORD code) {
    switch (id) {
        case IDOK: form_.OkClick(); break;
        case IDCANCEL: form_.CancelClick(); break;
        case kColumnsId:
        case kRowsId:
            if (code == CBN_SELCHANGE) form_.GridChange(ColumnItem(), RowItem());
            break;
        case kFileTypeId:
            if (code == CBN_SELCHANGE) form_.FileTypeChange(FileTypeItem());
            break;
        case kDrivesId:
            if (code == CBN_SELCHANGE) DriveChosen();
            break;
        default: break;
    }
}

// The tree moves to the chosen drive; a drive that cannot be read leaves the previous one.
void FigureSelectDialog::DriveChosen() {
    const std::filesystem::path root = drives_.Root();
    // A drive without a medium answers as not ready instead of asking the user for a disk.
    const UINT error_mode = SetErrorMode(SEM_FAILCRITICALERRORS);
    const bool ready = form_.DriveChange(root);
    SetErrorMode(error_mode);
    if (ready) {
        tree_.ShowFolder(root);
    } else {
        ShowFolder(form_.Folder);
    }
}

void FigureSelectDialog::Notify(const NMHDR& header) {
    if (header.idFrom == kTreeId) {
        if (const auto folder = tree_.Notify(header)) form_.FolderChange(*folder);
    } else if (header.idFrom == kListId) {
        list_.Notify(header);
    } else if (header.idFrom == kTabsId && header.code == TCN_SELCHANGE) {
        ShowTab(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
    }
}

void FigureSelectDialog::ShowFolder(const std::filesystem::path& folder) {
    drives_.Select(folder);
    tree_.ShowFolder(folder);
}

void FigureSelectDialog::SetListRows(const std::vector<TFileListRow>& rows) { list_.SetRows(rows); }

void FigureSelectDialog::SetStatus(std::u16string_view text) {
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(WideText(text).c_str()));
    UpdateWindow(status_);
}

void FigureSelectDialog::CloseDialog() { closed_ = true; }

}  // namespace torvane
