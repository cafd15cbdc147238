#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/form1_view.h"
#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "platform/clock.h"
#include "platform/ui_services.h"

namespace torvane {

// Rows of the clip index: clips a page can hold.
inline constexpr int ClipRows = 100;
// Pages: 0 the work page, 1 to 3 the user's pages.
inline constexpr int PageCount = 4;

// The main window (palette) as a presenter: settings, start-up and close, the clip index and
// its page operations. What it shows goes through TForm1View.
class TForm1 {
public:
    TForm1(TForm1View& view, UiServices& ui, const Clock& clock);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;
    ~TForm1();

    // Start-up: resets the form's state, computes the paths from the executable's full path,
    // creates the clip folders (errors ignored) and runs SystemInit.
    void FormCreate(const std::filesystem::path& exePath);
    // First showing: reads the settings file and hands the settings to the view. The palette
    // itself (clip buttons, BtnNum) is built by the caller after this.
    void FormShow();
    // Application became active: starts the monitor once when KanBoot asked for it.
    void ApplicationActivate();
    // Closing: stops the monitor, closes the windows, frees the shared objects, writes the
    // settings file and, without work-page history, deletes the work page's clip files.
    void FormClose();

    // Creates the shared documents and drawing attributes and sets the start-up defaults.
    void SystemInit();
    // Frees what SystemInit created; nothing when it is not created.
    void SystemFree();

    // Reads every setting and the clip index; a missing file leaves the defaults.
    void SettingsIn(const std::filesystem::path& path);
    // Writes them; the old file is replaced only when the new one is complete. False when the
    // file could not be written (the old one then stays as it was).
    bool SettingsOut(const std::filesystem::path& path);

    void MonitorStart();
    void MonitorStop();

    // Page operations. Those on a clip act on row MenuContext - 1 of the current page.
    void PageSwitch(int page);
    void ClipMovePrior();
    void ClipMoveBack();
    void ClipMoveFirst();
    void ClipMoveLast();
    void ClipCopyToEnd(int page);
    void ClipCopyToStart(int page);
    void ClipDelete();
    // Files a newly captured clip `name` at the top of the work page; the clip in row 99
    // loses its files.
    void WorkPageAdd(const std::u16string& name);
    // A clip name of the current time that no row of `page` and no file of its folder holds yet.
    std::u16string NewClipName(int page) const;
    // Clears button row + 1 and loads the row's thumbnail of the current page into it.
    void ReloadThumbnail(int row);

    // Settings (flags are 0 or 1).
    int Ktime = 1000;
    int Histo = 0;
    int OnTop = 0;
    int KanBoot = 0;
    int KanClip = 0;
    int LocateLoc = 0;
    int ColBacc = 16777215;
    int ColEdge = 0;
    int ColMnuB = 8421504;
    int SwSize = 16;
    int BtnXn = 3;
    int BtnYn = 3;
    int BtnWi = 64;
    int BtnHe = 64;
    int AlphaCheck1 = 0;
    int AlphaValue1 = 128;
    int AlphaCheck2 = 0;
    int AlphaValue2 = 128;
    int BootJwwHnd = 0;
    int TranKyo = 0;
    int TranCol = 0;
    int TranLtp = 0;
    int TranAut = 0;
    int PasteBaN = 0;
    std::vector<std::u16string> PasteBa;
    int PasteAnN = 0;
    std::vector<std::u16string> PasteAn;
    std::u16string PasteBai = u"1.0";
    std::u16string PasteAng = u"0.0";
    double PasteBaX = 1.0;
    double PasteBaY = 1.0;
    double PasteAnr = 0.0;
    bool PasteMoj = true;
    bool PasteTen = true;
    int ZukeiType = 0;
    std::u16string ZukeiFold;
    int ZukeiImgX = 4;
    int ZukeiImgY = 4;
    int ZukeiBrwX = 5;
    int ZukeiBrwY = 5;
    int ZukeiBrwT = 0;
    int ZukeiBrwF = -1;

    // Window positions and sizes, applied by the views.
    TWindowGeometry Geometry;
    // Recent folders of the figure browser, most recent first.
    std::vector<std::u16string> BrowserFolders;

    // Clip index: StringGrid1[page][row] names a clip of that page or is empty.
    std::array<std::array<std::u16string, ClipRows>, PageCount> StringGrid1;

    int CurPage = 0;          // page shown
    int PreBtnNo = -1;        // clip button last pressed; 0 none, -1 none since start
    int BtnNum = 0;           // clip buttons that exist (BtnXn × BtnYn once the palette is built)
    int MenuContext = 0;      // button the menu was opened on; 0 from a command button
    bool ReadyFlag = false;   // palette built
    bool StartMonitorFlag = false;  // start the monitor when the application becomes active
    std::intptr_t LastJww = 0;      // last active Jw_cad window
    std::uint32_t HD0 = 0;          // clipboard formats "DataObject", "Jw_win", "Ole Private Data"
    std::uint32_t HD1 = 0;
    std::uint32_t HD2 = 0;

    // Documents shared by every operation that loads a figure; they exist between SystemInit
    // and SystemFree.
    std::unique_ptr<TJcfData> JCF;
    std::unique_ptr<TJwsData> JWS;
    std::unique_ptr<TJwkData> JWK;

private:
    void SetDefaults();
    void ReloadAllThumbnails();
    // Copies the four files of clip `from` on the current page to clip `to` on `page`.
    void CopyClipFiles(const std::u16string& from, int page, const std::u16string& to) const;
    // Row MenuContext - 1 when MenuContext names a clip button, else -1.
    int ContextRow() const;
    // The name of the clip under the context menu; a beep and nothing when its cell is empty.
    std::optional<std::u16string> ContextClipName() const;

    TForm1View& view_;
    UiServices& ui_;
    const Clock& clock_;
};

}  // namespace torvane
