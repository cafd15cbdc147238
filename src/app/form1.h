#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/clip_text_cache.h"
#include "app/figure_selection.h"
#include "app/form1_settings.h"
#include "app/form1_view.h"
#include "app/palette_commands.h"
#include "app/platform_services.h"
#include "clip/clipboards.h"
#include "clip/jww_windows.h"
#include "figure/figure_kind.h"
#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"

namespace torvane {

// Rows of the clip index: clips a page can hold.
inline constexpr int ClipRows = 100;
// Pages: 0 the work page, 1 to 3 the user's pages.
inline constexpr int PageCount = 4;
// Recent folders of the figure browser kept in the settings file.
inline constexpr std::size_t MaxBrowserFolders = 20;

// The clip index: [page][row] names a clip of that page or is empty.
using TClipIndex = std::array<std::array<std::u16string, ClipRows>, PageCount>;

// The clip a menu was opened on: its page and name (empty for an empty button).
struct TMenuClip {
    int Page = 0;
    std::u16string Name;
};

// Format list entry: the clipboard format identifier, " S:", the block's size.
using TFormatList = std::vector<std::u16string>;

// The main window (palette) as a presenter: settings, start-up and close, the clip index and
// its page operations, capture, transfer and paste, thumbnails, layout and commands. What it
// shows goes through TForm1View; the window forwards its events to the entry points below.
class TForm1 : public TForm1Settings {
public:
    TForm1(TForm1View& view, const TPlatformServices& services);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;
    ~TForm1();

    // Start-up: resets the form's state, computes the paths from the executable's full path,
    // creates the clip folders (errors ignored) and runs SystemInit.
    void FormCreate(const std::filesystem::path& exePath);
    // First showing: reads the settings file, hands the settings to the view, builds the
    // palette and starts the Jw_cad tracker with a first tick.
    void FormShow();
    // Application became active: starts the monitor once when KanBoot asked for it.
    void ApplicationActivate();
    // Closing: stops the monitor, closes the windows, frees the shared objects, writes the
    // settings file and, without work-page history, deletes the work page's clip files.
    void FormClose();
    // Windows logs off or shuts down: stops the monitor and closes the palette; never refuses.
    bool WMQueryEndSession();

    // Creates the shared documents and drawing attributes and sets the start-up defaults.
    void SystemInit();
    // Frees what SystemInit created; nothing when it is not created.
    void SystemFree();

    // Reads every setting and the clip index; a missing file leaves the defaults. False when
    // the file exists but cannot be read (the defaults then stay too).
    bool SettingsIn(const std::filesystem::path& path);
    // Writes them; the old file is replaced only when the new one is complete. False when the
    // file could not be written (the old one then stays as it was).
    bool SettingsOut(const std::filesystem::path& path);

    // Palette: colours, layout and clip buttons (rebuilt after the settings dialog).
    void BuildPalette();
    void FreePalette();
    // The client area changed size.
    void FormResize(int clientWidth, int clientHeight);
    // The clip field was scrolled to (x, y).
    void ClipFieldScroll(int x, int y);
    // Mouse button pressed on clip button n at (x, y) of its picture.
    void ClipMouseDown(int button, TMouseButton mouse, int x, int y);
    // Mouse button pressed on command button `index` (0..8) at (x, y) inside it.
    void CommandButtonMouseDown(int index, TMouseButton mouse, int x, int y);
    // A menu item or command button was chosen.
    void MenuCommand(TPaletteCommand command);
    // Timer1: the clipboard monitor; Timer2: the Jw_cad tracker. The monitor's tick returns
    // at once when the clipboard has not changed since it was last read; a clipboard held by
    // another program is tried again after BusyRetryMs (at most Ktime), silently.
    void Timer1Timer();
    // The clipboard's contents changed: the monitor's tick runs at once while the monitor runs.
    void ClipboardUpdate();
    void Timer2Timer();
    // The tracker's work: the Jw_cad window list, the last active one and the paste target.
    void TrackJww();

    void MonitorStart();
    void MonitorStop();
    // Manual capture: the monitor stops, a capture runs, the monitor restarts when KanClip asks.
    void ManualCapture();
    // Captures the clipboard's Jw_cad data as a new clip unless it is the last one captured or
    // transferred, as a user's manual capture does. False when the clipboard could not be
    // opened (after the message) or memory ran out.
    bool CaptureClip();
    // True when the clipboard holds the data last captured or transferred.
    bool IsSameClip();

