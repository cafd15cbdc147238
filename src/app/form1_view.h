#pragma once
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/figure_selection.h"
#include "app/palette_layout.h"
#include "platform/window_list.h"

namespace torvane {

class TForm2;
class TForm3;
class TForm7;

// Position and size of a window in screen pixels.
using TWindowBounds = TRect;

// Positions and sizes of every window, as the settings file keeps them.
struct TWindowGeometry {
    TWindowBounds Form1{32, 32, 400, 240};  // main window (palette)
    int Form2Left = 0;                      // settings dialog: position only
    int Form2Top = 0;
    TWindowBounds Form3;                    // clip viewer
    TWindowBounds Form5;                    // figure selection dialog
    int Form5PanelWidth = 0;                // its left panel
    std::array<int, 3> Form5ColWidths{};    // columns 0 to 2 of its file list grid
    TWindowBounds Form6;                    // figure browser
    TWindowBounds Form7;                    // Jw_cad selection dialog
    TWindowBounds ClipSearch;               // clip search window
    bool operator==(const TWindowGeometry&) const = default;
};

// The palette's bottom strip: scale and angle edit fields, "文字倍率" and "点倍率" check boxes.
struct TPaletteInputs {
    std::u16string Scale;
    std::u16string Angle;
    bool TextScale = true;
    bool PointScale = true;
    bool operator==(const TPaletteInputs&) const = default;
};

// Colours and sizes of the palette's parts (colours 0x00BBGGRR).
struct TPaletteStyle {
    int Background = 0;      // background, bottom strip, clip field and its scroll bars, label
    int Edge = 0;            // 2-pixel edge of the background
    int Indicator = 0;       // monitor indicator
    int LabelText = 0;       // page label's text
    int ClipButton = 0;      // clip buttons
    int CommandSize = 16;    // command buttons' side, px
    int CommandFontPoints = 8;  // their captions' font size
    bool operator==(const TPaletteStyle&) const = default;
};

enum class TPaletteCursor { Normal, Busy, AppStarting };

enum class TMouseButton { Left, Right, Middle };

// What TForm1 shows. The Win32 palette window implements it; tests record the calls.
class TForm1View {
public:
    virtual ~TForm1View() = default;

    // Clip buttons, numbered from 1.
    virtual void ClearButtonImage(int button) = 0;
    // Puts the bitmap file on the button and shows it at once; a file that cannot be loaded is
    // ignored.
    virtual void LoadButtonImage(int button, const std::filesystem::path& bitmap) = 0;
    virtual void SetButtonRaised(int button) = 0;
    virtual void SetPageLabel(std::u16string_view text) = 0;
    // Repaints during long loops; clicks, keys and timers wait until the loop is done.
    virtual void ProcessMessages() = 0;

    // Clipboard monitor: the Timer1 interval and on/off, and the indicator (circle while running).
    virtual void SetMonitorTimer(bool enabled, int interval) = 0;
    virtual void SetMonitorIndicator(bool running) = 0;
    // Clipboard change notifications (ClipboardUpdate) on or off; turning on twice is turning on once.
    virtual void SetClipboardListener(bool listening) = 0;
    // Jw_cad tracker Timer2.
    virtual void StartTrackingTimer(int interval) = 0;

    // Stores every window's current position and size into `geometry`; windows that do not
    // exist leave their numbers alone.
    virtual void ReadWindowGeometry(TWindowGeometry& geometry) = 0;
    virtual void ApplyWindowGeometry(const TWindowGeometry& geometry) = 0;
    // Figure browser's drop-down list of recent folders.
    virtual void SetBrowserFolders(const std::vector<std::u16string>& folders) = 0;

    // Main window appearance.
    virtual void SetPanelColor(int color) = 0;
    virtual void SetStayOnTop(bool onTop) = 0;
    virtual void SetTranslucent(int alpha) = 0;

    // Bottom strip: the drop-down lists of the scale and angle fields (refilling them keeps the
    // texts typed in the fields), and the current inputs.
    virtual void SetPasteLists(const std::vector<std::u16string>& scales,
                               const std::vector<std::u16string>& angles) = 0;
    virtual void SetPaletteInputs(const TPaletteInputs& inputs) = 0;
    virtual TPaletteInputs GetPaletteInputs() = 0;

    // Closing: the figure browser window and the clip buttons.
    virtual void CloseFigureBrowser() = 0;
    virtual void FreeClipButtons() = 0;

