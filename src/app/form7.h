#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/palette_layout.h"
#include "platform/window_list.h"

namespace torvane {

// The Jw_cad selection dialog's window as TForm7 drives it.
class TForm7View {
public:
    virtual ~TForm7View() = default;
    virtual void SetEntries(const std::vector<std::u16string>& entries) = 0;
    // The selected entry's index; -1 when none is.
    virtual int SelectedIndex() = 0;
    // Blocks for `milliseconds` while the user looks at another window.
    virtual void Pause(int milliseconds) = 0;
    // The dialog to the front again.
    virtual void BringToFront() = 0;
    virtual void Close() = 0;
};

// The Jw_cad selection dialog: lists the running Jw_cad windows, shows which window an entry
// is, and returns the paste target chosen.
class TForm7 {
public:
    explicit TForm7(WindowList& windows) : windows_(windows) {}

    // Lists every Jw_cad window as its drawing name, "　H:" and its handle.
    void FormShow(TForm7View& view);
    // An entry was clicked: its window comes to the front for a moment, then the dialog.
    void ListBox1Click(TForm7View& view);
    // "ＯＫ(&Y)": the selected entry's window; nothing happens without a selection.
    void OkClick(TForm7View& view);
    // "キャンセル(&N)".
    void CancelClick(TForm7View& view);
    // "選択しない(&S)": no window.
    void NoneClick(TForm7View& view);
    // "直前のJw_cad(&J)": the last active Jw_cad window.
    void LastJwwClick(TForm7View& view);

    bool OKflag = false;        // a choice was made
    WindowHandle S_HND = 0;     // the choice: a window, 0 none, -1 the last active Jw_cad window
    std::vector<std::u16string> Entries;  // the list's entries
    TRect Bounds;               // window position and size

private:
    // The handle of the selected entry; nothing without a selected entry holding "　H:".
    std::optional<WindowHandle> SelectedHandle(TForm7View& view) const;
    void Choose(TForm7View& view, WindowHandle handle);

    WindowList& windows_;
};

}  // namespace torvane
