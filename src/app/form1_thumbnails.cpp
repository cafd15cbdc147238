#include "app/clip_names.h"
#include "app/cursor_shown.h"
#include "app/form1.h"
#include "app/form1_globals.h"
#include "render/thumbnail.h"

namespace torvane {

void TForm1::MakeClipImage(int button, int page, const std::u16string& name) {
    // The button shows the page shown; a clip of another page only gets its file.
    const bool shown = page == CurPage && button >= 1 && button <= BtnNum;
    if (shown) view_.ClearButtonImage(button);
    if (!JCF || page < 0 || page >= PageCount || !IsPlainClipName(name)) return;
    const TRect picture = ClipPictureRect(BtnWi, BtnHe);
    const auto bitmap = ClipFile(PageFolders[page], name, ".bmp");
    if (!MakeThumbnail(*JCF, ClipFile(PageFolders[page], name, ".1"), bitmap, picture.Width, picture.Height,
                       BackColorNo, services_.device))
        return;
    if (shown) view_.LoadButtonImage(button, bitmap);
}

void TForm1::RegenerateThumbnails() {
    if (!ui_.Confirm(u"このページのクリップ画像を再生成します。時間が掛かりますが本当によろしいですか？")) return;
    // No window messages are handled meanwhile: only Escape, read from the keyboard, stops it.
    CursorShown busy(view_, TPaletteCursor::Busy);
    for (int row = 0; row < BtnNum && row < ClipRows; ++row) {
        const std::u16string& name = StringGrid1[CurPage][row];
        if (services_.keyboard.IsHeld(Keyboard::kEscape) || name.empty()) break;
        MakeClipImage(row + 1, CurPage, name);
    }
}

}  // namespace torvane
