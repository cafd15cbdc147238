#include "browse/form6.h"

#include <algorithm>

#include "app/form1_globals.h"
#include "browse/figure_files.h"
#include "browse/recent_folders.h"
#include "util/files.h"

namespace torvane {

TForm6::TForm6(TForm6View& view, TForm1& form, UiServices& ui, DeviceFactory device)
    : view_(view), form_(form), ui_(ui), painter_(ui, std::move(device)), grid_(view, painter_, PictureCount) {}

void TForm6::FormShow() {
    S_TmpPath = TempPath;
    form_.ZukeiBrwT = std::clamp(form_.ZukeiBrwT, 0, FileTypeAll);
    form_.ZukeiBrwX = std::clamp(form_.ZukeiBrwX, 1, 10);
    form_.ZukeiBrwY = std::clamp(form_.ZukeiBrwY, 1, PictureCount / form_.ZukeiBrwX);
    view_.SetFileType(form_.ZukeiBrwT);
    view_.SetScrollSteps(form_.ZukeiBrwX, form_.ZukeiBrwX * form_.ZukeiBrwY);
    view_.SetGridChoice(form_.ZukeiBrwX, form_.ZukeiBrwY);
    const auto& folders = form_.BrowserFolders;
    const bool chosen = form_.ZukeiBrwF >= 0 && form_.ZukeiBrwF < static_cast<int>(folders.size());
    Zpath = chosen ? PathOfText(folders[form_.ZukeiBrwF]) : std::filesystem::path();
    view_.SetFolderList(folders, chosen ? form_.ZukeiBrwF : -1);
    ReadFolder();
    Redraw([this] { grid_.LayOut(); });
}

void TForm6::FormClose() {
    if (form_.JWK) form_.JWK->DataFree();
    if (form_.JWS) form_.JWS->DataFree();
    if (form_.JWW) form_.JWW->DataFree();
}

void TForm6::FileTypeChange(int item) {
    form_.ZukeiBrwT = std::clamp(item, 0, FileTypeAll);
    ReadFolder();
    Redraw([this] { grid_.LayOut(); });
}

void TForm6::GridChange(int columnItem, int rowItem) {
    form_.ZukeiBrwX = std::clamp(columnItem + 1, 1, 10);
    form_.ZukeiBrwY = std::clamp(rowItem + 1, 1, 10);
    if (form_.ZukeiBrwX * form_.ZukeiBrwY > PictureCount) {
        ui_.Message(u"画像数は最大30迄です");
        form_.ZukeiBrwY = PictureCount / form_.ZukeiBrwX;
        view_.SetGridChoice(form_.ZukeiBrwX, form_.ZukeiBrwY);
    }
    const TScrollSteps steps =
        GridScrollSteps(form_.ZukeiBrwX, form_.ZukeiBrwY, static_cast<int>(grid_.Files.size()));
    view_.SetScrollSteps(steps.Small, steps.Large);
    Redraw([this] { grid_.LayOut(); });
}

void TForm6::FolderChange(int index) {
    const auto& folders = form_.BrowserFolders;
    form_.ZukeiBrwF = index;
    const bool chosen = index >= 0 && index < static_cast<int>(folders.size());
    Zpath = chosen ? PathOfText(folders[index]) : std::filesystem::path();
    ReadFolder();
    Redraw([this] { grid_.LayOut(); });
}

void TForm6::BrowseClick() {
    const std::optional<std::filesystem::path> picked = view_.BrowseForFolder(Zpath);
    if (!picked) return;
    const std::u16string folder = PathText(picked->parent_path() / "");
    if (folder.empty()) return;
    AddRecentFolder(form_.BrowserFolders, folder);
    view_.SetFolderList(form_.BrowserFolders, 0);
    FolderChange(0);
}

void TForm6::Resize() {
    Redraw([this] { grid_.LayOut(); });
}

void TForm6::ScrollChange(int position) {
    Redraw([this, position] { grid_.ScrollTo(position); });
}

void TForm6::ReadFolder() { grid_.SetFiles(ListFigureFiles(Zpath, form_.ZukeiBrwT)); }

void TForm6::Redraw(const std::function<void()>& draw) {
    Bk = TSharedView::Current();
    painter_.JWS = form_.JWS.get();
    painter_.JWK = form_.JWK.get();
    painter_.JWW = form_.JWW.get();
    painter_.BackColor = BackColorNo;
    grid_.Columns = form_.ZukeiBrwX;
    grid_.Rows = form_.ZukeiBrwY;
    draw();
    Bk.Restore();
}

void TForm6::ThumbnailClick(int tag) {
    if (!form_.RegisterJwwFormats()) {
        ui_.Message(u"必ず一度はJWW上で[切取]又は[コピー]を行って下さい");
        return;
    }
    const TFigureFile* file = grid_.FileAt(tag);
    if (!file) return;
    const std::filesystem::path& path = file->Path;
    const std::u16string ext = ExtOf(path);
    if (ext != u".jws" && ext != u".jwk" && ext != u".jww") return;
    view_.SetHandCursor(true);
    const std::filesystem::path target = S_TmpPath / "prev.1";
    const std::optional<FigureKind> kind = form_.ReadFigureFile(path);
    if (kind && form_.ConvertFigure(*kind, target)) {
        form_.JCLF_Trans(target);
        form_.TransferWorkingCopies();
    }
    view_.SetHandCursor(false);
}

}  // namespace torvane
