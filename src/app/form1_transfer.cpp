#include <algorithm>
#include <new>
#include <string>

#include "app/clip_names.h"
#include "app/cursor_shown.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "app/format_list.h"
#include "clip/clip_files.h"
#include "clip/key_string.h"
#include "convert/attribute_conversions.h"
#include "convert/paste_transform.h"
#include "util/files.h"

namespace torvane {
namespace {

std::filesystem::path WorkingCopy(const char* extension) { return TempPath / (std::string("prev") + extension); }

// Registered formats by which other clipboard-history programs leave a paste alone.
constexpr std::u16string_view kIgnoredByViewers[] = {u"Clipboard Viewer Ignore",
                                                      u"ExcludeClipboardContentFromMonitorProcessing"};

}  // namespace

bool TForm1::RegisterJwwFormats() {
    HD0 = clipboards_.ClipRegister(u"DataObject");
    HD1 = clipboards_.ClipRegister(u"Jw_win");
    HD2 = clipboards_.ClipRegister(u"Ole Private Data");
    return HD0 != 0 && HD1 != 0 && HD2 != 0;
}

void TForm1::TransferClip(int page, int row) {
    if (!JCF || page < 0 || page >= PageCount || row < 0 || row >= ClipRows) return;
    const std::u16string name = StringGrid1[page][row];
    if (!IsPlainClipName(name)) return;
    if (!RegisterJwwFormats()) {
        ui_.Message(u"必ず一度はJWW上で[切取]又は[コピー]を行って下さい");
        return;
    }
    CursorShown starting(view_, TPaletteCursor::AppStarting);
    if (PutOnClipboard([&] { PutClipOnClipboard(PageFolders[page], name); })) JwwPaste();
}

void TForm1::TransferWorkingCopies() {
    const bool put = PutOnClipboard([this] {
        const auto file0 = WorkingCopy(".0");
        if (!FileThere(file0)) ClipDefaultFile0(file0);
        const auto file2 = WorkingCopy(".2");
        if (!FileThere(file2)) ClipDefaultFile2(file2);
        PutPrepared(file0, WorkingCopy(".1"), file2);
    });
    if (put) JwwPaste();
}

bool TForm1::PutOnClipboard(const std::function<void()>& put) {
    try {
        put();
        return true;
    } catch (const ClipboardUnavailable&) {
        return false;  // the user has been told
    } catch (const std::bad_alloc&) {
        ListBox2.clear();
        ui_.Message(u"メモリが足りないため、クリップをクリップボードへ転送できませんでした。");
        return false;
    }
}

void TForm1::PutClipOnClipboard(const std::filesystem::path& folder, const std::u16string& name) {
    // Everything is prepared before the clipboard is opened.
    const auto file0 = ClipFile(folder, name, ".0");
    if (!FileThere(file0)) ClipDefaultFile0(file0);
    FileCopy(file0, WorkingCopy(".0"));
    const auto file1 = ClipFile(folder, name, ".1");
    const auto p1 = WorkingCopy(".1");
    if (FileThere(file1)) {
        // The clip's own file is never changed: every conversion works on the working copy.
        FileCopy(file1, p1);
        ConvertForTransfer(p1);
        JCLF_Trans(p1);
    }
    const auto file2 = ClipFile(folder, name, ".2");
    if (!FileThere(file2)) ClipDefaultFile2(file2);
    FileCopy(file2, WorkingCopy(".2"));
    PutPrepared(file0, FileThere(file1) ? p1 : std::filesystem::path(), file2);
}

void TForm1::PutPrepared(const std::filesystem::path& file0, const std::filesystem::path& file1,
                         const std::filesystem::path& file2) {
    std::vector<ClipPut> blocks;
    const std::pair<std::uint32_t, const std::filesystem::path*> files[] = {{HD0, &file0}, {HD1, &file1}, {HD2, &file2}};
    for (const auto& [id, file] : files) {
        std::optional<ClipBlock> bytes;
        if (!file->empty()) bytes = ReadFileChunked(*file, Clipboards::kChunk);
        blocks.push_back({bytes ? id : 0, bytes ? *std::move(bytes) : ClipBlock{}});
    }
    std::vector<std::uint32_t> markers;
    for (const std::u16string_view format : kIgnoredByViewers) {
        if (const std::uint32_t id = clipboards_.ClipRegister(format)) markers.push_back(id);
    }
    const std::vector<std::size_t> sizes = clipboards_.ClipPutAll(std::move(blocks), markers);
    SeenSequence = clipboards_.ClipSequence();
    ListBox2 = {FormatEntry(HD0, sizes[0]), FormatEntry(HD1, sizes[1]), FormatEntry(HD2, sizes[2])};
}

void TForm1::ConvertForTransfer(const std::filesystem::path& f) {
    ConvertAttributesFile(f, {TranKyo, TranCol, TranLtp}, *JCF);
}

void TForm1::JCLF_Trans(const std::filesystem::path& f) {
    const TPaletteInputs inputs = view_.GetPaletteInputs();
    const PasteTransformValues values =
        PasteTransformFile(f, inputs.Scale, inputs.Angle, inputs.TextScale, inputs.PointScale, *JCF).values;
    PasteBai = values.PasteBai;
    PasteBaX = values.PasteBaX;
    PasteBaY = values.PasteBaY;
    PasteAng = values.PasteAng;
    PasteAnr = values.PasteAnr;
    PasteMoj = values.PasteMoj;
    PasteTen = values.PasteTen;
}

void TForm1::JwwPaste() {
    // The target as the tracker finds it now rather than up to a tick ago: a Jw_cad window
    // closed since then already hands the paste on.
    TrackJww();
    if (BootJwwHnd != 0) Send_Mess(u"^V");
}

bool TForm1::Send_Mess(std::u16string_view keys) {
    const std::vector<TJwwHandleField> list = ListJwwWindows(services_.windows);
    const WindowHandle target = ChooseSendTarget(BootJwwHnd, LastJww, list);
    const bool listed = std::any_of(list.begin(), list.end(), [target](const auto& f) { return f.hd == target; });
    if (listed && services_.windows.RunsAboveUs(target)) {
        // Windows would drop every key: nothing is sent, and the user learns why.
        ui_.Message(u"Jw_cad が管理者として実行されているため、貼り付けられません。"
                    u"Jw_cad に貼り付けるには Torvane も管理者として起動してください。"
                    u"クリップはクリップボードにあるので、Jw_cad で Ctrl+V を押しても貼り付けられます。");
        return false;
    }
    if (!listed || !SendKeysToWindow(target, keys, services_.windows, services_.keyboard, clock_)) {
        ui_.Beep();
        return false;
    }
    return true;
}

bool TForm1::Send_1Mess(std::u16string_view keys) { return SendKeyString(keys, services_.keyboard, clock_); }

void TForm1::TrackJww() {
    JwwList = ListJwwWindows(services_.windows);
    LastJww = TrackLastJww(services_.windows, JwwList, LastJww);
    BootJwwHnd = CorrectBootJww(BootJwwHnd, LastJww, JwwList);
}

void TForm1::Timer2Timer() {
    view_.StopTrackingTimer();
    TrackJww();
    view_.StartTrackingTimer(500);
}

}  // namespace torvane
