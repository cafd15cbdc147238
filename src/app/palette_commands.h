#pragma once
#include <array>
#include <span>
#include <string_view>

namespace torvane {

// Every command of the palette's menu and command buttons.
enum class TPaletteCommand {
    None,  // a submenu's own item
    MonitorStart,
    MonitorStop,
    Page0,
    Page1,
    Page2,
    Page3,
    JwwSelect,
    FigureBrowser,
    ManualCapture,
    FigureImport,
    ClipTransfer,
    MovePrior,
    MoveBack,
    MoveFirst,
    MoveLast,
    CopyToEnd1,
    CopyToEnd2,
    CopyToEnd3,
    CopyToStart1,
    CopyToStart2,
    CopyToStart3,
    ClipView,
    SaveFigure,
    ClipDelete,
    ClipSearch,
    Settings,
    Regenerate,
    Exit,
};

// One item of the popup menu. Clip items act on the clip button the menu was opened on and
// are enabled only then.
struct TMenuItem {
    std::u16string_view Caption;
    TPaletteCommand Command = TPaletteCommand::None;
    bool ClipItem = false;
    bool SeparatorAfter = false;
    std::span<const TMenuItem> Submenu;
};

// The popup menu in menu order.
std::span<const TMenuItem> PaletteMenu();

// Whether a command acts on the clip the menu was opened on (a clip item of the menu).
bool IsClipCommand(TPaletteCommand command);

// Whether an item is enabled when the menu was opened on a clip button (clipContext) or not.
inline bool MenuItemEnabled(const TMenuItem& item, bool clipContext) { return clipContext || !item.ClipItem; }

// One of the nine command buttons.
struct TCommandButton {
    std::u16string_view Caption;
    std::u16string_view Tooltip;
    TPaletteCommand Command = TPaletteCommand::None;
    bool OpensMenu = true;  // a right click opens the popup menu
};

inline constexpr int CommandButtonCount = 9;

// "▽" "0" "1" "2" "3" "Ｚ" "Ｊ" "◆" "×", in the order of the layout's buttons.
const std::array<TCommandButton, CommandButtonCount>& PaletteCommandButtons();

}  // namespace torvane
