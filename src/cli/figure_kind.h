#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace torvane::cli {

// The three kinds of figure data the commands read.
enum class FigureKind { Jcf, Jws, Jwk };

// The kind named on the command line ("jcf", "jws", "jwk"), nothing for any other text.
std::optional<FigureKind> ParseFigureKind(const std::string& name);
// The kind a file's first bytes show: "JwsData", "jw_cad(c)sym", otherwise a figure stream.
FigureKind DetectFigureKind(const std::filesystem::path& file);
const char* FigureKindName(FigureKind kind);
// "figure stream", "JWS figure file" or "JWK figure file".
const char* FigureKindDescription(FigureKind kind);

}  // namespace torvane::cli
