#include "app/form7.h"

#include "util/numbers.h"

namespace torvane {
namespace {

constexpr std::u16string_view kTitleEnd = u" - jw_win";
constexpr std::u16string_view kHandleMark = u"　H:";
constexpr int kPreviewMs = 300;

}  // namespace

void TForm7::FormShow(TForm7View& view) {
    OKflag = false;
    S_HND = 0;
    Entries.clear();
    for (const TopLevelWindow& window : windows_.Enumerate()) {
        const std::size_t end = window.title.find(kTitleEnd);
        if (!window.visible || window.owner != 0 || end == std::u16string::npos) continue;
        Entries.push_back(window.title.substr(0, end) + std::u16string(kHandleMark) + IntStr(window.handle));
    }
    view.SetEntries(Entries);
}

std::optional<WindowHandle> TForm7::SelectedHandle(TForm7View& view) const {
    const int index = view.SelectedIndex();
    if (index < 0 || index >= static_cast<int>(Entries.size())) return std::nullopt;
    const std::u16string& entry = Entries[static_cast<std::size_t>(index)];
    // The handle follows the last mark: a drawing name may hold the mark too.
    const std::size_t mark = entry.rfind(kHandleMark);
    if (mark == std::u16string::npos) return std::nullopt;
    return ValInt(std::u16string_view(entry).substr(mark + kHandleMark.size()));
}

void TForm7::ListBox1Click(TForm7View& view) {
    const std::optional<WindowHandle> handle = SelectedHandle(view);
    if (!handle || *handle == 0 || !windows_.IsWindow(*handle)) return;
    if (windows_.IsMinimized(*handle)) windows_.Restore(*handle);
    windows_.BringToFront(*handle);
    view.Pause(kPreviewMs);
    view.BringToFront();
}

void TForm7::OkClick(TForm7View& view) {
    if (const std::optional<WindowHandle> handle = SelectedHandle(view)) Choose(view, *handle);
}

void TForm7::CancelClick(TForm7View& view) {
    OKflag = false;
    view.Close();
}

void TForm7::NoneClick(TForm7View& view) { Choose(view, 0); }

void TForm7::LastJwwClick(TForm7View& view) { Choose(view, -1); }

void TForm7::Choose(TForm7View& view, WindowHandle handle) {
    OKflag = true;
    S_HND = handle;
    view.Close();
}

}  // namespace torvane
