#pragma once
#include <array>

namespace torvane {

// A rectangle in pixels of its parent's client area.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TRect&) const = default;
};

// Height of the bottom strip (scale, angle, the two check boxes).
inline constexpr int BottomStripHeight = 21;
// Smallest width and height of the palette.
inline constexpr int PaletteMinimumSide = 16;
// Thickness of a clip button's bevel; its picture is inset by it on every side.
inline constexpr int ClipBevel = 3;
// Thickness of the clip field's scroll bars.
inline constexpr int ScrollBarSize = 12;

// Where the palette's parts lie for a client area: landscape (width >= height) keeps the
// commands in a column two buttons wide on the left, portrait in a band two buttons high on top.
struct TPaletteLayout {
    bool Portrait = false;
    TRect Background;                   // the window above the bottom strip
    TRect Indicator;                    // monitor indicator, 10 x 10
    std::array<TRect, 9> Buttons;       // "▽" "0" "1" "2" "3" "Ｚ" "Ｊ" "◆" "×"
    TRect PageLabel;                    // its top-left corner; it sizes itself to its text
    TRect ClipField;                    // scrolling field of the clip buttons
    TRect BottomStrip;
    bool operator==(const TPaletteLayout&) const = default;
};

TPaletteLayout LayoutPalette(int clientWidth, int clientHeight, int SwSize);

// Clip button n (1-based, row by row, BtnXn per row) inside the clip field scrolled to
// (scrollX, scrollY).
TRect ClipButtonRect(int n, int BtnXn, int BtnWi, int BtnHe, int scrollX, int scrollY);

// Its picture inside the button: the bevel left out.
TRect ClipPictureRect(int BtnWi, int BtnHe);

// Size of everything the clip field holds (for its scroll ranges).
struct TSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TSize&) const = default;
};
TSize ClipFieldContent(int BtnXn, int BtnYn, int BtnWi, int BtnHe);

}  // namespace torvane