    // Wait before the monitor tries a clipboard held by another program again.
    static constexpr int BusyRetryMs = 50;

    // The identifiers of "DataObject", "Jw_win" and "Ole Private Data" into HD0, HD1, HD2; false
    // when any of them has none.
    bool RegisterJwwFormats();
    // Puts the clip of (page, row) on the clipboard, converted as the settings and the palette
    // ask, and pastes it into the Jw_cad window.
    void TransferClip(int page, int row);
    // Puts the working copies on the clipboard as a transfer does ("prev.0" and "prev.2" get
    // default contents when missing), remembers them as the last capture so that the monitor
    // leaves them alone, and pastes. The figure browser's paste after converting into "prev.1".
    void TransferWorkingCopies();
    // Pastes into the target Jw_cad window (Ctrl+V) when there is one.
    void JwwPaste();
    // Sends a key string to the chosen Jw_cad window. Nothing is sent, with a beep, unless
    // that window is a listed Jw_cad window and comes to the front. False then.
    bool Send_Mess(std::u16string_view keys);
    // Sends a key string to whatever has the keyboard focus.
    bool Send_1Mess(std::u16string_view keys);
    // The paste transform of the figure stream file f with the palette's scale, angle and
    // check boxes, read now.
    void JCLF_Trans(const std::filesystem::path& f);

    // "図形データ読込": the figure file chosen in the figure selection dialog becomes a clip of
    // the current page in the row of the button the menu was opened on, or, when that row is
    // empty, after the page's last clip; nothing when the page is full.
    void MnuZukeiClick();
    // "図形ファイルに保存": the figure of the clip the menu was opened on is saved as a JWS figure
    // file where the save dialog says, starting in the figure selection dialog's last folder
    // with the clip's name. A clip that cannot be read and a file that cannot be written are
    // reported in a message.
    void MnuZukeiSaveClick();
    // Reads a ".jws", ".jwk" or ".jww" file (by its lower-cased extension) into JWS, JWK or JWW;
    // nothing for another extension or a file that FileCheck or FileIn refuses.
    std::optional<FigureKind> ReadFigureFile(const std::filesystem::path& file);
    // Converts the figure just read into the figure stream file dst and empties its document;
    // true when dst was written.
    bool ConvertFigure(FigureKind kind, const std::filesystem::path& dst);

    // Draws the clip's figure into a thumbnail file and shows it on clip button `button`.
    void MakeClipImage(int button, int page, const std::u16string& name);
    // Remakes the thumbnails of the page shown, after a confirmation.
    void RegenerateThumbnails();

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

    // Window positions and sizes, applied by the views.
    TWindowGeometry Geometry;
    // Recent folders of the figure browser, most recent first.
    std::vector<std::u16string> BrowserFolders;

    // Clip index: StringGrid1[page][row] names a clip of that page or is empty.
    TClipIndex StringGrid1;
    // The searched texts of the clips, by page and name.
    TClipTextCache ClipTexts;

    int CurPage = 0;          // page shown
    int PreBtnNo = -1;        // clip button last pressed; 0 none, -1 none since start
    int BtnNum = 0;           // clip buttons that exist (BtnXn × BtnYn once the palette is built)
    int MenuContext = 0;      // button the menu was opened on; 0 from a command button
    // The clip under that button when the menu opened; none from a command button.
    std::optional<TMenuClip> MenuClip;
    bool ReadyFlag = false;   // palette built
    bool StartMonitorFlag = false;  // start the monitor when the application becomes active
    WindowHandle LastJww = 0;       // last active Jw_cad window
    std::vector<TJwwHandleField> JwwList;  // Jw_cad windows of the last tracking tick
    std::uint32_t HD0 = 0;          // clipboard formats "DataObject", "Jw_win", "Ole Private Data"
    std::uint32_t HD1 = 0;
    std::uint32_t HD2 = 0;
    // The clipboard's sequence number when the monitor last read it (or a transfer filled it).
    std::uint32_t SeenSequence = 0;
    // A capture could not write its files, and the user has been told (once a session).
    bool WriteFailureReported = false;
    TFormatList ListBox1;           // formats on the clipboard now
    TFormatList ListBox2;           // formats last captured or transferred
    int ClientWidth = 0;            // palette's client area
    int ClientHeight = 0;
    int ScrollX = 0;                // clip field's scroll position
    int ScrollY = 0;
    // False when the settings file existed but could not be read nor set aside: it is then
    // not overwritten at close.
    bool SettingsWritable = true;

