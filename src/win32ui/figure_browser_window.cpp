#include "win32ui/figure_browser_window.h"

#include <commdlg.h>

#include <algorithm>

#include "platform/win32/wide_text.h"
#include "win32ui/child_controls.h"
#include "win32ui/window_placement.h"

namespace torvane {
namespace {

enum ControlId : int { kFoldersId = 201, kBrowseId, kCloseId, kColumnsId, kTimesId, kRowsId, kFileTypeId };

constexpr int kClientWidth = 605;
constexpr int kClientHeight = 482;
constexpr int kBar = 28;
constexpr int kMargin = 4;
constexpr int kButtonHeight = 22;
constexpr int kFontPixels = 13;
constexpr int kDropDownHeight = 240;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Its own taskbar button although the palette opens it.
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

}  // namespace

// A presenter event, counted while it runs: a message box or dialog it opens handles the
// program's other messages meanwhile.
template <class Event>
void FigureBrowserWindow::Run(Event&& event) {
    struct Running {
        int& count;
        explicit Running(int& n) : count(++n) {}
        ~Running() { --count; }
    } running(running_);
    event();
}

FigureBrowserWindow::FigureBrowserWindow(TForm1& form, UiServices* ui, DeviceFactory device)
    : form6_(*this, form, ui != nullptr ? *ui : own_ui_, std::move(device)) {}

bool FigureBrowserWindow::Create(const TWindowBounds& bounds) {
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    WindowParams params;
    params.class_name = L"TorvaneFigureBrowser";
    params.title = L"図形ブラウザ";
    params.style = kStyle;
    params.ex_style = kExStyle;
    params.bounds = bounds.Width > 0 && bounds.Height > 0
                        ? RECT{bounds.Left, bounds.Top, bounds.Left + bounds.Width, bounds.Top + bounds.Height}
                        : RECT{120, 120, 120 + frame.right - frame.left, 120 + frame.bottom - frame.top};
    if (!CreateWindowOf(params)) return false;
    KeepOnScreen(Handle());
    own_ui_.SetOwner(Handle());
    if (!CreateControls()) return false;
    LayOut();
    return true;
}

HWND FigureBrowserWindow::Control(const wchar_t* window_class, const wchar_t* text, DWORD style, int id) const {
    return CreateControl(Handle(), window_class, text, style, id, font_.get());
}

bool FigureBrowserWindow::CreateControls() {
    font_ = PixelFont(L"ＭＳ Ｐゴシック", kFontPixels, SHIFTJIS_CHARSET);
    const DWORD choice = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    folders_ = Control(L"COMBOBOX", L"", choice | CBS_AUTOHSCROLL, kFoldersId);
    Control(L"BUTTON", L"参照", WS_TABSTOP | BS_PUSHBUTTON, kBrowseId);
    Control(L"BUTTON", L"×", WS_TABSTOP | BS_PUSHBUTTON, kCloseId);
    columns_ = Control(L"COMBOBOX", L"", choice, kColumnsId);
    Control(L"STATIC", L"×", SS_CENTER | SS_CENTERIMAGE, kTimesId);
    rows_ = Control(L"COMBOBOX", L"", choice, kRowsId);
    file_type_ = Control(L"COMBOBOX", L"", choice, kFileTypeId);
    for (HWND grid : {columns_, rows_}) {
        for (int n = 1; n <= 10; ++n) {
            const std::wstring text = std::to_wstring(n);
            SendMessageW(grid, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    for (const wchar_t* item : {L"*.jwk", L"*.jws", L"双方", L"*.jww", L"すべて"}) {
        SendMessageW(file_type_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    return folders_ && columns_ && rows_ && file_type_ &&
           pane_.Create(Handle(), TForm6::PictureCount,
                        {[this](int tag) { Run([&] { form6_.ThumbnailClick(tag); }); }, nullptr,
                         [this](int position) { Run([&] { form6_.ScrollChange(position); }); }});
}

void FigureBrowserWindow::LayOut() {
    RECT client{};
    GetClientRect(Handle(), &client);
    const int browse_width = 68;
    PlaceChild(folders_, kMargin, 3, client.right - 3 * kMargin - browse_width, kDropDownHeight);
    PlaceChild(GetDlgItem(Handle(), kBrowseId), client.right - kMargin - browse_width, 3, browse_width, kButtonHeight);
    pane_.Place({0, kBar, client.right, client.bottom - kBar});
    const int y = client.bottom - kBar + 3;
    PlaceChild(GetDlgItem(Handle(), kCloseId), kMargin, y, 26, kButtonHeight);
    PlaceChild(columns_, 36, y, 48, kDropDownHeight);
    PlaceChild(GetDlgItem(Handle(), kTimesId), 86, y, 16, kButtonHeight);
    PlaceChild(rows_, 104, y, 48, kDropDownHeight);
    PlaceChild(file_type_, 160, y, 80, kDropDownHeight);
}

void FigureBrowserWindow::Open(int alpha, bool on_top) {
    SetTranslucent(alpha);
    SetWindowPos(Handle(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    UpdateWindow(Handle());
    Run([this] { form6_.FormShow(); });
}

void FigureBrowserWindow::Close() {
    if (!IsWindowVisible(Handle())) return;
    Run([this] { form6_.FormClose(); });
    ShowWindow(Handle(), SW_HIDE);
}

// Opaque windows are plain ones: a layered window costs every repaint a copy.
void FigureBrowserWindow::SetTranslucent(int alpha) {
    const LONG style = GetWindowLongW(Handle(), GWL_EXSTYLE);
    if (alpha >= 255) {
        SetWindowLongW(Handle(), GWL_EXSTYLE, style & ~WS_EX_LAYERED);
        return;
    }
    SetWindowLongW(Handle(), GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(std::clamp(alpha, 0, 255)), LWA_ALPHA);
}

TWindowBounds FigureBrowserWindow::Bounds() const {
    TWindowBounds bounds;
    ReadBounds(Handle(), bounds);
    return bounds;
}

LRESULT FigureBrowserWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND: Command(LOWORD(wparam), HIWORD(wparam)); return 0;
        case WM_SIZE:
        case WM_ENTERSIZEMOVE:
        case WM_EXITSIZEMOVE:
            if (message == WM_SIZE) LayOut();
            if (redraw_.Due(message, wparam) && IsWindowVisible(Handle())) Run([this] { form6_.Resize(); });
            return 0;
        case WM_SETCURSOR:
            if (cursor_ != nullptr) {
                SetCursor(cursor_);
                return TRUE;
            }
            break;
        case WM_CLOSE: Close(); return 0;
        default: break;
    }
    return DefaultHandling(message, wparam, lparam);
}

void FigureBrowserWindow::Command(WORD id, WORD code) {
    const bool chosen = code == CBN_SELCHANGE;
    switch (id) {
        case kFoldersId:
            if (chosen) Run([this] { form6_.FolderChange(Selected(folders_)); });
            break;
        case kBrowseId: Run([this] { form6_.BrowseClick(); }); break;
        case kCloseId: Close(); break;
        case kColumnsId:
        case kRowsId:
            if (chosen) Run([this] { form6_.GridChange(ColumnItem(), RowItem()); });
            break;
        case kFileTypeId:
            if (chosen) Run([this] { form6_.FileTypeChange(FileTypeItem()); });
            break;
        default: break;
    }
}

void FigureBrowserWindow::SetFolderList(const std::vector<std::u16string>& folders, int selected) {
    SendMessageW(folders_, CB_RESETCONTENT, 0, 0);
    for (const auto& folder : folders) {
        const std::wstring text = WideText(folder);
        SendMessageW(folders_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(folders_, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void FigureBrowserWindow::SetHandCursor(bool hand) {
    cursor_ = hand ? LoadCursorW(nullptr, IDC_HAND) : nullptr;
    SetCursor(cursor_ != nullptr ? cursor_ : LoadCursorW(nullptr, IDC_ARROW));
}

// The open-file dialog used as a folder picker: the file name is preset to an ideographic
// space, so that confirming inside a folder returns that folder with a name that is no file.
std::optional<std::filesystem::path> FigureBrowserWindow::BrowseForFolder(const std::filesystem::path& start) {
    std::wstring name(32768, L'\0');
    name[0] = L'\u3000';
    const std::wstring folder = start.wstring();
    static constexpr wchar_t kFilter[] = L"JW図形\0*.jwk;*.jws;*.jww\0";
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = L"図形フォルダ指定";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    name.resize(name.find(L'\0'));
    return std::filesystem::path(name);
}

}  // namespace torvane
