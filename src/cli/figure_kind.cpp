#include "cli/figure_kind.h"

#include <string_view>

#include "figure/figure_file.h"

namespace torvane::cli {

std::optional<FigureKind> ParseFigureKind(const std::string& name) {
    if (name == "jcf") return FigureKind::Jcf;
    if (name == "jws") return FigureKind::Jws;
    if (name == "jwk") return FigureKind::Jwk;
    return std::nullopt;
}

FigureKind DetectFigureKind(const std::filesystem::path& file) {
    constexpr std::string_view kJws = "JwsData";
    constexpr std::string_view kJwk = "jw_cad(c)sym";
    const std::string head = ReadFileBytes(file, kJwk.size()).value_or(std::string());
    if (head.starts_with(kJws)) return FigureKind::Jws;
    if (head.starts_with(kJwk)) return FigureKind::Jwk;
    return FigureKind::Jcf;
}

const char* FigureKindName(FigureKind kind) {
    switch (kind) {
        case FigureKind::Jws: return "jws";
        case FigureKind::Jwk: return "jwk";
        default: return "jcf";
    }
}

const char* FigureKindDescription(FigureKind kind) {
    switch (kind) {
        case FigureKind::Jws: return "JWS figure file";
        case FigureKind::Jwk: return "JWK figure file";
        default: return "figure stream";
    }
}

}  // namespace torvane::cli
