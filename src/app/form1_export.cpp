#include "app/clip_names.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "convert/figure_export.h"
#include "util/files.h"

namespace torvane {

void TForm1::MnuZukeiSaveClick() {
    const std::optional<std::u16string> name = ContextClipName();
    if (!name || !JCF) return;
    // The figure is taken before the dialog opens: a capture meanwhile may move the clip away.
    const std::optional<std::string> jws =
        IsPlainClipName(*name) ? JCLFtoJWS(*JCF, ClipFile(PageFolders[CurPage], *name, ".1")) : std::nullopt;
    if (!jws) {
        ui_.Message(u"クリップ " + *name + u" の図形を読み込めませんでした。");
        return;
    }
    const std::filesystem::path lastFolder = PathOfText(ZukeiFold);
    const TSaveFileRequest request{u"JW図形 (*.jws)", u"*.jws", FolderThere(lastFolder) ? lastFolder : AppPath, *name};
    BeforeModal();
    const std::optional<std::filesystem::path> file = services_.saveDialog.AskSaveFile(request);
    AfterModal();
    if (file && !WriteFileAtomic(*file, *jws)) {
        ui_.Message(u"図形ファイル " + PathText(*file) + u" に保存できませんでした。");
    }
}

}  // namespace torvane
