#include <algorithm>
#include <cmath>
#include <numbers>

#include "figure/jww_figure.h"
#include "render/dimension_value.h"
#include "render/gra_attribute.h"
#include "render/graph1.h"
#include "util/colors.h"
#include "util/geometry.h"
#include "util/image_reference.h"
#include "util/text_widths.h"

namespace torvane {
namespace {

int LayerOf(const TEntJwwAttr& a) { return a.nGLayer * 16 + a.nLayer; }

double GroupScale(const TJwwFigureData& d, int group) {
    if (group < 0 || static_cast<std::size_t>(group) >= d.EntLgrp.size()) return 1.0;
    return d.EntLgrp[static_cast<std::size_t>(group)].adScale;
}

bool Auxiliary(const TEntJwwAttr& a, bool hojo) { return !hojo && a.nPenColor == 9; }
bool AuxiliaryCurve(const TEntJwwAttr& a, bool hojo) { return !hojo && (a.nPenColor == 9 || a.nPenStyle == 9); }
bool Hidden(const TEntJwwAttr& a) { return gGraAtt.GetAttrLayerState(LayerOf(a)) == 3; }

template <typename T>
std::size_t ValidCount(const std::vector<T>& items, std::int32_t n) {
    return n <= 0 ? 0 : std::min(items.size(), static_cast<std::size_t>(n));
}

std::int32_t FontStyleOf(std::uint32_t nMojiShu) {
    if (nMojiShu >= 30000) return 3;
    if (nMojiShu >= 20000) return 1;
    if (nMojiShu >= 10000) return 2;
    return 0;
}

bool Same(double a, double b) { return std::abs(a - b) <= 1e-12; }

// A block placement: the node's matrix and insertion point, divided by sc.
struct Placement {
    double sc, bx, by, b1, b2, b3, b4;
    TDPoint At(double x, double y) const { return {(b1 * x + b2 * y + bx) / sc, (b3 * x + b4 * y + by) / sc}; }
    bool Identity() const {
        return std::abs(b1 - 1) <= 1e-14 && std::abs(b2) <= 1e-14 && std::abs(b3) <= 1e-14 &&
               std::abs(b4 - 1) <= 1e-14;
    }
};

double LineDistance(TDPoint p, TDPoint q1, TDPoint q2) {
    const double len = Dist(q1, q2);
    if (len <= 1e-12) return Dist(p, q1);
    return std::abs((q2.X - q1.X) * (p.Y - q1.Y) - (q2.Y - q1.Y) * (p.X - q1.X)) / len;
}

// A text's unit direction in its own frame, along its baseline.
TDPoint TextDirection(const TEntJwwMoji& e) {
    const double dx = e.end_x - e.start_x;
    const double dy = e.end_y - e.start_y;
    const double len = std::hypot(dx, dy);
    if (len <= 1e-12) {
        const double a = e.degKakudo * std::numbers::pi / 180;
        return {std::cos(a), std::sin(a)};
    }
    return {dx / len, dy / len};
}

// A text placed by a block: its mapped baseline and sizes, the font it is drawn with.
struct PlacedText {
    TDPoint start, end;
    double h, w, sp;
    std::int32_t style;
    std::u16string font;
};

PlacedText PlaceText(const TEntJwwMoji& e, const Placement& p) {
    const bool vertical = (e.att.sFlg & 0x20) != 0;
    double h = std::abs(e.dSizeY);
    double w = std::abs(e.dSizeX);
    if (vertical) std::swap(h, w);
    double sp = e.dKankaku;
    PlacedText t{p.At(e.start_x, e.start_y), p.At(e.end_x, e.end_y), h, w, sp, FontStyleOf(e.nMojiShu),
                 (vertical ? u"@" : u"") + e.strFontName};
    if (p.Identity()) {
        t.w /= p.sc;
        t.h /= p.sc;
        t.sp /= p.sc;
    } else {
        const TDPoint d = TextDirection(e);
        const TDPoint s = t.start;
        t.w = Dist(p.At(e.start_x + w * d.X, e.start_y + w * d.Y), s) / p.sc;
        t.sp = std::copysign(Dist(p.At(e.start_x + sp * d.X, e.start_y + sp * d.Y), s) / p.sc, sp);
        const TDPoint top = p.At(e.start_x - h * d.Y, e.start_y + h * d.X);
        t.h = (Dist(s, t.end) <= 1e-12 ? Dist(top, s) : LineDistance(top, s, t.end)) / p.sc;
        if (p.b1 * p.b4 < 0) std::swap(t.start, t.end);
    }
    return t;
}

// A curve whose 72 chords measure less than 2 pixels in all is reduced by the surface to a dot
// at its last point. Such a curve (most curves of a thumbnail) gets that dot directly, without
// sampling it; anything else, or a last point outside the window, takes the full path.
bool DrawTinyCurve(const TEntJwwEnko& e, const Placement* place) {
    const bool full = e.bZenEnFlg != 0;
    const double sweep = full ? 2 * std::numbers::pi : std::abs(e.radEnkoKaku);
    const double radius = std::abs(e.dHankei) * std::max(1.0, std::abs(e.dHenpeiRitsu));
    double gain = 1;
    if (place != nullptr) {
        gain = std::sqrt(place->b1 * place->b1 + place->b2 * place->b2 + place->b3 * place->b3 + place->b4 * place->b4) /
               std::abs(place->sc);
    }
    if (!(sweep * radius * gain * LogicScale < 1.9)) return false;
    const double step = full ? std::numbers::pi / 36 : e.radEnkoKaku / 72;
    double t = full ? 0.0 : e.radKaishiKaku;
    for (int k = 0; k < 72; ++k) t += step;
    const double c = std::cos(e.radKatamukiKaku), s = std::sin(e.radKatamukiKaku);
    const double px = e.dHankei * std::cos(t), py = e.dHankei * e.dHenpeiRitsu * std::sin(t);
    TDPoint last{e.start_x + px * c - py * s, e.start_y + px * s + py * c};
    if (place != nullptr) last = place->At(last.X, last.Y);
    if (ClipPoint(last.X, last.Y, LogicWx1, LogicWy1, LogicWx2, LogicWy2) != 0) return false;
    gGraph1->GLTen(last.X, last.Y);
    return true;
}

double Round4(double v) { return std::round(v * 10000) / 10000; }

// Sets the pen (and fill) colour of a solid: its own colour for colour 10, else the pen colour.
void SetSolidColor(const TEntJwwSolid& e, std::uint32_t dcol) {
    if (e.att.nPenColor != 10) {
        gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, 1, 0, dcol);
        return;
    }
    std::uint32_t color = ColorToArgb(e.Color);
    const std::int32_t state = gGraAtt.GetAttrLayerState(LayerOf(e.att));
    if (state == 2) color = gGraAtt.GetGrayColor();
    if (state == 3) color = gGraAtt.GetBackColor();
    if (dcol != 0) color = dcol;
    if (gGraAtt.GetAll1ColorState()) color = gGraAtt.GetAll1Color();
    gGraph1->GPenSet(ArgbToColor(color), 0, 1);
}

}  // namespace

