#include "browse/form5.h"

#include <algorithm>

#include "browse/file_list_sort.h"
#include "util/files.h"

namespace torvane {
TForm5::TForm5(TForm5View& view, UiServices& ui, TJwsData& JWS, TJwkData& JWK, DeviceFactory device)
    : view_(view), ui_(ui), jws_(JWS), jwk_(JWK), painter_(ui, std::move(device)),
      grid_(view, painter_, PictureCount) {
    painter_.JWS = &JWS;
    painter_.JWK = &JWK;
    painter_.JWW = &jww_;
    painter_.Status = [this](std::u16string_view text) { view_.SetStatus(text); };
}

void TForm5::FormShow() {
    Bk = TSharedView::Current();
    ImageNo = -1;
    ImageFN.clear();
    ImgX = std::clamp(S_IX, 1, 5);
    ImgY = std::clamp(S_IY, 1, 5);
    SortUpDown = false;
    OKflag = false;
    FileType = std::clamp(S_P1, 0, FileTypeAll);
    painter_.BackColor = S_P3;
    view_.SetFileType(FileType);
    view_.SetGridChoice(ImgX, ImgY);
    view_.SetScrollSteps(ImgX, ImgX * ImgY);
    Folder = FolderThere(S_P2) ? S_P2 : S_AP;
    view_.ShowFolder(Folder);
    FileTypeChange(FileType);
}

void TForm5::FormClose() {
    Bk.Restore();
    jwk_.DataFree();
    jws_.DataFree();
    jww_.DataFree();
}

void TForm5::FileTypeChange(int item) {
    FileType = std::clamp(item, 0, FileTypeAll);
    ReadFolder();
}

void TForm5::FolderChange(const std::filesystem::path& folder) {
    Folder = folder;
    ReadFolder();
}

bool TForm5::DriveChange(const std::filesystem::path& root) {
    if (!FolderThere(root)) {
        ui_.Message(u"選択したドライブの準備が出来ていません");
        return false;
    }
    FolderChange(root);
    return true;
}

void TForm5::ReadFolder() {
    grid_.SetFiles(ListFigureFiles(Folder, FileType));
    ListRows = FileListRows(grid_.Files);
    view_.SetListRows(ListRows);
    LayOutThumbnails();
}

void TForm5::GridChange(int columnItem, int rowItem) {
    ImgX = std::clamp(columnItem + 1, 1, 5);
    ImgY = std::clamp(rowItem + 1, 1, 5);
    const TScrollSteps steps = GridScrollSteps(ImgX, ImgY, static_cast<int>(grid_.Files.size()));
    view_.SetScrollSteps(steps.Small, steps.Large);
    LayOutThumbnails();
}

void TForm5::Resize() { LayOutThumbnails(); }

void TForm5::LayOutThumbnails() {
    grid_.Columns = ImgX;
    grid_.Rows = ImgY;
    grid_.LayOut();
}

void TForm5::ScrollChange(int position) { grid_.ScrollTo(position); }

void TForm5::ThumbnailClick(int tag) {
    if (const TFigureFile* file = grid_.FileAt(tag)) {
        ImageNo = grid_.Position + tag;
        ImageFN = file->Name;
    }
}

void TForm5::ThumbnailDoubleClick(int tag) {
    ThumbnailClick(tag);
    OkClick();
}

void TForm5::ListMouseDown(int x, int row, std::span<const int> columnWidths, int gridLineWidth, int leftColumn) {
    if (row != 0) return;
    const int column = ListColumnAt(x, columnWidths, gridLineWidth, leftColumn);
    if (column < 0) return;
    SortListRows(ListRows, column, SortUpDown);
    SortUpDown = !SortUpDown;
    view_.SetListRows(ListRows);
}

void TForm5::ListRowClick(int row) {
    if (row < 1 || row > static_cast<int>(ListRows.size())) return;
    ImageFN = ListRows[row - 1][0];
    if (!ImageFN.empty()) ImageNo = row;
}

void TForm5::ListRowDoubleClick(int row) {
    ListRowClick(row);
    OkClick();
}

void TForm5::OkClick() {
    if (ImageNo == -1) {
        ui_.Message(u"図形が選択されていません。");
        return;
    }
    OKflag = true;
    S_P1 = FileType;
    S_P2 = Folder;
    S_PO = Folder / PathOfText(ImageFN);
    S_IX = ImgX;
    S_IY = ImgY;
    view_.CloseDialog();
}

void TForm5::CancelClick() {
    OKflag = false;
    view_.CloseDialog();
}

}  // namespace torvane