    // Palette: colours and command buttons' size, then where every part lies.
    virtual void SetPaletteStyle(const TPaletteStyle& style) = 0;
    virtual void LayOut(const TPaletteLayout& layout) = 0;
    // The clip field's scroll ranges: the size of all clip buttons together.
    virtual void SetClipFieldRange(const TSize& content) = 0;
    // Creates clip button n (raised, empty) at `rect` of the clip field; false when it could not.
    virtual bool CreateClipButton(int button, const TRect& rect) = 0;
    virtual void PlaceClipButton(int button, const TRect& rect) = 0;
    virtual void SetButtonLowered(int button) = 0;
    // Opens the popup menu at a screen position; the clip items enabled or not.
    virtual void OpenMenu(int screenX, int screenY, bool clipItems) = 0;
    virtual void SetCursor(TPaletteCursor cursor) = 0;
    virtual void BringToFront() = 0;
    // Closes the palette; the window calls TForm1::FormClose on the way.
    virtual void ClosePalette() = 0;
    virtual void StopTrackingTimer() = 0;

    // Other windows (the headless view shows none of them).
    // The modal dialogs run on their presenters: each opens where the presenter's position
    // says and leaves its last position and size there.
    virtual void ShowSettingsDialog(TForm2& dialog) = 0;
    virtual void ShowJwwSelectDialog(TForm7& dialog) = 0;
    virtual void ShowClipViewer(TForm3& viewer) = 0;
    // Figure browser (not modal), opacity 0..255 or 255 opaque.
    virtual void ShowFigureBrowser(int alpha, bool onTop) = 0;
    // The figure browser's opacity, 0..255 or 255 opaque.
    virtual void SetFigureBrowserTranslucent(int alpha) = 0;
    // Clip search window (not modal), in front of the palette.
    virtual void ShowClipSearch(bool onTop) = 0;
    // Figure selection dialog (modal) on the caller's choices; true when closed with OK, the
    // choices then being the user's.
    virtual bool ShowFigureSelectDialog(TFigureSelection& selection) = 0;
};

// A view without windows (command-line tool, tests): shows nothing, and gives back the
// palette inputs it was last given.
class THeadlessForm1View : public TForm1View {
public:
    void ClearButtonImage(int) override {}
    void LoadButtonImage(int, const std::filesystem::path&) override {}
    void SetButtonRaised(int) override {}
    void SetPageLabel(std::u16string_view) override {}
    void ProcessMessages() override {}
    void SetMonitorTimer(bool, int) override {}
    void SetMonitorIndicator(bool) override {}
    void SetClipboardListener(bool) override {}
    void StartTrackingTimer(int) override {}
    void ReadWindowGeometry(TWindowGeometry&) override {}
    void ApplyWindowGeometry(const TWindowGeometry&) override {}
    void SetBrowserFolders(const std::vector<std::u16string>&) override {}
    void SetPanelColor(int) override {}
    void SetStayOnTop(bool) override {}
    void SetTranslucent(int) override {}
    void SetPasteLists(const std::vector<std::u16string>&, const std::vector<std::u16string>&) override {}
    void SetPaletteInputs(const TPaletteInputs& inputs) override { inputs_ = inputs; }
    TPaletteInputs GetPaletteInputs() override { return inputs_; }
    void CloseFigureBrowser() override {}
    void FreeClipButtons() override {}
    void SetPaletteStyle(const TPaletteStyle&) override {}
    void LayOut(const TPaletteLayout&) override {}
    void SetClipFieldRange(const TSize&) override {}
    bool CreateClipButton(int, const TRect&) override { return true; }
    void PlaceClipButton(int, const TRect&) override {}
    void SetButtonLowered(int) override {}
    void OpenMenu(int, int, bool) override {}
    void SetCursor(TPaletteCursor) override {}
    void BringToFront() override {}
    void ClosePalette() override {}
    void StopTrackingTimer() override {}
    void ShowSettingsDialog(TForm2&) override {}
    void ShowJwwSelectDialog(TForm7&) override {}
    void ShowClipViewer(TForm3&) override {}
    void ShowFigureBrowser(int, bool) override {}
    void SetFigureBrowserTranslucent(int) override {}
    void ShowClipSearch(bool) override {}
    bool ShowFigureSelectDialog(TFigureSelection&) override { return false; }

private:
    TPaletteInputs inputs_;
};

}  // namespace torvane