void TJwwFigureData::GLDrawALL() {
    const bool dispmode = gGraAtt.GetDisplayMode();
    const bool hojo = gGraAtt.GetDispHojo() != 0;
    const std::size_t texts = ValidCount(EntMoji, EntMojiN);
    for (std::size_t i = 0; i < texts; ++i) {
        if (!Hidden(EntMoji[i].att) && !Auxiliary(EntMoji[i].att, hojo)) GLDrawImage(dispmode, 0, EntMoji[i]);
    }
    for (std::size_t i = 0, n = ValidCount(EntSolid, EntSolidN); i < n; ++i) {
        if (!Hidden(EntSolid[i].att) && !Auxiliary(EntSolid[i].att, hojo)) GLDrawSolid(dispmode, 0, EntSolid[i]);
    }
    for (std::size_t i = 0, n = ValidCount(EntLine, EntLineN); i < n; ++i) {
        if (!Hidden(EntLine[i].att) && !AuxiliaryCurve(EntLine[i].att, hojo)) GLDrawLine(dispmode, 0, EntLine[i]);
    }
    for (std::size_t i = 0, n = ValidCount(EntEnko, EntEnkoN); i < n; ++i) {
        if (!Hidden(EntEnko[i].att) && !AuxiliaryCurve(EntEnko[i].att, hojo)) GLDrawEnko(dispmode, 0, EntEnko[i]);
    }
    for (std::size_t i = 0, n = ValidCount(EntTen, EntTenN); i < n; ++i) {
        if (!Hidden(EntTen[i].att) && !Auxiliary(EntTen[i].att, hojo)) GLDrawTen(dispmode, 0, EntTen[i]);
    }
    for (std::size_t i = 0; i < texts; ++i) {
        if (!Hidden(EntMoji[i].att) && !Auxiliary(EntMoji[i].att, hojo)) GLDrawMoji(dispmode, 0, EntMoji[i]);
    }
    for (std::size_t i = 0, n = ValidCount(EntSunpo, EntSunpoN); i < n; ++i) {
        GLDrawSunpo(dispmode, !hojo, 0, EntSunpo[i]);
    }
    for (std::size_t k = 0, nodes = ValidCount(EntBlockTree, EntBlockTreeN); k < nodes; ++k) {
        const TEntJwwBlockTree& node = EntBlockTree[k];
        if (node.defno < 0 || static_cast<std::size_t>(node.defno) >= EntBlockDef.size()) continue;
        const TEntJwwBlockMembers& def = EntBlockDef[static_cast<std::size_t>(node.defno)].Members();
        GLayScale = GroupScale(*this, node.att.nGLayer);
        const bool lf = (node.att.nPenStyle & 0x40) != 0;
        const double x = node.x, y = node.y, r1 = node.r1, r2 = node.r2, r3 = node.r3, r4 = node.r4;
        const std::size_t def_texts = ValidCount(def.mMoji, def.mMojiN);
        for (std::size_t i = 0; i < def_texts; ++i) {
            const TEntJwwMoji& e = def.mMoji[i];
            if (!Hidden(e.att) && !Auxiliary(e.att, hojo)) GLDrawImage2(dispmode, 0, e, lf, 1.0, x, y, r1, r2, r3, r4);
        }
        for (std::size_t i = 0, n = ValidCount(def.mSolid, def.mSolidN); i < n; ++i) {
            const TEntJwwSolid& e = def.mSolid[i];
            if (!Hidden(e.att) && !Auxiliary(e.att, hojo)) GLDrawSolid2(dispmode, 0, e, lf, 1.0, x, y, r1, r2, r3, r4);
        }
        for (std::size_t i = 0, n = ValidCount(def.mLine, def.mLineN); i < n; ++i) {
            const TEntJwwLine& e = def.mLine[i];
            if (!Hidden(e.att) && !AuxiliaryCurve(e.att, hojo)) GLDrawLine2(dispmode, 0, e, lf, 1.0, x, y, r1, r2, r3, r4);
        }
        for (std::size_t i = 0, n = ValidCount(def.mEnko, def.mEnkoN); i < n; ++i) {
            const TEntJwwEnko& e = def.mEnko[i];
            if (!Hidden(e.att) && !AuxiliaryCurve(e.att, hojo)) GLDrawEnko2(dispmode, 0, e, lf, 1.0, x, y, r1, r2, r3, r4);
        }
        for (std::size_t i = 0, n = ValidCount(def.mTen, def.mTenN); i < n; ++i) {
            const TEntJwwTen& e = def.mTen[i];
            if (!Hidden(e.att) && !Auxiliary(e.att, hojo)) GLDrawTen2(dispmode, 0, e, lf, 1.0, x, y, r1, r2, r3, r4);
        }
        for (std::size_t i = 0; i < def_texts; ++i) {
            const TEntJwwMoji& e = def.mMoji[i];
            if (!Hidden(e.att) && !Auxiliary(e.att, hojo)) GLDrawMoji2(dispmode, 0, e, lf, 1.0, x, y, r1, r2, r3, r4);
        }
        for (std::size_t i = 0, n = ValidCount(def.mSunpo, def.mSunpoN); i < n; ++i) {
            GLDrawSunpo2(dispmode, !hojo, 0, def.mSunpo[i], lf, 1.0, x, y, r1, r2, r3, r4);
        }
    }
    if (gGraAtt.GetDispKijun() == 1) {
        gGraph1->GPenSet(255, 0, 2);
        gGraph1->GLEllipse(Header().BasePoint_x, Header().BasePoint_y, 5 / LogicScale, 1, 0);
    }
}

