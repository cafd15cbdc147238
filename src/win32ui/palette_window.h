#pragma once
#include <windows.h>

#include <array>
#include <memory>

#include "app/form1.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"
#include "win32ui/clip_field.h"
#include "win32ui/clip_search_window.h"
#include "win32ui/figure_browser_window.h"
#include "win32ui/foreground_watch.h"
#include "win32ui/palette_strip.h"

namespace torvane {

class FigureSelectDialog;

// The palette: TForm1's borderless main window. It shows what the form hands it (style,
// layout, clip buttons, indicator, label, menu) and forwards the window's events (mouse,
// timers, resize, hit-testing, activation, close, log-off) to the form.
class PaletteWindow final : public WindowBase, public TForm1View {
public:
    PaletteWindow() = default;
    ~PaletteWindow() override;

    // Creates the (hidden) window for `form`, which must outlive it.
    bool Create(TForm1& form);

    // Child windows, for tests that look at the palette from inside the process.
    HWND CommandButton(int index) const { return commands_[static_cast<std::size_t>(index)]; }
    const ClipField& Field() const { return field_; }
    const PaletteStrip& Strip() const { return strip_; }
    // The figure browser once it was opened.
    FigureBrowserWindow* Browser() const { return browser_.get(); }
    // The clip search window once it was opened.
    ClipSearchWindow* Search() const { return search_.get(); }
    // The palette's own keys, looked at before a message is dispatched: Ctrl+F opens the clip
    // search while the palette (or a control of it) has the keyboard. True when `msg` was one.
    bool PaletteShortcut(const MSG& msg);

    void ClearButtonImage(int button) override;
    void LoadButtonImage(int button, const std::filesystem::path& bitmap) override;
    void SetButtonRaised(int button) override;
    void SetButtonLowered(int button) override;
    void SetPageLabel(std::u16string_view text) override;
    void ProcessMessages() override;
    void SetMonitorTimer(bool enabled, int interval) override;
    void SetMonitorIndicator(bool running) override;
    void SetClipboardListener(bool listening) override;
    void StartTrackingTimer(int interval) override;
    void StopTrackingTimer() override;
    void ReadWindowGeometry(TWindowGeometry& geometry) override;
    void ApplyWindowGeometry(const TWindowGeometry& geometry) override;
    void SetBrowserFolders(const std::vector<std::u16string>& folders) override;
    void SetPanelColor(int color) override;
    void SetStayOnTop(bool on_top) override;
    void SetTranslucent(int alpha) override;
    void SetPasteLists(const std::vector<std::u16string>& scales,
                       const std::vector<std::u16string>& angles) override;
    void SetPaletteInputs(const TPaletteInputs& inputs) override;
    TPaletteInputs GetPaletteInputs() override;
    void CloseFigureBrowser() override;
    void FreeClipButtons() override;
    void SetPaletteStyle(const TPaletteStyle& style) override;
    void LayOut(const TPaletteLayout& layout) override;
    void SetClipFieldRange(const TSize& content) override;
    bool CreateClipButton(int button, const TRect& rect) override;
    void PlaceClipButton(int button, const TRect& rect) override;
    void OpenMenu(int screen_x, int screen_y, bool clip_items) override;
    void SetCursor(TPaletteCursor cursor) override;
    void BringToFront() override;
    void ClosePalette() override;
    void ShowSettingsDialog(TForm2& dialog) override;
    void ShowJwwSelectDialog(TForm7& dialog) override;
    void ShowClipViewer(TForm3& viewer) override;
    void ShowFigureBrowser(int alpha, bool on_top) override;
    void SetFigureBrowserTranslucent(int alpha) override;
    void ShowClipSearch(bool on_top) override;
    bool ShowFigureSelectDialog(TFigureSelection& selection) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    static LRESULT CALLBACK CommandButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR index,
                                              DWORD_PTR self);
    bool CreateCommandButtons();
    void ApplyCommandFont();
    void Paint();
    void Close();

    TForm1* form_ = nullptr;
    ClipField field_;
    PaletteStrip strip_;
    std::array<HWND, CommandButtonCount> commands_{};
    HWND tooltip_ = nullptr;
    GdiFont window_font_;
    GdiFont label_font_;
    GdiFont command_font_;
    TPaletteStyle style_{0xFFFFFF, 0, 255, 0, 0x808080, 16, 8};
    TPaletteLayout layout_;
    bool monitor_running_ = false;
    bool listening_ = false;  // registered for WM_CLIPBOARDUPDATE
    // The Jw_cad tracker runs (between its ticks too), and also at every change of the
    // foreground window, so that a Jw_cad window in front for less than a tick is seen.
    bool tracking_ = false;
    ForegroundWatch foreground_;
    std::wstring page_label_ = L"P0";
    HCURSOR cursor_ = nullptr;
    bool closed_ = false;
    std::unique_ptr<FigureBrowserWindow> browser_;
    std::unique_ptr<ClipSearchWindow> search_;
    // The figure selection dialog while it runs, and a close asked for meanwhile.
    FigureSelectDialog* figure_dialog_ = nullptr;
    bool close_after_dialog_ = false;
};

}  // namespace torvane
