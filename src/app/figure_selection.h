#pragma once
#include <filesystem>

namespace torvane {

// What the figure selection dialog is given and gives back.
struct TFigureSelection {
    std::filesystem::path S_AP;  // fallback folder (the application folder)
    int S_P1 = 0;                // file type choice: 0 "*.jwk", 1 "*.jws", 2 both, 3 "*.jww", 4 all
    std::filesystem::path S_P2;  // folder shown first; after OK the chosen file's folder
    int S_P3 = 0;                // thumbnail background: 0 white, 1 black
    std::filesystem::path S_PO;  // after OK the chosen file
    int S_IX = 5;                // thumbnail columns and rows, 1 to 5
    int S_IY = 5;
};

}  // namespace torvane