void TJwwFigureData::GLDrawLine(bool, std::uint32_t dcol, const TEntJwwLine& e) {
    const double wid = e.att.nPenWidth != 0 ? e.att.nPenWidth * 0.01 : gGraAtt.GetAttrColwid(e.att.nPenColor);
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, e.att.nPenStyle, wid, dcol);
    gGraph1->GLLine(e.start_x, e.start_y, e.end_x, e.end_y);
}

void TJwwFigureData::GLDrawEnko(bool, std::uint32_t dcol, const TEntJwwEnko& e) {
    const double wid = e.att.nPenWidth != 0 ? e.att.nPenWidth * 0.01 : gGraAtt.GetAttrColwid(e.att.nPenColor);
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, e.att.nPenStyle, wid, dcol);
    if (DrawTinyCurve(e, nullptr)) return;
    if (e.bZenEnFlg != 0) {
        gGraph1->GLEllipse(e.start_x, e.start_y, e.dHankei, e.dHenpeiRitsu, e.radKatamukiKaku);
    } else {
        gGraph1->GLEllipseArc(e.start_x, e.start_y, e.dHankei, e.dHenpeiRitsu, e.radKatamukiKaku, e.radKaishiKaku,
                              e.radEnkoKaku);
    }
}

void TJwwFigureData::GLDrawTen(bool, std::uint32_t dcol, const TEntJwwTen& e) {
    const bool marker = e.att.nPenStyle == 100;
    gGraph1->GLTenMarker(e.start_x, e.start_y, static_cast<std::int32_t>(e.bKariten),
                         marker ? static_cast<std::int32_t>(e.nCode) : 0, marker ? e.radKaitenKaku : 0,
                         marker ? e.dBairitsu : 1, LayerOf(e.att), e.att.nPenColor, e.att.nPenWidth, dcol);
}

