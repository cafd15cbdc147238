#include <algorithm>
#include <array>
#include <cmath>

#include "convert/fifteen_digits.h"
#include "convert/figure_import.h"
#include "util/geometry.h"

namespace torvane {
namespace {

// The text types of the DOS program, in tenths of a millimetre, whatever the file defines.
struct JwkTextType {
    std::uint16_t pen, width, height, spacing;
};
constexpr std::array<JwkTextType, 12> kJwkTextTypes{{
    {0, 0, 0, 0},
    {1, 20, 20, 0},
    {1, 25, 25, 5},
    {2, 30, 30, 5},
    {2, 40, 40, 5},
    {3, 50, 50, 10},
    {3, 60, 60, 10},
    {4, 70, 70, 10},
    {4, 80, 80, 10},
    {5, 90, 90, 10},
    {5, 100, 100, 10},
    {0, 0, 0, 0},
}};


// Text type numbers above the table convert as type 0.
std::uint8_t TextTypeNumber(std::uint8_t no) { return no < kJwkTextTypes.size() ? no : 0; }

TEntJwwAttr LayerAttributes(std::uint8_t lay) {
    TEntJwwAttr att;
    att.nLayer = lay & 0x0F;
    att.nGLayer = lay >> 4;
    return att;
}

std::uint16_t LineFlags(const TEntJwcLine& line) {
    std::uint16_t flags = 0;
    if (line.flg2 & 0x20) flags |= 0x20;
    if (line.flg3 & 0x08) flags |= 0x0800;
    if (line.flg3 & 0x10) flags |= 0x1000;
    if (line.flg3 & 0x20) flags |= 0x2000;
    if (line.flg3 & 0x80) flags |= 0x8000;
    return flags;
}

// Numbers the curves of the lines: a line flagged 0x40 starts a new curve, one flagged 0x80
// continues the current one.
class CurveCounter {
public:
    std::uint32_t Next(std::uint8_t flg2) {
        if (flg2 & 0x80) {
            if (counter_ <= 0) counter_ = 1;
            return static_cast<std::uint32_t>(counter_);
        }
        if (flg2 & 0x40) {
            counter_ = std::min(counter_ + 1, 5000);
            return static_cast<std::uint32_t>(counter_);
        }
        return 0;
    }

private:
    int counter_ = 0;
};

// Builds the records in millimetres: stored values times k, angles from degrees to radians,
// every value to 15 significant digits.
class JwkFigureBuilder {
public:
    JwkFigureBuilder(TJcfData& doc, double k) : doc_(doc), k_(k) {}

    void Line(const TEntJwcLine& from) {
        TEntJwwLine line;
        line.att = LayerAttributes(from.lay);
        line.att.lGroup = curves_.Next(from.flg2);
        line.att.nPenStyle = from.typ;
        line.att.nPenColor = from.col;
        line.att.sFlg = LineFlags(from);
        line.start_x = Scaled(from.x1);
        line.start_y = Scaled(from.y1);
        line.end_x = Scaled(from.x2);
        line.end_y = Scaled(from.y2);
        Append(doc_.EntLine, doc_.EntLineN, kEntLine, line);
    }

    void Arc(const TEntJwcArc2& from) {
        TEntJwwEnko arc;
        arc.att = LayerAttributes(from.lay);
        arc.att.nPenStyle = from.typ;
        arc.att.nPenColor = from.col;
        arc.att.sFlg = from.flg2 & 0xF0;
        arc.start_x = Scaled(from.x);
        arc.start_y = Scaled(from.y);
        arc.dHankei = Scaled(from.r);
        arc.radKaishiKaku = Radians(from.st);
        arc.radKatamukiKaku = Radians(from.tt);
        arc.dHenpeiRitsu = FifteenDigits(from.h);
        double sweep = std::fmod(static_cast<double>(from.et) - from.st, 360.0);
        if (sweep < 0) sweep += 360;
        if (std::fabs(sweep) < 1e-14 || std::fabs(sweep - 360) < 1e-14) {
            arc.bZenEnFlg = 1;
            sweep = 360;
        }
        arc.radEnkoKaku = Radians(sweep);
        Append(doc_.EntEnko, doc_.EntEnkoN, kEntEnko, arc);
    }