    // Documents shared by every operation that loads a figure; they exist between SystemInit
    // and SystemFree.
    std::unique_ptr<TJcfData> JCF;
    std::unique_ptr<TJwsData> JWS;
    std::unique_ptr<TJwkData> JWK;
    std::unique_ptr<TJwwData> JWW;

private:
    void SetDefaults();
    // The settings file holds the clip index of pages 1 to 3: one that cannot be read is renamed
    // aside, or, when that fails, left alone and not written at close.
    void SetUnreadableAside(const std::filesystem::path& path);
    void ReloadAllThumbnails();
    // Copies the four files of clip `from` on the current page to clip `to` on `page`.
    void CopyClipFiles(const std::u16string& from, int page, const std::u16string& to) const;
    // Points MenuContext at the row where the menu's clip is now: a capture while the menu or
    // a dialog was open moves the rows under it. A menu on an empty button keeps its row while
    // that is still empty, else takes an empty row. False when the clip is gone (or no row is
    // empty): the command then does nothing.
    bool FollowMenuClip();
    // Row MenuContext - 1 when MenuContext names a clip button, else -1.
    int ContextRow() const;
    // The name of the clip under the context menu; a beep and nothing when its cell is empty.
    std::optional<std::u16string> ContextClipName() const;
    enum class TCaptureResult { Done, Busy, Failed };
    // A capture by the monitor (one silent attempt to open, nothing when the clipboard has not
    // changed) or by the user (the clipboard read whatever its sequence number, a message when
    // it stays held). Failed: memory ran out, or a user's capture found the clipboard held.
    TCaptureResult Capture(bool byMonitor);
    // The capture itself, inside Capture's handling of clipboard and memory failures.
    void CaptureNewClip(bool byMonitor);
    // The monitor's timer on with this interval, its clipboard listener and indicator on.
    void StartMonitor(int interval);
    // The format lists now and last hold the same identifiers, "Jw_win" not 0.
    bool SameFormatsAsLast() const;
    // IsSameClip on a "Jw_win" block already copied from the clipboard.
    bool IsSameClip(std::span<const std::uint8_t> jwWin) const;
    // Runs `put` (which fills the clipboard); false when the clipboard could not be opened or
    // memory ran out (after a message).
    bool PutOnClipboard(const std::function<void()>& put);
    // The transfer itself, inside PutOnClipboard.
    void PutClipOnClipboard(const std::filesystem::path& folder, const std::u16string& name);
    // Puts the three prepared files on the clipboard in one opening (no "Jw_win" when file1 is
    // empty), marked with the formats other clipboard viewers leave alone, and remembers them
    // as the last capture, so that the monitor leaves them alone.
    void PutPrepared(const std::filesystem::path& file0, const std::filesystem::path& file1,
                     const std::filesystem::path& file2);
    // The row a figure import over button row `row` fills; nothing when the page is full.
    std::optional<int> ImportRow(int row) const;
    // The attribute conversions of the settings on the working copy.
    void ConvertForTransfer(const std::filesystem::path& f);
    // Places the clip buttons at the scroll position.
    void PlaceClipButtons();
    // Opens the menu with the clip items on (button > 0) or off at a point of the palette.
    void OpenMenuAt(int button, int clientX, int clientY);
    // The dialog style around a modal dialog opened from the palette.
    void BeforeModal();
    void AfterModal();
    void OpenSettingsDialog();
    void OpenJwwSelectDialog();
    void OpenClipViewer(int button, bool dialogStyle);

    TForm1View& view_;
    TPlatformServices services_;
    UiServices& ui_;
    const Clock& clock_;
    Clipboards clipboards_;
    bool monitoring_ = false;  // the clipboard monitor runs
};

}  // namespace torvane