void TJwwFigureData::GLDrawMoji(bool, std::uint32_t dcol, const TEntJwwMoji& e) {
    if (IsImageText(e.str)) return;
    GLayScale = GroupScale(*this, e.att.nGLayer);
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, 1, 0, dcol);
    const PlacedText t = PlaceText(e, Placement{1, 0, 0, 1, 0, 0, 1});
    gGraph1->GLAText3(t.start.X, t.start.Y, t.end.X, t.end.Y, t.h, t.w, t.sp, t.style, t.font, e.str);
}

void TJwwFigureData::GLDrawSunpo(bool dispmode, bool hojof, std::uint32_t dcol, const TEntJwwSunpo& e) {
    auto line_shown = [hojof](const TEntJwwAttr& a) { return !hojof || (a.nPenStyle != 9 && a.nPenColor != 9); };
    auto part_shown = [hojof](const TEntJwwAttr& a) { return !hojof || a.nPenColor != 9; };
    if (e.bSxfMode != 0) {
        if (line_shown(e.Ho1.att)) GLDrawLine(dispmode, dcol, e.Ho1);
        if (line_shown(e.Ho2.att)) GLDrawLine(dispmode, dcol, e.Ho2);
        if (part_shown(e.Te1.att)) GLDrawTen(dispmode, dcol, e.Te1);
        if (part_shown(e.Te2.att)) GLDrawTen(dispmode, dcol, e.Te2);
    }
    if (line_shown(e.Sen.att)) GLDrawLine(dispmode, dcol, e.Sen);
    if (part_shown(e.Moji.att)) GLDrawMoji(dispmode, dcol, e.Moji);
}

