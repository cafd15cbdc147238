#pragma once
#include <filesystem>
#include <optional>
#include <string_view>

namespace torvane {

// The kinds of figure data: clipboard figure streams, JWS and JWK files, drawings (*.jww).
enum class FigureKind { Jcf, Jws, Jwk, Jww };

// The kind of figure data from its first bytes: "JwsData", "jw_cad(c)sym", "JwwData.", else a
// stream.
FigureKind FigureKindOfBytes(std::string_view head);
// The kind of a figure file from its first bytes; nothing when the file cannot be read.
std::optional<FigureKind> FigureKindOfFile(const std::filesystem::path& path);
// "jcf", "jws", "jwk" or "jww"; nothing for any other name.
std::optional<FigureKind> FigureKindOfName(std::string_view name);
// The name of a kind: "jcf", "jws", "jwk" or "jww".
const char* FigureKindName(FigureKind kind);

}  // namespace torvane
