#include <algorithm>
#include <string>
#include <system_error>

#include "app/clip_names.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "util/files.h"

namespace torvane {
namespace {

// Last non-empty row among rows 0 to end - 1 of a page; -1 when they are all empty.
int LastUsedRow(const std::array<std::u16string, ClipRows>& page, int end) {
    for (int row = end - 1; row >= 0; --row) {
        if (!page[row].empty()) return row;
    }
    return -1;
}

std::u16string PageFullMessage(int page) {
    return u"Page " + std::u16string(1, static_cast<char16_t>(u'0' + page)) + u" は既に一杯ですのでコピー出来ません";
}

}  // namespace

int TForm1::ContextRow() const {
    if (MenuContext < 1 || MenuContext > ClipRows) return -1;
    return MenuContext - 1;
}

void TForm1::ReloadThumbnail(int row) {
    if (row < 0 || row >= BtnNum || row >= ClipRows) return;
    view_.ClearButtonImage(row + 1);
    const std::u16string& name = StringGrid1[CurPage][row];
    if (!IsPlainClipName(name)) return;
    const auto bitmap = ClipFile(PageFolders[CurPage], name, ".bmp");
    std::error_code error;
    if (std::filesystem::is_regular_file(bitmap, error)) view_.LoadButtonImage(row + 1, bitmap);
}

void TForm1::ReloadAllThumbnails() {
    for (int button = 1; button <= BtnNum; ++button) {
        view_.SetButtonRaised(button);
        ReloadThumbnail(button - 1);
        view_.ProcessMessages();
    }
}

void TForm1::PageSwitch(int page) {
    if (page == CurPage || page < 0 || page >= PageCount) return;
    MonitorStop();
    CurPage = page;
    PreBtnNo = 0;
    ReloadAllThumbnails();
    view_.SetPageLabel(u"P" + std::u16string(1, static_cast<char16_t>(u'0' + page)));
    if (KanClip == 1) MonitorStart();
}

void TForm1::ClipMovePrior() {
    const int row = ContextRow();
    if (row < 1) return;
    std::swap(StringGrid1[CurPage][row], StringGrid1[CurPage][row - 1]);
    ReloadThumbnail(row - 1);
    ReloadThumbnail(row);
}

void TForm1::ClipMoveBack() {
    const int row = ContextRow();
    if (row < 0 || MenuContext == BtnNum || row + 1 >= ClipRows) return;
    auto& page = StringGrid1[CurPage];
    if (page[row + 1].empty()) return;
    std::swap(page[row], page[row + 1]);
    ReloadThumbnail(row);
    ReloadThumbnail(row + 1);
}

void TForm1::ClipMoveFirst() {
    const int row = ContextRow();
    if (row < 1) return;
    auto& page = StringGrid1[CurPage];
    std::rotate(page.begin(), page.begin() + row, page.begin() + row + 1);
    for (int k = 0; k <= row; ++k) ReloadThumbnail(k);
}

void TForm1::ClipMoveLast() {
    const int row = ContextRow();
    if (row < 0 || MenuContext == BtnNum) return;
    auto& page = StringGrid1[CurPage];
    const int last = LastUsedRow(page, std::min(BtnNum, ClipRows));
    if (last <= 0 || row >= last) return;
    std::rotate(page.begin() + row, page.begin() + row + 1, page.begin() + last + 1);
    for (int k = row; k <= last; ++k) ReloadThumbnail(k);
}

std::optional<std::u16string> TForm1::ContextClipName() const {
    const int row = ContextRow();
    if (row < 0 || StringGrid1[CurPage][row].empty()) {
        ui_.Beep();
        return std::nullopt;
    }
    return StringGrid1[CurPage][row];
}

void TForm1::CopyClipFiles(const std::u16string& from, int page, const std::u16string& to) const {
    for (const char* extension : ClipExtensions) {
        const auto source = ClipFile(PageFolders[CurPage], from, extension);
        if (FileThere(source)) FileCopy(source, ClipFile(PageFolders[page], to, extension));
    }
}

void TForm1::ClipCopyToEnd(int page) {
    if (page < 1 || page >= PageCount) return;
    const std::optional<std::u16string> name = ContextClipName();
    if (!name) return;
    auto& target = StringGrid1[page];
    const int last = LastUsedRow(target, ClipRows);
    if (last == ClipRows - 1) {
        ui_.Beep();
        ui_.Message(PageFullMessage(page));
        return;
    }
    const int newRow = last + 1;
    const std::u16string newName = NewClipName(page);
    target[newRow] = newName;
    CopyClipFiles(*name, page, newName);
    if (page == CurPage && newRow < BtnNum) ReloadThumbnail(newRow);
    if (newRow >= BtnNum) ui_.Message(u"コピーしたデータは表示数をオーバーして見えませんので注意して下さい");
}

void TForm1::ClipCopyToStart(int page) {
    if (page < 1 || page >= PageCount) return;
    const std::optional<std::u16string> name = ContextClipName();
    if (!name) return;
    auto& target = StringGrid1[page];
    if (!target[ClipRows - 1].empty()) {
        ui_.Beep();
        ui_.Message(PageFullMessage(page));
        return;
    }
    const std::u16string newName = NewClipName(page);
    std::move_backward(target.begin(), target.end() - 1, target.end());
    target[0] = newName;
    CopyClipFiles(*name, page, newName);
    if (page == CurPage) ReloadAllThumbnails();
}

void TForm1::ClipDelete() {
    const int row = ContextRow();
    if (row < 0) return;
    auto& page = StringGrid1[CurPage];
    const std::u16string name = page[row];
    if (name.empty()) return;
    std::move(page.begin() + row + 1, page.end(), page.begin() + row);
    page[ClipRows - 1].clear();
    DeleteClipFiles(PageFolders[CurPage], name);
    ClipTexts.Forget(CurPage, name);
    for (int k = row; k < BtnNum; ++k) ReloadThumbnail(k);
}

void TForm1::WorkPageAdd(const std::u16string& name) {
    auto& page = StringGrid1[0];
    DeleteClipFiles(TempPath, page[ClipRows - 1]);
    ClipTexts.Forget(0, page[ClipRows - 1]);
    std::move_backward(page.begin(), page.end() - 1, page.end());
    page[0].clear();
    if (CurPage == 0) {
        for (int k = 1; k < ClipRows; ++k) ReloadThumbnail(k);
    }
    page[0] = name;
}

std::u16string TForm1::NewClipName(int page) const {
    const auto& names = StringGrid1[page];
    LocalTime time = clock_.Now();
    for (;;) {
        std::u16string name = ClipNameOfTime(time);
        if (std::find(names.begin(), names.end(), name) == names.end() && !ClipFilesExist(PageFolders[page], name))
            return name;
        time = NextSecond(time);
    }
}

}  // namespace torvane
