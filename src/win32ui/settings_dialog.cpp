#include "win32ui/settings_dialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include "platform/win32/wide_text.h"
#include "win32ui/child_controls.h"
#include "win32ui/modal_loop.h"
#include "win32ui/window_placement.h"

// The view's operation has the name of the dialog function's macro.
#undef ChooseColor

namespace torvane {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr int kClientWidth = 506;
constexpr int kClientHeight = 334;
constexpr int kFontPixels = 13;
constexpr COLORREF kSilver = RGB(192, 192, 192);
constexpr RECT kTabBounds{4, 6, 502, 296};
constexpr wchar_t kCaption[] = L"Torvane Ver.2.00";
constexpr const wchar_t* kTabCaptions[] = {L"監視／画面", L"倍率・角度", L"変換"};
constexpr DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP;
constexpr DWORD kLabel = SS_LEFT;
constexpr DWORD kNumber = ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP;
constexpr DWORD kMemo =
    ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_WANTRETURN | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
constexpr int kDropDownHeight = 320;

RECT At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND button, bool checked) {
    SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The lines of a multi-line text box, and back.
std::vector<std::u16string> Lines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        std::u16string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == u'\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::u16string JoinLines(const std::vector<std::u16string>& lines) {
    std::u16string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? u"" : u"\r\n") + lines[i];
    return text;
}

void FillChoices(HWND combo, std::span<const std::u16string_view> entries) {
    for (std::u16string_view entry : entries) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(entry).c_str()));
    }
}

}  // namespace

bool SettingsDialog::Create(HWND owner, TForm2& form) {
    form_ = &form;
    owner_ = owner;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    WindowParams params;
    params.class_name = L"TorvaneSettingsDialog";
    params.title = kCaption;
    params.style = kStyle;
    params.ex_style = kExStyle;
    params.bounds = FrameForClient(kClientWidth, kClientHeight, kStyle, kExStyle);
    params.parent = owner;
    if (!CreateWindowOf(params)) return false;
    font_ = PixelFont(L"Tahoma", kFontPixels);
    back_brush_ = SolidBrush(kSilver);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    tabs_ = Add(Handle(), WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP, kTabBounds, kSettingsTabs);
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(kTabCaptions[i]);
        SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    Add(Handle(), L"BUTTON", L"ＯＫ(&Y)", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, At(292, 302, 100, 26), IDOK);
    Add(Handle(), L"BUTTON", L"キャンセル(&N)", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, At(400, 302, 100, 26), IDCANCEL);
    if (tabs_ == nullptr || !CreatePages()) return false;
    const RECT frame = FrameForClient(kClientWidth, kClientHeight, kStyle, kExStyle);
    PlaceWindow(Handle(), owner, {form.Left, form.Top, frame.right, frame.bottom});
    return true;
}

