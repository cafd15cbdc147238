#pragma once
#include <filesystem>
#include <string>

#include "figure/figure_kind.h"

namespace torvane::cli {

// FileCheck of the kind's document.
bool CheckFigure(FigureKind kind, const std::filesystem::path& file);

// FileCheck and FileIn of the kind's document (and GetMinMaxZahyo when `extents`), as the
// JSON text of dump. `read` tells FileIn's result.
std::string DumpFigure(FigureKind kind, const std::filesystem::path& file, bool extents, bool& read);

}  // namespace torvane::cli
