#include "sample_figure.h"

namespace torvane::test {
namespace {

TEntJwwAttr Attr(std::uint8_t style, std::uint16_t color, std::uint16_t layer) {
    TEntJwwAttr att;
    att.lGroup = 3;
    att.nPenStyle = style;
    att.nPenColor = color;
    att.nPenWidth = 2;
    att.nLayer = layer;
    att.nGLayer = 1;
    att.sFlg = 0x100;
    return att;
}

template <class Record>
void Add(TJcfData& doc, std::vector<Record>& records, std::int32_t& count, TEntKind kind, const Record& record) {
    records.push_back(record);
    doc.EntNo.push_back({kind, count++});
    ++doc.Enthd.n1;
}

TEntJwwMoji Text(double x, double y, std::u16string str, std::uint16_t flags) {
    TEntJwwMoji text;
    text.att = Attr(1, 2, 4);
    text.att.sFlg = flags;
    text.start_x = x;
    text.start_y = y;
    text.end_x = x + 12;
    text.end_y = y + 5;
    text.nMojiShu = 10003;
    text.dSizeX = 3;
    text.dSizeY = 3.5;
    text.dKankaku = 0.5;
    text.degKakudo = 22.619864948040426;
    text.strFontName = u"ＭＳ ゴシック";
    text.str = std::move(str);
    return text;
}

TEntJwwTen Point(double x, double y, std::uint8_t style) {
    TEntJwwTen point;
    point.att = Attr(style, 3, 5);
    point.start_x = x;
    point.start_y = y;
    if (style == 100) {
        point.nCode = 4;
        point.radKaitenKaku = 0.3;
        point.dBairitsu = 1.5;
    } else {
        point.bKariten = 1;
        point.dBairitsu = 1;
    }
    return point;
}

TEntJwwSolid Solid(std::uint8_t style, double r, double f, double tilt, double start, double sweep, double p) {
    TEntJwwSolid solid;
    solid.att = Attr(style, 10, 6);
    solid.Color = 0x336699;
    solid.start_x = 120;
    solid.start_y = 40;
    solid.end_x = r;
    solid.end_y = f;
    solid.DPoint2_x = tilt;
    solid.DPoint2_y = start;
    solid.DPoint3_x = sweep;
    solid.DPoint3_y = p;
    return solid;
}

}  // namespace

TJcfData SampleFigure() {
    TJcfData doc;
    doc.DataDefaultSet();
    doc.Enthd.jwVer = 600;
    doc.Enthd.BasePoint_x = 100;
    doc.Enthd.BasePoint_y = 50;
    doc.EntLgrp[2].adScale = 50;

    TEntJwwLine line;
    line.att = Attr(2, 1, 0);
    line.start_x = 100;
    line.start_y = 50;
    line.end_x = 110;
    line.end_y = 50;
    Add(doc, doc.EntLine, doc.EntLineN, kEntLine, line);

    TEntJwwEnko arc;
    arc.att = Attr(1, 5, 1);
    arc.start_x = 90;
    arc.start_y = 70;
    arc.dHankei = 8;
    arc.dHenpeiRitsu = 0.6;
    arc.radKatamukiKaku = 0.4;
    arc.radKaishiKaku = 0.5;
    arc.radEnkoKaku = 2;
    Add(doc, doc.EntEnko, doc.EntEnkoN, kEntEnko, arc);
    TEntJwwEnko circle = arc;
    circle.dHenpeiRitsu = 1;
    circle.radKatamukiKaku = 0;
    circle.radKaishiKaku = 0;
    circle.radEnkoKaku = 2 * 3.141592653589793;
    circle.bZenEnFlg = 1;
    Add(doc, doc.EntEnko, doc.EntEnkoN, kEntEnko, circle);

    Add(doc, doc.EntTen, doc.EntTenN, kEntTen, Point(130, 20, 1));
    Add(doc, doc.EntTen, doc.EntTenN, kEntTen, Point(80, 30, 100));

    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, Text(60, 60, u"寸法ABC", 0));
    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, Text(70, 20, u"縦書き", 0x20));
    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, Text(40, 40, u"^@BMphoto.bmp,20,10", 0));

    TEntJwwSunpo dim;
    dim.att = Attr(1, 7, 2);
    dim.Sen.att = Attr(1, 7, 2);
    dim.Sen.start_x = 100;
    dim.Sen.start_y = 90;
    dim.Sen.end_x = 150;
    dim.Sen.end_y = 90;
    dim.Moji = Text(120, 91, u"50", 0);
    dim.bSxfMode = 1;
    dim.Ho1 = dim.Sen;
    dim.Ho1.end_y = 80;
    dim.Ho2 = dim.Sen;
    dim.Ho2.start_x = 150;
    dim.Ho2.end_y = 80;
    dim.Te1 = Point(100, 90, 100);
    dim.Te2 = Point(150, 90, 100);
    dim.Kt1 = Point(100, 80, 1);
    dim.Kt2 = Point(150, 80, 1);
    Add(doc, doc.EntSunpo, doc.EntSunpoN, kEntSunpo, dim);

    TEntJwwSolid quad = Solid(1, 0, 0, 0, 0, 0, 0);
    quad.end_x = 130;
    quad.end_y = 40;
    quad.DPoint2_x = 130;
    quad.DPoint2_y = 45;
    quad.DPoint3_x = 120;
    quad.DPoint3_y = 45;
    Add(doc, doc.EntSolid, doc.EntSolidN, kEntSolid, quad);
    Add(doc, doc.EntSolid, doc.EntSolidN, kEntSolid, Solid(101, 6, 0.5, 0.2, 0.3, 1.2, 0));
    Add(doc, doc.EntSolid, doc.EntSolidN, kEntSolid, Solid(105, 6, 1, 0, 0.3, 1.2, 2));
    Add(doc, doc.EntSolid, doc.EntSolidN, kEntSolid, Solid(111, 6, 0.7, 0.1, 0.3, 1.2, 5));

    TEntJwwBlockDef def;
    def.att = Attr(0, 1, 0);
    def.nNumber = 4;
    def.dtime = 12345;
    def.strName = u"部品";
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mLine = {line};
    members.mLineN = 1;
    members.mMoji = {Text(0, 0, u"in", 0)};
    members.mMojiN = 1;
    members.mNo = {{kEntLine, 0}, {kEntMoji, 0}};
    members.N = 2;
    doc.EntBlockDef = {def};
    doc.EntBlockDefN = 1;
    doc.Enthd.n2 = 1;
    TEntJwwBlock block;
    block.att = Attr(0, 1, 3);
    block.DPKijunTen_x = 140;
    block.DPKijunTen_y = 70;
    block.dBairitsuX = 1;
    block.dBairitsuY = 2;
    block.radKaitenKaku = 0.7;
    block.nNumber = 4;
    Add(doc, doc.EntBlock, doc.EntBlockN, kEntBlock, block);
    doc.MakeBlockTree();
    return doc;
}

}  // namespace torvane::test
