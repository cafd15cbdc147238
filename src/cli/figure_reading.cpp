#include "cli/figure_reading.h"

#include "cli/figure_json.h"
#include "cli/json_writer.h"
#include "figure/jcf_data.h"
#include "figure/jwk_data.h"
#include "figure/jws_data.h"
#include "figure/jww_data.h"

namespace torvane::cli {
namespace {

// {"kind", "check", "read", "document"} and a line break.
template <typename Document>
bool Dump(FigureKind kind, const std::filesystem::path& file, bool extents, std::ostream& out) {
    Document doc;
    const bool check = doc.FileCheck(file);
    const bool read = doc.FileIn(file);
    if (extents) doc.GetMinMaxZahyo();
    {
        JsonWriter json(out);
        json.BeginObject();
        json.Member("kind", FigureKindName(kind));
        json.Member("check", check);
        json.Member("read", read);
        json.Key("document");
        WriteDocument(json, doc);
        json.EndObject();
    }
    out << '\n';
    return read;
}

}  // namespace

bool CheckFigure(FigureKind kind, const std::filesystem::path& file) {
    if (kind == FigureKind::Jcf) return TJcfData().FileCheck(file);
    if (kind == FigureKind::Jws) return TJwsData().FileCheck(file);
    if (kind == FigureKind::Jww) return TJwwData().FileCheck(file);
    return TJwkData().FileCheck(file);
}

bool DumpFigure(FigureKind kind, const std::filesystem::path& file, bool extents, std::ostream& out) {
    if (kind == FigureKind::Jcf) return Dump<TJcfData>(kind, file, extents, out);
    if (kind == FigureKind::Jws) return Dump<TJwsData>(kind, file, extents, out);
    if (kind == FigureKind::Jww) return Dump<TJwwData>(kind, file, extents, out);
    return Dump<TJwkData>(kind, file, extents, out);
}

}  // namespace torvane::cli
