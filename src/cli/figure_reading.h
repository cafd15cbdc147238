#pragma once
#include <filesystem>
#include <ostream>

#include "figure/figure_kind.h"

namespace torvane::cli {

// FileCheck of the kind's document.
bool CheckFigure(FigureKind kind, const std::filesystem::path& file);

// FileCheck and FileIn of the kind's document (and GetMinMaxZahyo when `extents`), written to
// `out` as the JSON text of dump while the document is visited. FileIn's result.
bool DumpFigure(FigureKind kind, const std::filesystem::path& file, bool extents, std::ostream& out);

}  // namespace torvane::cli
