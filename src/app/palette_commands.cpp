#include "app/palette_commands.h"

namespace torvane {
namespace {

using C = TPaletteCommand;

// An item: a command, or a submenu when `submenu` is given.
constexpr TMenuItem Item(std::u16string_view caption, C command, bool clip = false, bool separatorAfter = false,
                         std::span<const TMenuItem> submenu = {}) {
    return {caption, command, clip, separatorAfter, submenu};
}

constexpr TCommandButton Button(std::u16string_view caption, std::u16string_view tooltip, C command,
                                bool opensMenu = true) {
    return {caption, tooltip, command, opensMenu};
}

constexpr std::array<TMenuItem, 4> kPages{
    Item(u"WorkPage (&0)", C::Page0),
    Item(u"Page1 (&1)", C::Page1),
    Item(u"Page2 (&2)", C::Page2),
    Item(u"Page3 (&3)", C::Page3),
};

constexpr std::array<TMenuItem, 6> kCopies{
    Item(u"Page1の最後へコピー (&1)", C::CopyToEnd1, true),
    Item(u"Page2の最後へコピー (&2)", C::CopyToEnd2, true),
    Item(u"Page3の最後へコピー (&3)", C::CopyToEnd3, true, true),
    Item(u"Page1の最初へコピー (&4)", C::CopyToStart1, true),
    Item(u"Page2の最初へコピー (&5)", C::CopyToStart2, true),
    Item(u"Page3の最初へコピー (&6)", C::CopyToStart3, true),
};

constexpr std::array<TMenuItem, 20> kMenu{
    Item(u"監視開始 (&S)", C::MonitorStart),
    Item(u"監視終了 (&E)", C::MonitorStop),
    Item(u"ページ切替 (&P)", C::None, false, false, kPages),
    Item(u"Jw_cad指定 (&J)", C::JwwSelect),
    Item(u"図形ブラウザ (&W)", C::FigureBrowser),
    Item(u"手動取込 (&G)", C::ManualCapture),
    Item(u"図形データ読込 (&Z)", C::FigureImport, true, true),
    Item(u"クリップボード転送 (&C)", C::ClipTransfer, true),
    Item(u"前へ移動 (&M)", C::MovePrior, true),
    Item(u"後へ移動 (&B)", C::MoveBack, true),
    Item(u"最初へ (&F)", C::MoveFirst, true),
    Item(u"最後へ (&L)", C::MoveLast, true),
    Item(u"他ページへコピー (&V)", C::None, true, false, kCopies),
    Item(u"別窓表示 (&W)", C::ClipView, true),
    Item(u"図形ファイルに保存 (&H)", C::SaveFigure, true, true),
    Item(u"削　除 (&D)", C::ClipDelete, true, true),
    Item(u"クリップ検索 (&K)", C::ClipSearch),
    Item(u"設　定 (&T)", C::Settings, false, true),
    Item(u"クリップ画像の再生成(&R)", C::Regenerate, false, true),
    Item(u"終　了 (&X)", C::Exit),
};

constexpr std::array<TCommandButton, CommandButtonCount> kButtons{
    Button(u"▽", u"手動取込", C::ManualCapture),
    Button(u"0", u"Page 0", C::Page0),
    Button(u"1", u"Page 1", C::Page1),
    Button(u"2", u"Page 2", C::Page2),
    Button(u"3", u"Page 3", C::Page3),
    Button(u"Ｚ", u"図形ブラウザ", C::FigureBrowser, false),
    Button(u"Ｊ", u"Jw_cad指定", C::JwwSelect, false),
    Button(u"◆", u"設定", C::Settings),
    Button(u"×", u"終了", C::Exit),
};

bool HasClipItem(std::span<const TMenuItem> items, C command) {
    for (const TMenuItem& item : items) {
        if ((item.ClipItem && item.Command == command) || HasClipItem(item.Submenu, command)) return true;
    }
    return false;
}

}  // namespace

std::span<const TMenuItem> PaletteMenu() { return kMenu; }

bool IsClipCommand(TPaletteCommand command) { return command != C::None && HasClipItem(kMenu, command); }

const std::array<TCommandButton, CommandButtonCount>& PaletteCommandButtons() { return kButtons; }

}  // namespace torvane
