#include "cli/figure_reading.h"

#include "cli/figure_json.h"
#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"

namespace torvane::cli {
namespace {

template <typename Document>
std::string Dump(FigureKind kind, const std::filesystem::path& file, bool extents, bool& read) {
    Document doc;
    const bool check = doc.FileCheck(file);
    read = doc.FileIn(file);
    if (extents) doc.GetMinMaxZahyo();
    return DumpText(FigureKindName(kind), check, read, DocumentJson(doc));
}

}  // namespace

std::optional<bool> CheckFigure(FigureKind kind, const std::filesystem::path& file) {
    switch (kind) {
        case FigureKind::Jcf: return TJcfData().FileCheck(file);
        case FigureKind::Jws: return TJwsData().FileCheck(file);
        case FigureKind::Jwk: return TJwkData().FileCheck(file);
    }
    return std::nullopt;
}

std::optional<std::string> DumpFigure(FigureKind kind, const std::filesystem::path& file, bool extents, bool& read) {
    switch (kind) {
        case FigureKind::Jcf: return Dump<TJcfData>(kind, file, extents, read);
        case FigureKind::Jws: return Dump<TJwsData>(kind, file, extents, read);
        case FigureKind::Jwk: return Dump<TJwkData>(kind, file, extents, read);
    }
    return std::nullopt;
}

}  // namespace torvane::cli