    void Text(const TEntJwcMoji2& from) {
        const std::uint8_t type = TextTypeNumber(from.no);
        const JwkTextType& sizes = kJwkTextTypes[type];
        TEntJwwMoji text;
        text.att = LayerAttributes(from.lay);
        text.att.nPenStyle = 1;
        text.att.nPenColor = sizes.pen;
        text.att.nPenWidth = 1;
        text.att.sFlg = static_cast<std::uint16_t>((from.flg1 & 0xF0) | (from.flg2 << 8));
        text.start_x = Scaled(from.x1);
        text.start_y = Scaled(from.y1);
        text.end_x = Scaled(from.x2);
        text.end_y = Scaled(from.y2);
        text.nMojiShu = type;
        text.dSizeX = FifteenDigits(sizes.width * 0.1);
        text.dSizeY = FifteenDigits(sizes.height * 0.1);
        text.dKankaku = FifteenDigits(sizes.spacing * 0.1);
        text.degKakudo = FifteenDigits(DirectionDegrees(from));
        text.strFontName = u"ＭＳ ゴシック";
        text.str = from.s;
        Append(doc_.EntMoji, doc_.EntMojiN, kEntMoji, text);
    }

    void Point(const TEntJwcTen& from) {
        TEntJwwTen point;
        point.att = LayerAttributes(from.lay);
        point.att.nPenStyle = 1;
        point.att.nPenColor = from.col;
        point.att.sFlg = from.flg1 & 0xF0;
        point.start_x = Scaled(from.x);
        point.start_y = Scaled(from.y);
        point.dBairitsu = 1;
        Append(doc_.EntTen, doc_.EntTenN, kEntTen, point);
    }

private:
    double Scaled(float stored) const { return FifteenDigits(stored * k_); }
    static double Radians(double deg) { return FifteenDigits(deg * kRadPerDeg); }

    // Direction of the baseline in [0, 360), from the stored coordinates.
    static double DirectionDegrees(const TEntJwcMoji2& text) {
        const double dx = static_cast<double>(text.x2) - text.x1;
        const double dy = static_cast<double>(text.y2) - text.y1;
        if (std::fabs(dx) < 1e-14 && std::fabs(dy) < 1e-14) return 0;
        double deg = std::atan2(dy, dx) / kRadPerDeg;
        if (deg < 0) deg += 360;
        return deg >= 360 ? 0 : deg;
    }

    template <class Record>
    void Append(std::vector<Record>& records, std::int32_t& count, TEntKind kind, const Record& record) {
        records.push_back(record);
        doc_.EntNo.push_back({kind, count});
        ++count;
        ++doc_.Enthd.n1;
    }

    TJcfData& doc_;
    double k_;
    CurveCounter curves_;
};

}  // namespace

void BuildJwkFigure(const TJwkData& JWK, TJcfData& JCF) {
    const std::int32_t version = JCF.Enthd.jwVer;
    JCF.DataInit();
    JCF.DataDefaultSet();
    JCF.Enthd.jwVer = version != 0 ? version : 420;
    JCF.Enthd.BasePoint_x = 0;
    JCF.Enthd.BasePoint_y = 0;
    // The reader turns scales of 1e-14 or less into 1; a document built otherwise is held to it too.
    const double scale = std::isfinite(JWK.Enthd.scale) && JWK.Enthd.scale > 1e-14 ? JWK.Enthd.scale : 1.0;
    for (TEntJwwLayerGroup& group : JCF.EntLgrp) group.adScale = scale;

    JwkFigureBuilder builder(JCF, 1 / scale);
    const auto valid = [](const auto& records, std::int32_t count) {
        return std::span(records.data(), std::min(static_cast<std::size_t>(std::max(count, 0)), records.size()));
    };
    for (const TEntJwcLine& line : valid(JWK.EntLine, JWK.lineN)) builder.Line(line);
    for (const TEntJwcArc2& arc : valid(JWK.EntArc, JWK.arcN)) builder.Arc(arc);
    for (const TEntJwcMoji2& text : valid(JWK.EntMoji, JWK.mojiN)) builder.Text(text);
    for (const TEntJwcTen& point : valid(JWK.EntTen, JWK.tenN)) builder.Point(point);
    JCF.MakeBlockTree();
}

bool JWKtoJCLF(const TJwkData& JWK, TJcfData& JCF, const std::filesystem::path& dst) {
    BuildJwkFigure(JWK, JCF);
    JCF.SetFileOutOption(0);
    return JCF.FileOut(dst, JCF.Enthd.jwVer);
}

}  // namespace torvane
