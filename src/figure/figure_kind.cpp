#include "figure/figure_kind.h"

#include <string>

#include "util/files.h"

namespace torvane {
namespace {

constexpr std::string_view kJwsHead = "JwsData";
constexpr std::string_view kJwkHead = "jw_cad(c)sym";
constexpr std::string_view kJwwHead = "JwwData.";

}  // namespace

FigureKind FigureKindOfBytes(std::string_view head) {
    if (head.starts_with(kJwsHead)) return FigureKind::Jws;
    if (head.starts_with(kJwkHead)) return FigureKind::Jwk;
    if (head.starts_with(kJwwHead)) return FigureKind::Jww;
    return FigureKind::Jcf;
}

std::optional<FigureKind> FigureKindOfFile(const std::filesystem::path& path) {
    const std::optional<std::string> head = ReadFileBytes(path, kJwkHead.size());
    if (!head) return std::nullopt;
    return FigureKindOfBytes(*head);
}

std::optional<FigureKind> FigureKindOfName(std::string_view name) {
    if (name == "jcf") return FigureKind::Jcf;
    if (name == "jws") return FigureKind::Jws;
    if (name == "jwk") return FigureKind::Jwk;
    if (name == "jww") return FigureKind::Jww;
    return std::nullopt;
}

const char* FigureKindName(FigureKind kind) {
    switch (kind) {
        case FigureKind::Jws: return "jws";
        case FigureKind::Jwk: return "jwk";
        case FigureKind::Jww: return "jww";
        case FigureKind::Jcf: break;
    }
    return "jcf";
}

}  // namespace torvane
