#pragma once
#include <windows.h>

#include "app/form1_view.h"
#include "browse/form5.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/window_base.h"
#include "win32ui/drive_box.h"
#include "win32ui/file_list_view.h"
#include "win32ui/folder_tree.h"
#include "win32ui/figure_grid_view.h"
#include "win32ui/redraw_after_sizing.h"
#include "win32ui/win32_ui_services.h"

namespace torvane {

// The figure selection dialog "図形選択" of TForm5: the grid choices, OK and cancel on top; the
// drive box, the file type choice and the folder tree on the left, beside a splitter; the tabs
// "サムネイル表示" (25 pictures and their scroll bar) and "リスト表示" (the file list); the
// status bar at the bottom. It shows what the form hands it and forwards its events.
class FigureSelectDialog final : public WindowBase, public FigureGridView<TForm5View> {
public:
    // Messages go to `ui`, or to message boxes owned by the dialog when it is null.
    FigureSelectDialog(TJwsData& JWS, TJwkData& JWK, UiServices* ui = nullptr, DeviceFactory device = CreateDevice);

    // Creates the dialog over `owner` where the geometry places it and shows the choices' folder
    // and figures; false when the window could not be made.
    bool Open(HWND owner, const TFigureSelection& selection, const TWindowGeometry& geometry);
    // Handles messages until the dialog is closed, the owner disabled meanwhile.
    void RunModal();
    // After the dialog was closed: the choices go back into `selection` when closed with OK (the
    // result), its place into `geometry` either way. The window goes with the object.
    bool Finish(TFigureSelection& selection, TWindowGeometry& geometry);

    TForm5& Form() { return form_; }
    const FileListView& List() const { return list_; }
    const FolderTree& Tree() const { return tree_; }
    HWND Drives() const { return drives_.Handle(); }
    HWND Status() const { return status_; }
    HWND Tabs() const { return tabs_; }

    void ShowFolder(const std::filesystem::path& folder) override;
    void SetListRows(const std::vector<TFileListRow>& rows) override;
    void SetStatus(std::u16string_view text) override;
    void CloseDialog() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool CreateControls();
    HWND Control(const wchar_t* window_class, const wchar_t* text, DWORD style, int id) const;
    void LayOut();
    void Command(WORD id, WORD code);
    void Notify(const NMHDR& header);
    void DriveChosen();
    void ShowTab(int tab);
    // The splitter between the folder pane and the tabs.
    bool OnSplitter(LPARAM point) const;

    Win32UiServices own_ui_;
    TForm5 form_;
    GdiFont font_;
    DriveBox drives_;
    FolderTree tree_;
    FileListView list_;
    HWND tabs_ = nullptr;
    HWND status_ = nullptr;
    HWND owner_ = nullptr;
    int panel_width_ = 0;
    bool splitting_ = false;
    RedrawAfterSizing redraw_;
    bool closed_ = false;
};

}  // namespace torvane
