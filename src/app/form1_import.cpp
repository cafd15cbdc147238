#include "app/clip_names.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "convert/figure_import.h"
#include "util/files.h"

namespace torvane {

void TForm1::MnuZukeiClick() {
    if (ContextRow() < 0) return;
    TFigureSelection selection;
    selection.S_AP = AppPath;
    selection.S_P1 = ZukeiType;
    selection.S_P2 = PathOfText(ZukeiFold);
    selection.S_P3 = BackColorNo;
    selection.S_IX = ZukeiImgX;
    selection.S_IY = ZukeiImgY;
    BeforeModal();
    const bool chosen = view_.ShowFigureSelectDialog(selection);
    AfterModal();
    if (!chosen) return;
    ZukeiType = selection.S_P1;
    ZukeiFold = PathText(selection.S_P2);
    ZukeiImgX = selection.S_IX;
    ZukeiImgY = selection.S_IY;
    // The dialog's time may have moved the rows: the import goes over the clip the menu was opened on.
    if (selection.S_PO.empty() || !JCF || !FollowMenuClip()) return;
    const std::optional<int> target = ImportRow(ContextRow());
    if (!target) return;
    const std::optional<FigureKind> kind = ReadFigureFile(selection.S_PO);
    if (!kind) return;
    const std::u16string name = NewClipName(CurPage);
    StringGrid1[CurPage][*target] = name;
    const std::filesystem::path& folder = PageFolders[CurPage];
    for (const char* extension : {".0", ".2"}) {
        const auto working = ClipFile(TempPath, u"prev", extension);
        if (FileThere(working)) FileCopy(working, ClipFile(folder, name, extension));
    }
    ConvertFigure(*kind, ClipFile(folder, name, ".1"));
    MakeClipImage(*target + 1, CurPage, name);
}

std::optional<int> TForm1::ImportRow(int row) const {
    const auto& rows = StringGrid1[CurPage];
    if (!rows[row].empty()) return row;
    if (!rows[ClipRows - 1].empty()) return std::nullopt;
    int last = ClipRows - 2;
    while (last >= 0 && rows[last].empty()) --last;
    return last + 1;
}

std::optional<FigureKind> TForm1::ReadFigureFile(const std::filesystem::path& file) {
    const std::u16string ext = ExtOf(file);
    if (ext == u".jws" && JWS) {
        if (JWS->FileCheck(file) && JWS->FileIn(file)) return FigureKind::Jws;
        JWS->DataFree();
    } else if (ext == u".jwk" && JWK) {
        if (JWK->FileCheck(file) && JWK->FileIn(file)) return FigureKind::Jwk;
        JWK->DataFree();
    } else if (ext == u".jww" && JWW) {
        if (JWW->FileCheck(file) && JWW->FileIn(file)) return FigureKind::Jww;
        JWW->DataFree();
    }
    return std::nullopt;
}

bool TForm1::ConvertFigure(FigureKind kind, const std::filesystem::path& dst) {
    bool written = false;
    if (kind == FigureKind::Jws && JWS) {
        written = JCF && JWStoJCLF(*JWS, *JCF, dst);
        JWS->DataFree();
    } else if (kind == FigureKind::Jwk && JWK) {
        written = JCF && JWKtoJCLF(*JWK, *JCF, dst);
        JWK->DataFree();
    } else if (kind == FigureKind::Jww && JWW) {
        written = JCF && JWWtoJCLF(*JWW, *JCF, dst);
        JWW->DataFree();
    }
    return written;
}

}  // namespace torvane
