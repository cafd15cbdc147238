#include "app/palette_layout.h"

#include <algorithm>

namespace torvane {

TPaletteLayout LayoutPalette(int clientWidth, int clientHeight, int SwSize) {
    const int s = SwSize;
    TPaletteLayout layout;
    layout.Portrait = clientWidth < clientHeight;
    const int backHeight = std::max(clientHeight - BottomStripHeight, 0);
    layout.Background = {0, 0, clientWidth, backHeight};
    layout.BottomStrip = {0, backHeight, clientWidth, clientHeight - backHeight};
    layout.Indicator = {4, 4, 10, 10};
    // Command buttons on a grid of cells S + 2 pixels apart from (4, 4): (column, row) of each.
    // The page buttons read 0 1 over 2 3 either way.
    using Cells = std::array<std::array<int, 2>, 9>;
    constexpr Cells kLandscape{{{1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}, {0, 4}, {1, 4}}};
    constexpr Cells kPortrait{{{0, 1}, {1, 0}, {2, 0}, {1, 1}, {2, 1}, {3, 0}, {3, 1}, {4, 0}, {4, 1}}};
    auto cell = [s](int k) { return 4 + k * (s + 2); };
    const Cells& cells = layout.Portrait ? kPortrait : kLandscape;
    for (std::size_t i = 0; i < cells.size(); ++i) layout.Buttons[i] = {cell(cells[i][0]), cell(cells[i][1]), s, s};
    const int labelAt = 5 * s + 14;
    layout.PageLabel = layout.Portrait ? TRect{labelAt, 4, 2 * s + 2, 16} : TRect{4, labelAt, 2 * s + 2, 16};
    const int band = 2 * s + 8;
    layout.ClipField = layout.Portrait
                           ? TRect{4, band, std::max(clientWidth - 8, 0), std::max(backHeight - 2 * s - 12, 0)}
                           : TRect{band, 4, std::max(clientWidth - 2 * s - 12, 0), std::max(backHeight - 8, 0)};
    return layout;
}

TRect ClipButtonRect(int n, int BtnXn, int BtnWi, int BtnHe, int scrollX, int scrollY) {
    const int i = (n - 1) / BtnXn;
    const int j = (n - 1) % BtnXn;
    return {BtnWi * j - scrollX, BtnHe * i - scrollY, BtnWi, BtnHe};
}

TRect ClipPictureRect(int BtnWi, int BtnHe) {
    return {ClipBevel, ClipBevel, std::max(BtnWi - 2 * ClipBevel, 0), std::max(BtnHe - 2 * ClipBevel, 0)};
}

TSize ClipFieldContent(int BtnXn, int BtnYn, int BtnWi, int BtnHe) { return {BtnXn * BtnWi, BtnYn * BtnHe}; }

}  // namespace torvane
