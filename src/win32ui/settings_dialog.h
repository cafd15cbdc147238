#pragma once
#include <windows.h>

#include <array>

#include "app/form2.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"
#include "win32ui/dialog_focus.h"
#include "win32ui/dialog_page.h"

namespace torvane {

// Command ids of the settings dialog's controls ("ＯＫ(&Y)" is IDOK, "キャンセル(&N)" IDCANCEL).
enum SettingsControl : int {
    kSettingsTabs = 100,
    kSettingsEdit1,
    kSettingsWhite,
    kSettingsBlack,
    kSettingsCheckBox1,
    kSettingsCheckBox2,
    kSettingsCheckBox3,
    kSettingsCheckBox4,
    kSettingsCheckBox5,
    kSettingsCheckBox6,
    kSettingsCheckBox7,
    kSettingsEdit2,
    kSettingsEdit3,
    kSettingsEdit4,
    kSettingsEdit5,
    kSettingsEdit6,
    kSettingsEdit7,
    kSettingsEdit8,
    kSettingsEdit9,
    kSettingsEdit10,
    kSettingsEdit11,
    kSettingsMemo1,
    kSettingsMemo2,
    kSettingsCB01,
    kSettingsRG01Clear,
    kSettingsRG01Same,
    kSettingsCB02,
    kSettingsCBX01,
    kSettingsCB03,
    kSettingsCBX02,
    kSettingsCB99,
    kSettingsControlEnd
};

// The settings dialog: TForm2's window, a page control of three tabs over "ＯＫ(&Y)" and
// "キャンセル(&N)". It shows and reads the controls for the form and forwards the clicks.
class SettingsDialog final : public WindowBase, public TForm2View {
public:
    // Creates the (hidden) dialog owned by `owner` at the form's position; `form` must outlive it.
    bool Create(HWND owner, TForm2& form);
    // Fills the controls, runs the dialog modally until it closes and keeps its position in the form.
    void ShowModal();
    HWND Control(int id) const;
    // The page shown, 0 to 2.
    int CurrentPage() const;

    void ShowControls(const TForm2Controls& controls) override;
    TForm2Controls ReadControls() override;
    void Focus(TForm2Focus control) override;
    std::optional<int> ChooseColor(int color) override;
    void Close() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool CreatePages();
    void BuildWatchPage(HWND page);
    void BuildListsPage(HWND page);
    void BuildConversionPage(HWND page);
    HWND Add(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, const RECT& bounds, int id = 0,
             DWORD ex_style = 0);
    void AddNumber(HWND page, int id, const RECT& bounds, int limit, int low, int high);
    void ShowPage(int index);
    void Command(int id, int code);
    LRESULT ControlColor(HDC dc, HWND control);

    TForm2* form_ = nullptr;
    HWND owner_ = nullptr;
    HWND tabs_ = nullptr;
    std::array<DialogPage, 3> pages_;
    std::array<HWND, kSettingsControlEnd - kSettingsTabs> controls_{};
    std::array<GdiBrush, 3> swatch_brushes_;
    std::array<int, 3> swatch_colors_{};
    GdiFont font_;
    GdiBrush back_brush_;
    DialogFocus focus_;
    bool closed_ = false;
};

}  // namespace torvane
