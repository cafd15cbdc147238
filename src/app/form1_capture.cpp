#include <algorithm>
#include <array>
#include <new>
#include <string>

#include "app/clip_names.h"
#include "app/cursor_shown.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "app/format_list.h"
#include "clip/clip_files.h"
#include "util/files.h"

namespace torvane {
namespace {

// The working copy of format q (0 "DataObject", 1 "Jw_win", 2 "Ole Private Data").
std::filesystem::path WorkingCopy(int q) { return TempPath / ("prev." + std::to_string(q)); }

}  // namespace

void TForm1::MonitorStart() { StartMonitor(Ktime); }

void TForm1::StartMonitor(int interval) {
    monitoring_ = true;
    view_.SetMonitorIndicator(true);
    view_.SetMonitorTimer(true, interval);
    view_.SetClipboardListener(true);
}

void TForm1::MonitorStop() {
    monitoring_ = false;
    view_.SetClipboardListener(false);
    view_.SetMonitorTimer(false, Ktime);
    view_.SetMonitorIndicator(false);
}

void TForm1::Timer1Timer() {
    view_.SetMonitorTimer(false, Ktime);
    switch (Capture(true)) {
        case TCaptureResult::Done: StartMonitor(Ktime); break;
        // Another program holds the clipboard: tried again soon, without a word.
        case TCaptureResult::Busy: StartMonitor(std::min(Ktime, BusyRetryMs)); break;
        case TCaptureResult::Failed: MonitorStop(); break;
    }
}

void TForm1::ClipboardUpdate() {
    if (monitoring_) Timer1Timer();
}

void TForm1::ManualCapture() {
    MonitorStop();
    if (CaptureClip() && KanClip == 1) MonitorStart();
}

bool TForm1::CaptureClip() { return Capture(false) == TCaptureResult::Done; }

TForm1::TCaptureResult TForm1::Capture(bool byMonitor) {
    try {
        CaptureNewClip(byMonitor);
        return TCaptureResult::Done;
    } catch (const ClipboardUnavailable&) {
        // A manual capture has told the user; the monitor tries again.
        return byMonitor ? TCaptureResult::Busy : TCaptureResult::Failed;
    } catch (const std::bad_alloc&) {
        ListBox2.clear();
        ui_.Message(u"メモリが足りないため、クリップボードのデータを取り込めませんでした。");
        return TCaptureResult::Failed;
    }
}

void TForm1::CaptureNewClip(bool byMonitor) {
    if (!JCF) return;
    // Nothing is opened unless the clipboard has changed since it was last read and holds
    // Jw_cad's three formats.
    const std::uint32_t sequence = clipboards_.ClipSequence();
    if (byMonitor && sequence == SeenSequence) return;
    if (clipboards_.ClipFormatCount() <= 2 || !RegisterJwwFormats()) {
        SeenSequence = sequence;
        return;
    }
    const std::array<std::uint32_t, 3> ids{HD0, HD1, HD2};
    if (!std::all_of(ids.begin(), ids.end(), [this](std::uint32_t id) { return clipboards_.ClipHasFormat(id); })) {
        SeenSequence = sequence;
        return;
    }
    // The blocks are copied in one opening; the comparison and the files come after it is closed.
    const std::vector<std::optional<ClipBlock>> blocks = clipboards_.ClipReadAll(ids, byMonitor);
    SeenSequence = sequence;
    ListBox1.clear();
    for (std::size_t q = 0; q < ids.size(); ++q) {
        if (blocks[q] && !blocks[q]->empty()) ListBox1.push_back(FormatEntry(ids[q], blocks[q]->size()));
    }
    if (ListBox1.size() != 3 || IsSameClip(*blocks[1])) return;

    CursorShown busy(view_, TPaletteCursor::Busy);
    const std::u16string name = NewClipName(0);
    ListBox2 = ListBox1;
    bool written = true;
    for (int q = 0; q < 3; ++q) {
        written = WriteFileChunked(WorkingCopy(q), *blocks[static_cast<std::size_t>(q)], Clipboards::kChunk) && written;
        if (FileThere(WorkingCopy(q)))
            written = FileCopy(WorkingCopy(q), TempPath / (name + u"." + char16_t(u'0' + q))) && written;
    }
    if (!written && !WriteFailureReported) {
        // Said once a session: every later capture would fail the same way.
        WriteFailureReported = true;
        ui_.Message(u"クリップをフォルダ " + TempPath.u16string() + u" に保存できませんでした。");
    }
    if (FileThere(WorkingCopy(1)) && JCF->FileCheck(WorkingCopy(1))) {
        WorkPageAdd(name);
        MakeClipImage(1, 0, name);
        if (TranAut == 1) TransferClip(0, 0);
        return;
    }
    ListBox2.clear();
    DeleteClipFiles(TempPath, u"prev");
    DeleteClipFiles(TempPath, name);
    HD0 = HD1 = HD2 = 0;
}

bool TForm1::SameFormatsAsLast() const {
    if (ListBox1.size() != ListBox2.size() || ListBox1.size() < 2) return false;
    for (std::size_t i = 0; i < ListBox1.size(); ++i) {
        const auto now = FormatIdOf(ListBox1[i]);
        const auto last = FormatIdOf(ListBox2[i]);
        if (!now || !last || *now != *last) return false;
    }
    return *FormatIdOf(ListBox1[1]) != 0;
}

bool TForm1::IsSameClip() {
    return SameFormatsAsLast() && clipboards_.ClipSameAsFile(*FormatIdOf(ListBox1[1]), WorkingCopy(1));
}

bool TForm1::IsSameClip(std::span<const std::uint8_t> jwWin) const {
    return SameFormatsAsLast() && FileIsPrefixOf(WorkingCopy(1), jwWin, Clipboards::kChunk);
}

}  // namespace torvane
