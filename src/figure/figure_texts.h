#pragma once
#include <string>
#include <vector>

#include "figure/jwk_data.h"
#include "figure/jww_figure.h"

namespace torvane {

// Every text a figure holds, as written (text codes unexpanded), in document order: its texts
// and dimension texts, then per block definition its name and the texts and dimension texts of
// its members. Empty strings are left out.
std::vector<std::u16string> FigureTexts(const TJwwFigureData& figure);
std::vector<std::u16string> FigureTexts(const TJwkData& figure);

}  // namespace torvane
