#pragma once
#include <windows.h>

#include "app/form1.h"

namespace torvane {

// The palette: TForm1's borderless main window. It shows the form's state and forwards the
// window's events (close, log-off, activation, timers, hit-testing) to the form.
class PaletteWindow final : public TForm1View {
public:
    explicit PaletteWindow(HINSTANCE instance);
    ~PaletteWindow() override;
    PaletteWindow(const PaletteWindow&) = delete;
    PaletteWindow& operator=(const PaletteWindow&) = delete;

    // Creates the (hidden) window for `form`, which must outlive it.
    bool Create(TForm1& form);
    HWND Handle() const { return hwnd_; }

    void ClearButtonImage(int button) override;
    void LoadButtonImage(int button, const std::filesystem::path& bitmap) override;
    void SetButtonRaised(int button) override;
    void SetPageLabel(std::u16string_view text) override;
    void ProcessMessages() override;
    void SetMonitorTimer(bool enabled, int interval) override;
    void SetMonitorIndicator(bool running) override;
    void StartTrackingTimer(int interval) override;
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
    void SetButtonLowered(int button) override;
    void OpenMenu(int screenX, int screenY, bool clipItems) override;
    void SetCursor(TPaletteCursor cursor) override;
    void BringToFront() override;
    void ClosePalette() override;
    void StopTrackingTimer() override;
    bool ShowSettingsDialog() override;
    std::optional<WindowHandle> ShowJwwSelectDialog() override;
    void ShowClipViewer(const std::filesystem::path& figure) override;
    void ShowFigureBrowser(int alpha, bool onTop) override;
    void ShowFigureImport(int button) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void Paint();
    void Close();

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    TForm1* form_ = nullptr;
    bool monitor_running_ = false;
    std::u16string page_label_ = u"P0";
    TPaletteInputs inputs_;
    bool closed_ = false;
};

}  // namespace torvane