void TJwwFigureData::GLDrawSolid(bool, std::uint32_t dcol, const TEntJwwSolid& e) {
    SetSolidColor(e, dcol);
    if (e.att.nPenStyle >= 101) {
        gGraph1->GLSolidArc(e.att.nPenStyle, e.start_x, e.start_y, e.end_x, e.end_y, e.DPoint2_x, e.DPoint2_y,
                            e.DPoint3_x, e.DPoint3_y);
        return;
    }
    if (Same(e.end_x, e.DPoint2_x) && Same(e.end_y, e.DPoint2_y) && Same(e.end_x, e.DPoint3_x) &&
        Same(e.end_y, e.DPoint3_y)) {
        gGraph1->GLLine(e.start_x, e.start_y, e.end_x, e.end_y);
        return;
    }
    WPolyClear();
    WPolyAdd(e.start_x, e.start_y);
    WPolyAdd(e.end_x, e.end_y);
    WPolyAdd(e.DPoint2_x, e.DPoint2_y);
    WPolyAdd(e.DPoint3_x, e.DPoint3_y);
    gGraph1->GLSolid();
    WPolyClear();
}

void TJwwFigureData::GLDrawImage(bool, std::uint32_t dcol, const TEntJwwMoji& e) {
    const auto ref = ParseImageReference(e.str);
    if (!ref) return;
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, 1, 0, dcol);
    gGraph1->GLBoxA(e.start_x, e.start_y, e.start_x + ref->w, e.start_y + ref->h, ref->dan * std::numbers::pi / 180);
}

void TJwwFigureData::GLDrawLine2(bool, std::uint32_t dcol, const TEntJwwLine& e, bool lf, double sc, double bx,
                                 double by, double b1, double b2, double b3, double b4) {
    const Placement p{lf ? 1.0 : sc, bx, by, b1, b2, b3, b4};
    const double wid = e.att.nPenWidth != 0 ? e.att.nPenWidth * 0.01 : gGraAtt.GetAttrColwid(e.att.nPenColor);
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, e.att.nPenStyle, wid, dcol);
    const TDPoint s = p.At(e.start_x, e.start_y);
    const TDPoint t = p.At(e.end_x, e.end_y);
    gGraph1->GLLine(s.X, s.Y, t.X, t.Y);
}

void TJwwFigureData::GLDrawEnko2(bool, std::uint32_t dcol, const TEntJwwEnko& e, bool lf, double sc, double bx,
                                 double by, double b1, double b2, double b3, double b4) {
    if (lf) sc = 1;
    const double wid = e.att.nPenWidth != 0 ? e.att.nPenWidth * 0.01 : gGraAtt.GetAttrColwid(e.att.nPenColor);
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, e.att.nPenStyle, wid, dcol);
    const Placement place{sc, bx, by, b1, b2, b3, b4};
    if (DrawTinyCurve(e, &place)) return;
    if (e.bZenEnFlg != 0) {
        gGraph1->GLEllipseBL(e.start_x, e.start_y, e.dHankei, e.dHenpeiRitsu, e.radKatamukiKaku, bx, by, b1, b2, b3,
                             b4, sc);
    } else {
        gGraph1->GLEllipseArcBL(e.start_x, e.start_y, e.dHankei, e.dHenpeiRitsu, e.radKatamukiKaku, e.radKaishiKaku,
                                e.radEnkoKaku, bx, by, b1, b2, b3, b4, sc);
    }
}

