#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "cli/figure_kind.h"

namespace torvane::cli {

// FileCheck of the kind's document; nothing when the kind cannot be read here.
std::optional<bool> CheckFigure(FigureKind kind, const std::filesystem::path& file);

// FileCheck and FileIn of the kind's document (and GetMinMaxZahyo when `extents`), as the
// JSON text of dump; nothing when the kind cannot be read here. `read` tells FileIn's result.
std::optional<std::string> DumpFigure(FigureKind kind, const std::filesystem::path& file, bool extents, bool& read);

}  // namespace torvane::cli