bool SettingsDialog::CreatePages() {
    RECT display = kTabBounds;
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (DialogPage& page : pages_) {
        if (!page.Create(Handle(), display, kSilver)) return false;
        // Above the tab control, which was made first.
        SetWindowPos(page.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    BuildWatchPage(pages_[0].Handle());
    BuildListsPage(pages_[1].Handle());
    BuildConversionPage(pages_[2].Handle());
    ShowPage(0);
    for (HWND control : controls_) {
        if (control == nullptr) return false;
    }
    return true;
}

HWND SettingsDialog::Add(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style,
                         const RECT& bounds, int id, DWORD ex_style) {
    HWND control = CreateControl(parent, window_class, text, style, bounds, id, font_.get(), ex_style);
    if (id >= kSettingsTabs && id < kSettingsControlEnd) controls_[static_cast<std::size_t>(id - kSettingsTabs)] = control;
    return control;
}

// A number field with an up-down control at its right that steps between `low` and `high`.
void SettingsDialog::AddNumber(HWND page, int id, const RECT& bounds, int limit, int low, int high) {
    HWND edit = Add(page, L"EDIT", L"", kNumber, bounds, id, WS_EX_CLIENTEDGE);
    SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    HWND updown = Add(page, UPDOWN_CLASSW, L"", UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                      At(0, 0, 0, 0));
    SendMessageW(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SendMessageW(updown, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

void SettingsDialog::BuildWatchPage(HWND page) {
    Add(page, L"STATIC", L"監視割込時間", kLabel, At(8, 11, 84, 16));
    Add(page, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, At(92, 8, 60, 21), kSettingsEdit1, WS_EX_CLIENTEDGE);
    Add(page, L"STATIC", L"秒", kLabel, At(156, 11, 20, 16));
    Add(page, L"BUTTON", L"背景色", BS_GROUPBOX, At(8, 34, 216, 44));
    Add(page, L"BUTTON", L"白色", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, At(20, 52, 80, 18), kSettingsWhite);
    Add(page, L"BUTTON", L"黒色", BS_AUTORADIOBUTTON, At(112, 52, 80, 18), kSettingsBlack);
    Add(page, L"BUTTON", L"作業ページの履歴を残す", kCheck, At(8, 86, 246, 18), kSettingsCheckBox1);
    Add(page, L"STATIC", L"※Page1～3は自動的には消されません", kLabel, At(20, 104, 240, 16));
    Add(page, L"BUTTON", L"画面を一番上に設定する", kCheck, At(8, 124, 246, 18), kSettingsCheckBox5);
    Add(page, L"STATIC", L"※次回起動時有効", kLabel, At(20, 142, 240, 16));
    Add(page, L"BUTTON", L"起動時に監視開始する", kCheck, At(8, 164, 246, 18), kSettingsCheckBox2);
    Add(page, L"BUTTON", L"各操作後に監視開始する", kCheck, At(8, 186, 246, 18), kSettingsCheckBox3);
    Add(page, L"BUTTON", L"画面の位置・大きさを固定", kCheck, At(8, 208, 246, 18), kSettingsCheckBox4);

    constexpr int x = 264;      // the right column
    constexpr int field = 354;  // its number fields
    const wchar_t* swatch_labels[] = {L"画面背景色", L"画面エッジ色", L"クリップ画像ボタン色"};
    for (int i = 0; i < 3; ++i) {
        Add(page, L"STATIC", swatch_labels[i], kLabel, At(x, 11 + 24 * i, 140, 16));
        Add(page, L"STATIC", L"", SS_NOTIFY | SS_SUNKEN, At(x + 142, 8 + 24 * i, 52, 21), kSettingsEdit2 + i);
    }
    Add(page, L"STATIC", L"ボタンサイズ", kLabel, At(x, 87, 88, 16));
    AddNumber(page, kSettingsEdit9, At(field, 84, 44, 21), 2, 4, 99);
    Add(page, L"STATIC", L"px.", kLabel, At(field + 48, 87, 24, 16));
    Add(page, L"STATIC", L"クリップ数", kLabel, At(x, 113, 88, 16));
    AddNumber(page, kSettingsEdit5, At(field, 110, 44, 21), 3, 1, 10);
    Add(page, L"STATIC", L"×", kLabel, At(field + 46, 113, 12, 16));
    AddNumber(page, kSettingsEdit6, At(field + 60, 110, 44, 21), 3, 1, 10);
    Add(page, L"STATIC", L"画像サイズ", kLabel, At(x, 139, 88, 16));
    AddNumber(page, kSettingsEdit7, At(field, 136, 44, 21), 3, 16, 999);
    Add(page, L"STATIC", L"×", kLabel, At(field + 46, 139, 12, 16));
    AddNumber(page, kSettingsEdit8, At(field + 60, 136, 44, 21), 3, 16, 999);
    Add(page, L"STATIC", L"px.", kLabel, At(field + 108, 139, 24, 16));
    Add(page, L"BUTTON", L"メイン画面を半透明化する", kCheck, At(x, 164, 224, 18), kSettingsCheckBox6);
    Add(page, L"STATIC", L"透明度", kLabel, At(x + 18, 187, 60, 16));
    AddNumber(page, kSettingsEdit10, At(field, 184, 50, 21), 3, 0, 255);
    Add(page, L"BUTTON", L"図形ブラウザ画面を半透明化する", kCheck, At(x, 212, 224, 18), kSettingsCheckBox7);
    Add(page, L"STATIC", L"透明度", kLabel, At(x + 18, 235, 60, 16));
    AddNumber(page, kSettingsEdit11, At(field, 232, 50, 21), 3, 0, 255);
}

void SettingsDialog::BuildListsPage(HWND page) {
    Add(page, L"STATIC", L"倍率", kLabel, At(8, 8, 100, 16));
    Add(page, L"EDIT", L"", kMemo, At(8, 26, 228, 222), kSettingsMemo1, WS_EX_CLIENTEDGE);
    Add(page, L"STATIC", L"角度", kLabel, At(246, 8, 100, 16));
    Add(page, L"EDIT", L"", kMemo, At(246, 26, 228, 222), kSettingsMemo2, WS_EX_CLIENTEDGE);
}

void SettingsDialog::BuildConversionPage(HWND page) {
    Add(page, L"BUTTON", L"曲線属性を変更する", kCheck, At(8, 10, 300, 18), kSettingsCB01);
    Add(page, L"BUTTON", L"", BS_GROUPBOX, At(24, 28, 300, 68));
    Add(page, L"BUTTON", L"曲線属性をクリアする", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, At(36, 46, 270, 18),
        kSettingsRG01Clear);
    Add(page, L"BUTTON", L"曲線属性を全て同じにする", BS_AUTORADIOBUTTON, At(36, 70, 270, 18), kSettingsRG01Same);
    Add(page, L"BUTTON", L"SXFユーザー線色を変換する", kCheck, At(8, 106, 300, 18), kSettingsCB02);
    HWND colors = Add(page, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                      At(24, 128, 220, kDropDownHeight), kSettingsCBX01);
    FillChoices(colors, LineColorEntries());
    Add(page, L"BUTTON", L"SXFユーザー線種を変換する", kCheck, At(8, 162, 300, 18), kSettingsCB03);
    HWND types = Add(page, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
                     At(24, 184, 220, kDropDownHeight), kSettingsCBX02);
    FillChoices(types, LineTypeEntries());
    Add(page, L"BUTTON", L"クリップ取込直後に変換を行ってクリップボード転送を行う", kCheck, At(8, 222, 460, 18),
        kSettingsCB99);
}

HWND SettingsDialog::Control(int id) const {
    return id >= kSettingsTabs && id < kSettingsControlEnd ? controls_[static_cast<std::size_t>(id - kSettingsTabs)]
                                                          : GetDlgItem(Handle(), id);
}

int SettingsDialog::CurrentPage() const { return static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)); }

void SettingsDialog::ShowPage(int index) {
    SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        ShowWindow(pages_[static_cast<std::size_t>(i)].Handle(), i == index ? SW_SHOW : SW_HIDE);
    }
}

void SettingsDialog::ShowModal() {
    RunModalLoop(Handle(), owner_, [this] { return closed_; }, [this] { form_->FormShow(*this); });
    TRect bounds{form_->Left, form_->Top, 0, 0};
    ReadBounds(Handle(), bounds);
    form_->Left = bounds.Left;
    form_->Top = bounds.Top;
}

void SettingsDialog::ShowControls(const TForm2Controls& c) {
    SetControlText(Control(kSettingsEdit1), c.Edit1);
    SetChecked(Control(kSettingsWhite), c.RadioGroup1 == 0);
    SetChecked(Control(kSettingsBlack), c.RadioGroup1 == 1);
    const bool boxes[] = {c.CheckBox1, c.CheckBox2, c.CheckBox3, c.CheckBox4, c.CheckBox5, c.CheckBox6, c.CheckBox7};
    for (int i = 0; i < 7; ++i) SetChecked(Control(kSettingsCheckBox1 + i), boxes[i]);
    swatch_colors_ = {c.Edit2, c.Edit3, c.Edit4};
    for (std::size_t i = 0; i < swatch_colors_.size(); ++i) {
        swatch_brushes_[i] = SolidBrush(static_cast<COLORREF>(swatch_colors_[i]));
        InvalidateRect(Control(kSettingsEdit2 + static_cast<int>(i)), nullptr, TRUE);
    }
    const std::u16string* numbers[] = {&c.Edit5, &c.Edit6, &c.Edit7, &c.Edit8, &c.Edit9, &c.Edit10, &c.Edit11};
    for (int i = 0; i < 7; ++i) SetControlText(Control(kSettingsEdit5 + i), *numbers[i]);
    SetControlText(Control(kSettingsMemo1), JoinLines(c.Memo1));
    SetControlText(Control(kSettingsMemo2), JoinLines(c.Memo2));
    SetChecked(Control(kSettingsCB01), c.CB01);
    SetChecked(Control(kSettingsRG01Clear), c.RG01 == 0);
    SetChecked(Control(kSettingsRG01Same), c.RG01 == 1);
    SetChecked(Control(kSettingsCB02), c.CB02);
    SendMessageW(Control(kSettingsCBX01), CB_SETCURSEL, static_cast<WPARAM>(c.CBX01), 0);
    SetChecked(Control(kSettingsCB03), c.CB03);
    SendMessageW(Control(kSettingsCBX02), CB_SETCURSEL, static_cast<WPARAM>(c.CBX02), 0);
    SetChecked(Control(kSettingsCB99), c.CB99);
}

TForm2Controls SettingsDialog::ReadControls() {
    TForm2Controls c;
    c.Edit1 = WindowText(Control(kSettingsEdit1));
    c.RadioGroup1 = Checked(Control(kSettingsWhite)) ? 0 : Checked(Control(kSettingsBlack)) ? 1 : -1;
    bool* boxes[] = {&c.CheckBox1, &c.CheckBox2, &c.CheckBox3, &c.CheckBox4, &c.CheckBox5, &c.CheckBox6, &c.CheckBox7};
    for (int i = 0; i < 7; ++i) *boxes[i] = Checked(Control(kSettingsCheckBox1 + i));
    c.Edit2 = swatch_colors_[0];
    c.Edit3 = swatch_colors_[1];
    c.Edit4 = swatch_colors_[2];
    std::u16string* numbers[] = {&c.Edit5, &c.Edit6, &c.Edit7, &c.Edit8, &c.Edit9, &c.Edit10, &c.Edit11};
    for (int i = 0; i < 7; ++i) *numbers[i] = WindowText(Control(kSettingsEdit5 + i));
    c.Memo1 = Lines(WindowText(Control(kSettingsMemo1)));
    c.Memo2 = Lines(WindowText(Control(kSettingsMemo2)));
    c.CB01 = Checked(Control(kSettingsCB01));
    c.RG01 = Checked(Control(kSettingsRG01Same)) ? 1 : 0;
    c.CB02 = Checked(Control(kSettingsCB02));
    c.CBX01 = static_cast<int>(SendMessageW(Control(kSettingsCBX01), CB_GETCURSEL, 0, 0));
    c.CB03 = Checked(Control(kSettingsCB03));
    c.CBX02 = static_cast<int>(SendMessageW(Control(kSettingsCBX02), CB_GETCURSEL, 0, 0));
    c.CB99 = Checked(Control(kSettingsCB99));
    return c;
}

void SettingsDialog::Focus(TForm2Focus control) {
    static constexpr int ids[] = {kSettingsEdit1, kSettingsWhite, kSettingsEdit5,  kSettingsEdit7,
                                  kSettingsEdit8, kSettingsEdit9, kSettingsEdit10, kSettingsEdit11};
    ShowPage(0);
    HWND target = Control(ids[static_cast<int>(control)]);
    if (control == TForm2Focus::RadioGroup1 && Checked(Control(kSettingsBlack))) target = Control(kSettingsBlack);
    focus_.Set(target);
    SendMessageW(target, EM_SETSEL, 0, -1);
}

std::optional<int> SettingsDialog::ChooseColor(int color) {
    // The user's custom colours stay while the program runs, as the system dialog's own would.
    static COLORREF custom_colors[16]{};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = Handle();
    choose.rgbResult = static_cast<COLORREF>(color);
    choose.lpCustColors = custom_colors;
    choose.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (!ChooseColorW(&choose)) return std::nullopt;
    return static_cast<int>(choose.rgbResult);
}

void SettingsDialog::Close() { closed_ = true; }

void SettingsDialog::Command(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDOK: form_->Button1Click(*this); break;
        case IDCANCEL: form_->Button2Click(*this); break;
        case kSettingsCB01: form_->CB01Click(*this); break;
        case kSettingsEdit2: form_->SwatchClick(*this, TForm2Swatch::Edit2); break;
        case kSettingsEdit3: form_->SwatchClick(*this, TForm2Swatch::Edit3); break;
        case kSettingsEdit4: form_->SwatchClick(*this, TForm2Swatch::Edit4); break;
        default: break;
    }
}

LRESULT SettingsDialog::ControlColor(HDC dc, HWND control) {
    const int swatch = GetDlgCtrlID(control) - kSettingsEdit2;
    if (swatch >= 0 && swatch < 3) return reinterpret_cast<LRESULT>(swatch_brushes_[static_cast<std::size_t>(swatch)].get());
    SetBkColor(dc, kSilver);
    return reinterpret_cast<LRESULT>(back_brush_.get());
}

LRESULT SettingsDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND: Command(LOWORD(wparam), HIWORD(wparam)); return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lparam);
            if (header->hwndFrom == tabs_ && header->code == static_cast<UINT>(TCN_SELCHANGE)) ShowPage(CurrentPage());
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return ControlColor(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
        case WM_ERASEBKGND: FillClient(Handle(), reinterpret_cast<HDC>(wparam), kSilver); return 1;
        case WM_ACTIVATE:
            if (focus_.Activate(Handle(), wparam)) return 0;
            break;
        case WM_CLOSE: form_->Button2Click(*this); return 0;
        default: return DefaultHandling(message, wparam, lparam);
    }
    return DefaultHandling(message, wparam, lparam);
}

}  // namespace torvane
