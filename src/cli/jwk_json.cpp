#include "cli/figure_json.h"
#include "figure/jwk_data.h"

namespace torvane::cli {
namespace {

void JwkLine(JsonWriter& j, const TEntJwcLine& r) {
    j.BeginObject();
    j.Member("x1", r.x1);
    j.Member("y1", r.y1);
    j.Member("x2", r.x2);
    j.Member("y2", r.y2);
    j.Member("typ", r.typ);
    j.Member("col", r.col);
    j.Member("lay", r.lay);
    j.Member("flg1", r.flg1);
    j.Member("flg2", r.flg2);
    j.Member("flg3", r.flg3);
    j.EndObject();
}

void JwkArc(JsonWriter& j, const TEntJwcArc2& r) {
    j.BeginObject();
    j.Member("x", r.x);
    j.Member("y", r.y);
    j.Member("r", r.r);
    j.Member("h", r.h);
    j.Member("st", r.st);
    j.Member("et", r.et);
    j.Member("tt", r.tt);
    j.Member("typ", r.typ);
    j.Member("col", r.col);
    j.Member("lay", r.lay);
    j.Member("flg1", r.flg1);
    j.Member("flg2", r.flg2);
    j.Member("flg3", r.flg3);
    j.EndObject();
}

void JwkTen(JsonWriter& j, const TEntJwcTen& r) {
    j.BeginObject();
    j.Member("x", r.x);
    j.Member("y", r.y);
    j.Member("lay", r.lay);
    j.Member("col", r.col);
    j.Member("flg1", r.flg1);
    j.Member("flg2", r.flg2);
    j.EndObject();
}

void JwkMoji(JsonWriter& j, const TEntJwcMoji2& r) {
    j.BeginObject();
    j.Member("x1", r.x1);
    j.Member("y1", r.y1);
    j.Member("x2", r.x2);
    j.Member("y2", r.y2);
    j.Member("p", r.p);
    j.Member("no", r.no);
    j.Member("lay", r.lay);
    j.Member("flg1", r.flg1);
    j.Member("flg2", r.flg2);
    j.Member("s", r.s);
    j.EndObject();
}

void JwkMojiType(JsonWriter& j, const TEntJwcMojiType& r) {
    j.BeginObject();
    j.Member("penNo", r.penNo);
    j.Member("width", r.width);
    j.Member("height", r.height);
    j.Member("dist", r.dist);
    j.EndObject();
}

}  // namespace

void WriteDocument(JsonWriter& j, const TJwkData& doc) {
    const TEntJwkHeader& h = doc.Enthd;
    BeginDocument(j);
    j.Member("jwID", h.jwID);
    j.Member("comment1", h.comment1);
    j.Member("comment2", h.comment2);
    j.Member("lineCount", h.lineCount);
    j.Member("arcCount", h.arcCount);
    j.Member("tenCount", h.tenCount);
    j.Member("mojiCount", h.mojiCount);
    j.Member("org_x", h.org_x);
    j.Member("org_y", h.org_y);
    j.Member("dispScale", h.dispScale);
    j.Member("strSpace", h.strSpace);
    j.Member("scale", h.scale);
    j.EndObject();
    j.Member("lineN", doc.lineN);
    j.Member("arcN", doc.arcN);
    j.Member("tenN", doc.tenN);
    j.Member("mojiN", doc.mojiN);
    WriteRecords(j, "EntMjtp", doc.EntMjtp, static_cast<std::int32_t>(doc.EntMjtp.size()), JwkMojiType);
    WriteRecords(j, "EntLine", doc.EntLine, doc.lineN, JwkLine);
    WriteRecords(j, "EntArc", doc.EntArc, doc.arcN, JwkArc);
    WriteRecords(j, "EntTen", doc.EntTen, doc.tenN, JwkTen);
    WriteRecords(j, "EntMoji", doc.EntMoji, doc.mojiN, JwkMoji);
    j.Member("myMinWx", doc.myMinWx);
    j.Member("myMinWy", doc.myMinWy);
    j.Member("myMaxWx", doc.myMaxWx);
    j.Member("myMaxWy", doc.myMaxWy);
    j.EndObject();
}

}  // namespace torvane::cli