void TJwwFigureData::GLDrawTen2(bool, std::uint32_t dcol, const TEntJwwTen& e, bool lf, double sc, double bx,
                                double by, double b1, double b2, double b3, double b4) {
    const Placement p{lf ? 1.0 : sc, bx, by, b1, b2, b3, b4};
    const TDPoint at = p.At(e.start_x, e.start_y);
    const bool marker = e.att.nPenStyle == 100;
    double angle = 0;
    if (marker) {
        const TDPoint ahead = p.At(e.start_x + 10, e.start_y);
        angle = e.radKaitenKaku + VecAngle(ahead.X - at.X, ahead.Y - at.Y) + (b1 < 0 ? std::numbers::pi : 0);
    }
    gGraph1->GLTenMarker(at.X, at.Y, static_cast<std::int32_t>(e.bKariten),
                         marker ? static_cast<std::int32_t>(e.nCode) : 0, angle, marker ? e.dBairitsu : 1,
                         LayerOf(e.att), e.att.nPenColor, e.att.nPenWidth, dcol);
}

void TJwwFigureData::GLDrawMoji2(bool, std::uint32_t dcol, const TEntJwwMoji& e, bool lf, double sc, double bx,
                                 double by, double b1, double b2, double b3, double b4) {
    if (IsImageText(e.str)) return;
    if (lf) GLayScale = GroupScale(*this, e.att.nGLayer);
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, 1, 0, dcol);
    const PlacedText t = PlaceText(e, Placement{lf ? 1.0 : sc, bx, by, b1, b2, b3, b4});
    gGraph1->GLAText3(t.start.X, t.start.Y, t.end.X, t.end.Y, t.h, t.w, t.sp, t.style, t.font, e.str);
}

void TJwwFigureData::GLDrawMoji3(bool, std::uint32_t dcol, const std::u16string& sm, const TEntJwwMoji& e, bool lf,
                                 double sc, double bx, double by, double b1, double b2, double b3, double b4) {
    if (IsImageText(e.str)) return;
    if (lf) GLayScale = GroupScale(*this, e.att.nGLayer);
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, 1, 0, dcol);
    const PlacedText t = PlaceText(e, Placement{lf ? 1.0 : sc, bx, by, b1, b2, b3, b4});
    const double length = TextWidth(sm, std::max(Round4(t.w), 0.0001), Round4(t.sp));
    const TDPoint mid{(t.start.X + t.end.X) / 2, (t.start.Y + t.end.Y) / 2};
    const double old_length = Dist(t.start, t.end);
    TDPoint u{1, 0};
    if (old_length > 1e-12) u = {(t.end.X - t.start.X) / old_length, (t.end.Y - t.start.Y) / old_length};
    const TDPoint s{mid.X - u.X * length / 2, mid.Y - u.Y * length / 2};
    const TDPoint f{mid.X + u.X * length / 2, mid.Y + u.Y * length / 2};
    gGraph1->GLAText3(s.X, s.Y, f.X, f.Y, t.h, t.w, t.sp, t.style, t.font, sm);
}

void TJwwFigureData::GLDrawSunpo2(bool dispmode, bool hojof, std::uint32_t dcol, const TEntJwwSunpo& e, bool lf,
                                  double sc, double bx, double by, double b1, double b2, double b3, double b4) {
    auto line_shown = [hojof](const TEntJwwAttr& a) { return !hojof || (a.nPenStyle != 9 && a.nPenColor != 9); };
    auto part_shown = [hojof](const TEntJwwAttr& a) { return !hojof || a.nPenColor != 9; };
    if (e.bSxfMode != 0) {
        if (line_shown(e.Ho1.att)) GLDrawLine2(dispmode, dcol, e.Ho1, lf, sc, bx, by, b1, b2, b3, b4);
        if (line_shown(e.Ho2.att)) GLDrawLine2(dispmode, dcol, e.Ho2, lf, sc, bx, by, b1, b2, b3, b4);
        if (part_shown(e.Te1.att)) GLDrawTen2(dispmode, dcol, e.Te1, lf, sc, bx, by, b1, b2, b3, b4);
        if (part_shown(e.Te2.att)) GLDrawTen2(dispmode, dcol, e.Te2, lf, sc, bx, by, b1, b2, b3, b4);
    }
    if (line_shown(e.Sen.att)) GLDrawLine2(dispmode, dcol, e.Sen, lf, sc, bx, by, b1, b2, b3, b4);
    if (!part_shown(e.Moji.att)) return;
    const Placement p{lf ? 1.0 : sc, bx, by, b1, b2, b3, b4};
    if (p.Identity() || (e.Moji.att.nPenWidth & 2) == 0) {
        GLDrawMoji2(dispmode, dcol, e.Moji, lf, sc, bx, by, b1, b2, b3, b4);
        return;
    }
    double scale = GroupScale(*this, e.Sen.att.nGLayer);
    if (!(scale > 0)) scale = 1;
    const double length = Dist(p.At(e.Sen.start_x, e.Sen.start_y), p.At(e.Sen.end_x, e.Sen.end_y)) * scale;
    const std::u16string value = DimensionValueText(length, e.Moji.att.nPenWidth, e.Moji.att.sFlg);
    GLDrawMoji3(dispmode, dcol, value, e.Moji, lf, sc, bx, by, b1, b2, b3, b4);
}

