#pragma once
#include <windows.h>

#include "app/form1_view.h"
#include "browse/form6.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"
#include "win32ui/figure_grid_view.h"
#include "win32ui/redraw_after_sizing.h"
#include "win32ui/win32_ui_services.h"

namespace torvane {

// The figure browser "図形ブラウザ" of TForm6: a window of its own with a taskbar button. On top
// the recent folders and "参照"; the pictures with their scroll bar; at the bottom "×", the grid
// choices and the file type choice. Closing only hides it; every opening shows the folder again.
class FigureBrowserWindow final : public WindowBase, public FigureGridView<TForm6View> {
public:
    // Messages go to `ui`, or to message boxes owned by the browser when it is null.
    FigureBrowserWindow(TForm1& form, UiServices* ui = nullptr, DeviceFactory device = CreateDevice);

    // Creates the hidden window at `bounds` (a default place when they are empty).
    bool Create(const TWindowBounds& bounds);
    // Opening from the palette: opacity (255 opaque), stay-on-top, shown, the showing steps.
    void Open(int alpha, bool on_top);
    // "×" or the window's close: the documents are emptied and the window hidden.
    void Close();
    void SetTranslucent(int alpha);
    TWindowBounds Bounds() const;
    // True while one of its events runs (inside a message box or dialog it opened, when
    // another window is handled meanwhile).
    bool Busy() const { return running_ > 0; }

    TForm6& Form() { return form6_; }
    HWND Folders() const { return folders_; }

    void SetFolderList(const std::vector<std::u16string>& folders, int selected) override;
    void SetHandCursor(bool hand) override;
    std::optional<std::filesystem::path> BrowseForFolder(const std::filesystem::path& start) override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool CreateControls();
    HWND Control(const wchar_t* window_class, const wchar_t* text, DWORD style, int id) const;
    void LayOut();
    void Command(WORD id, WORD code);
    template <class Event>
    void Run(Event&& event);

    Win32UiServices own_ui_;
    TForm6 form6_;
    GdiFont font_;
    HWND folders_ = nullptr;
    HCURSOR cursor_ = nullptr;
    int running_ = 0;
    RedrawAfterSizing redraw_;
};

}  // namespace torvane
