#include <algorithm>
#include <cmath>

#include "figure/jwk_data.h"
#include "render/gra_attribute.h"
#include "render/graph1.h"

namespace torvane {
namespace {


bool Hidden(int layer) { return gGraAtt.GetAttrLayerState(layer) == 3; }

template <typename T>
std::size_t ValidCount(const std::vector<T>& items, std::int32_t n) {
    return n <= 0 ? 0 : std::min(items.size(), static_cast<std::size_t>(n));
}

// Stored coordinates divided by it give millimetres.
double Divisor(const TJwkData& d) {
    return d.Enthd.scale != 0 && std::isfinite(d.Enthd.scale) ? static_cast<double>(d.Enthd.scale) : 1.0;
}

}  // namespace

void TJwkData::GLDrawALL() {
    const bool dispmode = gGraAtt.GetDisplayMode();
    const bool hojo = gGraAtt.GetDispHojo() != 0;
    for (std::size_t i = 0, n = ValidCount(EntLine, lineN); i < n; ++i) {
        const TEntJwcLine& e = EntLine[i];
        if (!Hidden(e.lay) && (hojo || e.typ != 9)) GLDrawLine(dispmode, 0, e);
    }
    for (std::size_t i = 0, n = ValidCount(EntArc, arcN); i < n; ++i) {
        const TEntJwcArc2& e = EntArc[i];
        if (!Hidden(e.lay) && (hojo || e.typ != 9)) GLDrawArc(dispmode, 0, e);
    }
    for (std::size_t i = 0, n = ValidCount(EntMoji, mojiN); i < n; ++i) {
        if (!Hidden(EntMoji[i].lay)) GLDrawMoji(dispmode, 0, EntMoji[i]);
    }
    for (std::size_t i = 0, n = ValidCount(EntTen, tenN); i < n; ++i) {
        if (!Hidden(EntTen[i].lay)) GLDrawTen(dispmode, 0, EntTen[i]);
    }
    if (gGraAtt.GetDispKijun() == 1) {
        gGraph1->GPenSet(255, 0, 2);
        gGraph1->GLEllipse(0, 0, 5 / LogicScale, 1, 0);
    }
}

void TJwkData::GLDrawLine(bool, std::uint32_t dcol, const TEntJwcLine& e) {
    const double s = Divisor(*this);
    gGraph1->GLPenSet(e.lay, e.col, e.typ, gGraAtt.GetAttrColwid(e.col), dcol);
    gGraph1->GLLine(e.x1 / s, e.y1 / s, e.x2 / s, e.y2 / s);
}

void TJwkData::GLDrawArc(bool, std::uint32_t dcol, const TEntJwcArc2& e) {
    const double s = Divisor(*this);
    gGraph1->GLPenSet(e.lay, e.col, e.typ, gGraAtt.GetAttrColwid(e.col), dcol);
    double da = static_cast<double>(e.et) - e.st;
    if (std::isfinite(da)) {
        da = std::fmod(da, 360.0);
        if (da < 0) da += 360;
    }
    const bool full = !std::isfinite(da) || std::abs(da) <= 1e-14 || std::abs(da - 360) <= 1e-14;
    if (full) {
        gGraph1->GLEllipse(e.x / s, e.y / s, e.r / s, e.h, e.tt * kRadPerDeg);
    } else {
        gGraph1->GLEllipseArc(e.x / s, e.y / s, e.r / s, e.h, e.tt * kRadPerDeg, e.st * kRadPerDeg, da * kRadPerDeg);
    }
}

void TJwkData::GLDrawMoji(bool, std::uint32_t dcol, const TEntJwcMoji2& e) {
    const double s = Divisor(*this);
    GLayScale = 1;
    const TEntJwcMojiType type = e.no < EntMjtp.size() ? EntMjtp[e.no] : TEntJwcMojiType{};
    gGraph1->GLPenSet(e.lay, type.penNo, 1, 0, dcol);
    double h = type.height * 0.1;
    double w = type.width * 0.1;
    const bool vertical = (e.flg1 & 0x20) != 0;
    if (vertical) std::swap(h, w);
    const std::u16string font = vertical ? u"@ＭＳ ゴシック" : u"ＭＳ ゴシック";
    gGraph1->GLAText3(e.x1 / s, e.y1 / s, e.x2 / s, e.y2 / s, h, w, type.dist * 0.1, 0, font, e.s);
}

void TJwkData::GLDrawTen(bool, std::uint32_t dcol, const TEntJwcTen& e) {
    const double s = Divisor(*this);
    gGraph1->GLTenMarker(e.x / s, e.y / s, 0, 0, 0, 1, e.lay, e.col, 0, dcol);
}

}  // namespace torvane