void TJwwFigureData::GLDrawSolid2(bool, std::uint32_t dcol, const TEntJwwSolid& e, bool lf, double sc, double bx,
                                  double by, double b1, double b2, double b3, double b4) {
    if (lf) sc = 1;
    const Placement p{sc, bx, by, b1, b2, b3, b4};
    SetSolidColor(e, dcol);
    if (e.att.nPenStyle >= 101) {
        gGraph1->GLSolidArcBL(e.att.nPenStyle, e.start_x, e.start_y, e.end_x, e.end_y, e.DPoint2_x, e.DPoint2_y,
                              e.DPoint3_x, e.DPoint3_y, bx, by, b1, b2, b3, b4, sc);
        return;
    }
    const TDPoint s = p.At(e.start_x, e.start_y);
    const TDPoint t = p.At(e.end_x, e.end_y);
    if (Same(e.end_x, e.DPoint2_x) && Same(e.end_y, e.DPoint2_y) && Same(e.end_x, e.DPoint3_x) &&
        Same(e.end_y, e.DPoint3_y)) {
        gGraph1->GLLine(s.X, s.Y, t.X, t.Y);
        return;
    }
    const TDPoint c2 = p.At(e.DPoint2_x, e.DPoint2_y);
    const TDPoint c3 = p.At(e.DPoint3_x, e.DPoint3_y);
    WPolyClear();
    WPolyAdd(s.X, s.Y);
    WPolyAdd(t.X, t.Y);
    WPolyAdd(c2.X, c2.Y);
    WPolyAdd(c3.X, c3.Y);
    gGraph1->GLSolid();
    WPolyClear();
}

void TJwwFigureData::GLDrawImage2(bool, std::uint32_t dcol, const TEntJwwMoji& e, bool lf, double sc, double bx,
                                  double by, double b1, double b2, double b3, double b4) {
    const auto ref = ParseImageReference(e.str);
    if (!ref) return;
    const Placement p{lf ? 1.0 : sc, bx, by, b1, b2, b3, b4};
    const TDPoint d = TextDirection(e);
    const TDPoint at = p.At(e.start_x, e.start_y);
    const double width = Dist(p.At(e.start_x + ref->w * d.X, e.start_y + ref->w * d.Y), at);
    const double height = Dist(p.At(e.start_x - ref->h * d.Y, e.start_y + ref->h * d.X), at);
    const double dan = ref->dan * std::numbers::pi / 180;
    const TDPoint turned = p.At(e.start_x + ref->w * std::cos(dan), e.start_y + ref->w * std::sin(dan));
    const double angle = VecAngle(turned.X - at.X, turned.Y - at.Y);
    gGraph1->GLPenSet(LayerOf(e.att), e.att.nPenColor, 1, 0, dcol);
    gGraph1->GLBoxA(at.X, at.Y, at.X + width, at.Y + height, angle);
}

}  // namespace torvane
