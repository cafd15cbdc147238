#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "app/form2.h"
#include "app/form3.h"
#include "app/form7.h"
#include "app/form1_view.h"
#include "platform/clock.h"
#include "platform/memory/key_recorder.h"
#include "platform/memory/memory_clipboard.h"
#include "platform/memory/scripted_save_dialog.h"
#include "platform/memory/scripted_window_list.h"
#include "platform/ui_services.h"
#include "support/fixed_clock.h"
#include "support/recording_ui.h"
#include "support/test_files.h"

namespace torvane::test {

// A view that records what the form shows, one line per call ("image 3 name.bmp").
class RecordingView : public THeadlessForm1View {
public:
    void ClearButtonImage(int button) override { Record("clear " + std::to_string(button)); }
    void LoadButtonImage(int button, const std::filesystem::path& bitmap) override {
        Record("image " + std::to_string(button) + " " + bitmap.filename().string());
    }
    void SetButtonRaised(int button) override { Record("raise " + std::to_string(button)); }
    void SetPageLabel(std::u16string_view text) override {
        Record("label " + std::string(text.begin(), text.end()));
    }
    void SetMonitorTimer(bool enabled, int interval) override {
        Record(std::string(enabled ? "timer on " : "timer off ") + std::to_string(interval));
    }
    void ReadWindowGeometry(TWindowGeometry& geometry) override {
        if (windowsOpen) geometry = current;
    }
    void ApplyWindowGeometry(const TWindowGeometry& geometry) override { current = geometry; }
    bool CreateClipButton(int button, const TRect& rect) override {
        Record("create " + std::to_string(button) + Text(rect));
        return button != failingButton;
    }
    void PlaceClipButton(int button, const TRect& rect) override { Record("place " + std::to_string(button) + Text(rect)); }
    void SetButtonLowered(int button) override { Record("lower " + std::to_string(button)); }
    void OpenMenu(int x, int y, bool clipItems) override {
        Record("menu " + std::to_string(x) + " " + std::to_string(y) + (clipItems ? " clip" : " noclip"));
    }
    void SetPaletteStyle(const TPaletteStyle& s) override { style = s; }
    void LayOut(const TPaletteLayout& l) override { layout = l; }
    void SetClipFieldRange(const TSize& content) override { range = content; }
    void ClosePalette() override { Record("close"); }
    void BringToFront() override { Record("front"); }
    void SetStayOnTop(bool onTop) override { Record(onTop ? "on top" : "not on top"); }
    void ShowClipViewer(TForm3& viewer) override {
        Record("viewer " + viewer.S_FName.filename().string());
        if (runViewer) runViewer(viewer);
    }
    void ShowSettingsDialog(TForm2& dialog) override {
        if (runSettings) runSettings(dialog);
    }
    void ShowJwwSelectDialog(TForm7& dialog) override {
        if (runJwwSelect) runJwwSelect(dialog);
    }
    void SetTranslucent(int alpha) override { Record("alpha " + std::to_string(alpha)); }
    void SetFigureBrowserTranslucent(int alpha) override { Record("browser alpha " + std::to_string(alpha)); }
    void SetPasteLists(const std::vector<std::u16string>& scales, const std::vector<std::u16string>& angles) override {
        pasteLists = {scales, angles};
    }
    void SetCursor(TPaletteCursor cursor) override { cursors.push_back(cursor); }
    // The figure selection dialog: remembers what it was given and, unless figureChoice is
    // empty (cancel), answers OK with that file, its folder and file type 2.
    bool ShowFigureSelectDialog(TFigureSelection& selection) override {
        figureSelection = selection;
        if (figureChoice.empty()) return false;
        selection.S_PO = figureChoice;
        selection.S_P2 = figureChoice.parent_path();
        selection.S_P1 = 2;
        return true;
    }

    // Calls recorded so far, then forgets them.
    std::vector<std::string> Take() { return std::exchange(calls_, {}); }
    // While true, ReadWindowGeometry reports `current` as the windows' positions.
    bool windowsOpen = false;
    TWindowGeometry current;
    TPaletteStyle style;
    TPaletteLayout layout;
    TSize range;
    std::vector<TPaletteCursor> cursors;
    int failingButton = 0;  // CreateClipButton fails for this button
    // What the user does in each modal dialog; nothing (the dialog is closed at once) when empty.
    std::function<void(TForm2&)> runSettings;
    std::function<void(TForm7&)> runJwwSelect;
    std::function<void(TForm3&)> runViewer;
    std::pair<std::vector<std::u16string>, std::vector<std::u16string>> pasteLists;
    TFigureSelection figureSelection;
    std::filesystem::path figureChoice;

private:
    static std::string Text(const TRect& r) {
        return " " + std::to_string(r.Left) + "," + std::to_string(r.Top) + " " + std::to_string(r.Width) + "x" +
               std::to_string(r.Height);
    }

    void Record(std::string call) { calls_.push_back(std::move(call)); }
    std::vector<std::string> calls_;
};

// Puts a copy on the clipboard the way Jw_cad does: "DataObject", "Jw_win" with the figure
// stream, "Ole Private Data".
inline void JwCopy(MemoryClipboard& board, std::string_view figure) {
    auto bytes = [](std::string_view text) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    };
    std::u16string reason;
    board.Open(reason);
    board.Empty();
    board.SetData(board.RegisterFormat(u"DataObject"), bytes("data object"));
    board.SetData(board.RegisterFormat(u"Jw_win"), bytes(figure));
    board.SetData(board.RegisterFormat(u"Ole Private Data"), bytes("ole private data"));
    board.Close();
}

// The block of a registered format on the clipboard; nothing when absent.
inline std::optional<std::string> ClipboardBlock(MemoryClipboard& board, std::u16string_view format) {
    std::u16string reason;
    board.Open(reason);
    const auto block = board.GetData(board.RegisterFormat(format));
    board.Close();
    if (!block) return std::nullopt;
    return std::string(block->begin(), block->end());
}

// A form started beside an executable in a fresh folder.
struct Form1Fixture {
    TempDir dir;
    RecordingView view;
    RecordingUi ui;
    FixedClock clock;
    MemoryClipboard clipboard;
    ScriptedWindowList windows;
    KeyRecorder keys;
    ScriptedSaveDialog saveDialog;
    TForm1 form{view, {clipboard, windows, keys, ui, clock, saveDialog}};
    Form1Fixture() { form.FormCreate(dir / "torvane.exe"); }
};

}  // namespace torvane::test
