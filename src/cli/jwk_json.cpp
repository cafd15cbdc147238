#include <algorithm>

#include "cli/figure_json.h"
#include "figure/jwk_data.h"

namespace torvane::cli {
namespace {

Json JwkLine(const TEntJwcLine& r) {
    return Json{{"x1", Number(r.x1)}, {"y1", Number(r.y1)}, {"x2", Number(r.x2)}, {"y2", Number(r.y2)},
                {"typ", r.typ},       {"col", r.col},       {"lay", r.lay},       {"flg1", r.flg1},
                {"flg2", r.flg2},     {"flg3", r.flg3}};
}

Json JwkArc(const TEntJwcArc2& r) {
    return Json{{"x", Number(r.x)},   {"y", Number(r.y)},   {"r", Number(r.r)},   {"h", Number(r.h)},
                {"st", Number(r.st)}, {"et", Number(r.et)}, {"tt", Number(r.tt)}, {"typ", r.typ},
                {"col", r.col},       {"lay", r.lay},       {"flg1", r.flg1},     {"flg2", r.flg2},
                {"flg3", r.flg3}};
}

Json JwkTen(const TEntJwcTen& r) {
    return Json{{"x", Number(r.x)}, {"y", Number(r.y)}, {"lay", r.lay},
                {"col", r.col},     {"flg1", r.flg1},   {"flg2", r.flg2}};
}

Json JwkMoji(const TEntJwcMoji2& r) {
    return Json{{"x1", Number(r.x1)}, {"y1", Number(r.y1)}, {"x2", Number(r.x2)}, {"y2", Number(r.y2)},
                {"p", r.p},           {"no", r.no},         {"lay", r.lay},       {"flg1", r.flg1},
                {"flg2", r.flg2},     {"s", Utf8(r.s)}};
}

Json JwkMojiType(const TEntJwcMojiType& r) {
    return Json{{"penNo", r.penNo}, {"width", r.width}, {"height", r.height}, {"dist", r.dist}};
}

}  // namespace

Json DocumentJson(const TJwkData& doc) {
    const TEntJwkHeader& h = doc.Enthd;
    Json header{{"jwID", Utf8(h.jwID)},          {"comment1", Utf8(h.comment1)}, {"comment2", Utf8(h.comment2)},
                {"lineCount", h.lineCount},      {"arcCount", h.arcCount},       {"tenCount", h.tenCount},
                {"mojiCount", h.mojiCount},      {"org_x", Number(h.org_x)},     {"org_y", Number(h.org_y)},
                {"dispScale", Number(h.dispScale)}, {"strSpace", h.strSpace},    {"scale", Number(h.scale)}};
    Json out;
    out["Enthd"] = std::move(header);
    out["lineN"] = doc.lineN;
    out["arcN"] = doc.arcN;
    out["tenN"] = doc.tenN;
    out["mojiN"] = doc.mojiN;
    out["EntMjtp"] = Records(doc.EntMjtp, static_cast<std::int32_t>(doc.EntMjtp.size()), JwkMojiType);
    out["EntLine"] = Records(doc.EntLine, doc.lineN, JwkLine);
    out["EntArc"] = Records(doc.EntArc, doc.arcN, JwkArc);
    out["EntTen"] = Records(doc.EntTen, doc.tenN, JwkTen);
    out["EntMoji"] = Records(doc.EntMoji, doc.mojiN, JwkMoji);
    out["myMinWx"] = Number(doc.myMinWx);
    out["myMinWy"] = Number(doc.myMinWy);
    out["myMaxWx"] = Number(doc.myMaxWx);
    out["myMaxWy"] = Number(doc.myMaxWy);
    return out;
}

}  // namespace torvane::cli
