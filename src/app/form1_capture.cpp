#include <array>
#include <new>
#include <string>

#include "app/clip_names.h"
#include "app/cursor_shown.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "app/format_list.h"
#include "util/files.h"

namespace torvane {
namespace {

// The working copy of format q (0 "DataObject", 1 "Jw_win", 2 "Ole Private Data").
std::filesystem::path WorkingCopy(int q) { return TempPath / ("prev." + std::to_string(q)); }

}  // namespace

void TForm1::MonitorStart() {
    monitoring_ = true;
    view_.SetMonitorIndicator(true);
    view_.SetMonitorTimer(true, Ktime);
}

void TForm1::MonitorStop() {
    monitoring_ = false;
    view_.SetMonitorTimer(false, Ktime);
    view_.SetMonitorIndicator(false);
}

void TForm1::Timer1Timer() {
    MonitorStop();
    if (CaptureClip()) MonitorStart();
}

void TForm1::ManualCapture() {
    MonitorStop();
    if (CaptureClip() && KanClip == 1) MonitorStart();
}

bool TForm1::CaptureClip() {
    try {
        CaptureNewClip();
        return true;
    } catch (const ClipboardUnavailable&) {
        // The user has been told; the monitor stays off until started again.
        return false;
    } catch (const std::bad_alloc&) {
        ListBox2.clear();
        ui_.Message(u"メモリが足りないため、クリップボードのデータを取り込めませんでした。");
        return false;
    }
}

void TForm1::CaptureNewClip() {
    if (!JCF || clipboards_.ClipFormatCount() <= 2) return;
    if (!RegisterJwwFormats()) return;
    ListBox1.clear();
    for (const std::uint32_t id : {HD0, HD1, HD2}) {
        const std::optional<std::size_t> size = clipboards_.ClipDataSize(id);
        if (size && *size != 0) ListBox1.push_back(FormatEntry(id, *size));
    }
    if (ListBox1.size() != 3 || IsSameClip()) return;

    CursorShown busy(view_, TPaletteCursor::Busy);
    const std::u16string name = NewClipName(0);
    ListBox2.clear();
    {
        ClipboardOpen open(clipboards_);
        for (int q = 0; q < 3; ++q) {
            const std::u16string& entry = ListBox1[q];
            const std::optional<std::uint32_t> id = FormatIdOf(entry);
            if (!id) continue;
            ListBox2.push_back(entry);
            clipboards_.ClipSaveFile(*id, WorkingCopy(q));
            if (FileThere(WorkingCopy(q))) FileCopy(WorkingCopy(q), TempPath / (name + u"." + char16_t(u'0' + q)));
        }
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

bool TForm1::IsSameClip() {
    if (ListBox1.size() != ListBox2.size() || ListBox1.size() < 2) return false;
    for (std::size_t i = 0; i < ListBox1.size(); ++i) {
        const auto now = FormatIdOf(ListBox1[i]);
        const auto last = FormatIdOf(ListBox2[i]);
        if (!now || !last || *now != *last) return false;
    }
    const std::uint32_t jww = *FormatIdOf(ListBox1[1]);
    return jww != 0 && clipboards_.ClipSameAsFile(jww, WorkingCopy(1));
}

}  // namespace torvane
