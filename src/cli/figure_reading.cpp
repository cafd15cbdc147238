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

bool CheckFigure(FigureKind kind, const std::filesystem::path& file) {
    if (kind == FigureKind::Jcf) return TJcfData().FileCheck(file);
    if (kind == FigureKind::Jws) return TJwsData().FileCheck(file);
    return TJwkData().FileCheck(file);
}

std::string DumpFigure(FigureKind kind, const std::filesystem::path& file, bool extents, bool& read) {
    if (kind == FigureKind::Jcf) return Dump<TJcfData>(kind, file, extents, read);
    if (kind == FigureKind::Jws) return Dump<TJwsData>(kind, file, extents, read);
    return Dump<TJwkData>(kind, file, extents, read);
}

}  // namespace torvane::cli
