#include "cli/figure_json.h"

namespace torvane::cli {
namespace {

void Attr(JsonWriter& j, const TEntJwwAttr& a) {
    j.BeginObject();
    j.Member("lGroup", a.lGroup);
    j.Member("nPenStyle", a.nPenStyle);
    j.Member("nPenColor", a.nPenColor);
    j.Member("nPenWidth", a.nPenWidth);
    j.Member("nLayer", a.nLayer);
    j.Member("nGLayer", a.nGLayer);
    j.Member("sFlg", a.sFlg);
    j.EndObject();
}

// The fields of a record before its own: its attributes under "att".
void Head(JsonWriter& j, const TEntJwwAttr& a) {
    j.BeginObject();
    j.Key("att");
    Attr(j, a);
}

void Line(JsonWriter& j, const TEntJwwLine& r) {
    Head(j, r.att);
    j.Member("start_x", r.start_x);
    j.Member("start_y", r.start_y);
    j.Member("end_x", r.end_x);
    j.Member("end_y", r.end_y);
    j.EndObject();
}

void Enko(JsonWriter& j, const TEntJwwEnko& r) {
    Head(j, r.att);
    j.Member("start_x", r.start_x);
    j.Member("start_y", r.start_y);
    j.Member("dHankei", r.dHankei);
    j.Member("radKaishiKaku", r.radKaishiKaku);
    j.Member("radEnkoKaku", r.radEnkoKaku);
    j.Member("radKatamukiKaku", r.radKatamukiKaku);
    j.Member("dHenpeiRitsu", r.dHenpeiRitsu);
    j.Member("bZenEnFlg", r.bZenEnFlg);
    j.EndObject();
}

void Ten(JsonWriter& j, const TEntJwwTen& r) {
    Head(j, r.att);
    j.Member("start_x", r.start_x);
    j.Member("start_y", r.start_y);
    j.Member("bKariten", r.bKariten);
    j.Member("nCode", r.nCode);
    j.Member("radKaitenKaku", r.radKaitenKaku);
    j.Member("dBairitsu", r.dBairitsu);
    j.EndObject();
}

void Moji(JsonWriter& j, const TEntJwwMoji& r) {
    Head(j, r.att);
    j.Member("start_x", r.start_x);
    j.Member("start_y", r.start_y);
    j.Member("end_x", r.end_x);
    j.Member("end_y", r.end_y);
    j.Member("nMojiShu", r.nMojiShu);
    j.Member("dSizeX", r.dSizeX);
    j.Member("dSizeY", r.dSizeY);
    j.Member("dKankaku", r.dKankaku);
    j.Member("degKakudo", r.degKakudo);
    j.Member("strFontName", r.strFontName);
    j.Member("str", r.str);
    j.EndObject();
}

void Sunpo(JsonWriter& j, const TEntJwwSunpo& r) {
    Head(j, r.att);
    j.Key("Sen");
    Line(j, r.Sen);
    j.Key("Moji");
    Moji(j, r.Moji);
    j.Member("bSxfMode", r.bSxfMode);
    j.Key("Ho1");
    Line(j, r.Ho1);
    j.Key("Ho2");
    Line(j, r.Ho2);
    for (const auto& [name, point] : {std::pair{"Te1", &r.Te1}, {"Te2", &r.Te2}, {"Kt1", &r.Kt1}, {"Kt2", &r.Kt2}}) {
        j.Key(name);
        Ten(j, *point);
    }
    j.EndObject();
}

void Solid(JsonWriter& j, const TEntJwwSolid& r) {
    Head(j, r.att);
    j.Member("start_x", r.start_x);
    j.Member("start_y", r.start_y);
    j.Member("end_x", r.end_x);
    j.Member("end_y", r.end_y);
    j.Member("DPoint2_x", r.DPoint2_x);
    j.Member("DPoint2_y", r.DPoint2_y);
    j.Member("DPoint3_x", r.DPoint3_x);
    j.Member("DPoint3_y", r.DPoint3_y);
    j.Member("Color", r.Color);
    j.EndObject();
}

void Block(JsonWriter& j, const TEntJwwBlock& r) {
    Head(j, r.att);
    j.Member("DPKijunTen_x", r.DPKijunTen_x);
    j.Member("DPKijunTen_y", r.DPKijunTen_y);
    j.Member("dBairitsuX", r.dBairitsuX);
    j.Member("dBairitsuY", r.dBairitsuY);
    j.Member("radKaitenKaku", r.radKaitenKaku);
    j.Member("nNumber", r.nNumber);
    j.EndObject();
}

void No(JsonWriter& j, const TEntJwwNo& r) {
    j.BeginObject();
    j.Member("EntType", r.EntType);
    j.Member("EntNo", r.EntNo);
    j.EndObject();
}

void BlockDef(JsonWriter& j, const TEntJwwBlockDef& r) {
    Head(j, r.att);
    j.Member("nNumber", r.nNumber);
    j.Member("bRefferd", r.bRefferd);
    j.Member("dtime", r.dtime);
    j.Member("strName", r.strName);
    const TEntJwwBlockMembers& m = r.Members();
    j.Member("N", m.N);
    WriteRecords(j, "mNo", m.mNo, m.N, No);
    j.Member("mLineN", m.mLineN);
    j.Member("mEnkoN", m.mEnkoN);
    j.Member("mTenN", m.mTenN);
    j.Member("mMojiN", m.mMojiN);
    j.Member("mSunpoN", m.mSunpoN);
    j.Member("mSolidN", m.mSolidN);
    j.Member("mBlockN", m.mBlockN);
    WriteRecords(j, "mLine", m.mLine, m.mLineN, Line);
    WriteRecords(j, "mEnko", m.mEnko, m.mEnkoN, Enko);
    WriteRecords(j, "mTen", m.mTen, m.mTenN, Ten);
    WriteRecords(j, "mMoji", m.mMoji, m.mMojiN, Moji);
    WriteRecords(j, "mSunpo", m.mSunpo, m.mSunpoN, Sunpo);
    WriteRecords(j, "mSolid", m.mSolid, m.mSolidN, Solid);
    WriteRecords(j, "mBlock", m.mBlock, m.mBlockN, Block);
    j.Member("ref_flag", r.ref_flag);
    j.Member("ref_no", r.ref_no);
    j.EndObject();
}

void BlockTree(JsonWriter& j, const TEntJwwBlockTree& r) {
    Head(j, r.att);
    j.Member("level", r.level);
    j.Member("parent", r.parent);
    j.Member("no", r.no);
    j.Member("defno", r.defno);
    j.Member("x", r.x);
    j.Member("y", r.y);
    j.Member("r1", r.r1);
    j.Member("r2", r.r2);
    j.Member("r3", r.r3);
    j.Member("r4", r.r4);
    j.EndObject();
}

void Layer(JsonWriter& j, const TEntJwwLayer& r) {
    j.BeginObject();
    j.Member("anLay", r.anLay);
    j.Member("anLayProtect", r.anLayProtect);
    j.Member("aStrLayName", r.aStrLayName);
    j.EndObject();
}

void LayerGroup(JsonWriter& j, const TEntJwwLayerGroup& r) {
    j.BeginObject();
    j.Member("anGLay", r.anGLay);
    j.Member("anWriteLay", r.anWriteLay);
    j.Member("adScale", r.adScale);
    j.Member("anGLayProtect", r.anGLayProtect);
    j.Member("aStrGLayName", r.aStrGLayName);
    j.EndObject();
}

void CommonHeader(JsonWriter& j, const TEntJcfHeader& h) {
    j.Member("jwVer", h.jwVer);
    j.Member("BasePoint_x", h.BasePoint_x);
    j.Member("BasePoint_y", h.BasePoint_y);
}

void CommonTail(JsonWriter& j, const TEntJcfHeader& h) {
    j.Member("Mx1", h.Mx1);
    j.Member("My1", h.My1);
    j.Member("Mx2", h.Mx2);
    j.Member("My2", h.My2);
    j.Member("n1", h.n1);
    j.Member("n2", h.n2);
    j.EndObject();
}

// Every member of the shared model after the header, in the order of the code.
void Figure(JsonWriter& j, const TJwwFigureData& doc) {
    WriteRecords(j, "EntLgrp", doc.EntLgrp, static_cast<std::int32_t>(doc.EntLgrp.size()), LayerGroup);
    WriteRecords(j, "EntNo", doc.EntNo, doc.Header().n1, No);
    WriteRecords(j, "EntLine", doc.EntLine, doc.EntLineN, Line);
    j.Member("EntLineN", doc.EntLineN);
    WriteRecords(j, "EntEnko", doc.EntEnko, doc.EntEnkoN, Enko);
    j.Member("EntEnkoN", doc.EntEnkoN);
    WriteRecords(j, "EntTen", doc.EntTen, doc.EntTenN, Ten);
    j.Member("EntTenN", doc.EntTenN);
    WriteRecords(j, "EntMoji", doc.EntMoji, doc.EntMojiN, Moji);
    j.Member("EntMojiN", doc.EntMojiN);
    WriteRecords(j, "EntSunpo", doc.EntSunpo, doc.EntSunpoN, Sunpo);
    j.Member("EntSunpoN", doc.EntSunpoN);
    WriteRecords(j, "EntSolid", doc.EntSolid, doc.EntSolidN, Solid);
    j.Member("EntSolidN", doc.EntSolidN);
    WriteRecords(j, "EntBlock", doc.EntBlock, doc.EntBlockN, Block);
    j.Member("EntBlockN", doc.EntBlockN);
    WriteRecords(j, "EntBlockDef", doc.EntBlockDef, doc.EntBlockDefN, BlockDef);
    j.Member("EntBlockDefN", doc.EntBlockDefN);
    WriteRecords(j, "EntBlockTree", doc.EntBlockTree, doc.EntBlockTreeN, BlockTree);
    j.Member("EntBlockTreeN", doc.EntBlockTreeN);
    j.Member("EntBlockNum", doc.EntBlockNum);
    j.Member("BindImageFolder", doc.BindImageFolder);
    j.Member("FileOutOpt", doc.FileOutOpt);
    j.Member("MojiEncode", doc.MojiEncode);
    j.Member("myMinWx", doc.myMinWx);
    j.Member("myMinWy", doc.myMinWy);
    j.Member("myMaxWx", doc.myMaxWx);
    j.Member("myMaxWy", doc.myMaxWy);
    j.EndObject();
}

// The drawing header's own fields: memo, paper, layers and the settings kept.
void DrawingHeader(JsonWriter& j, const TEntJwwHeader& h) {
    j.Member("strMemo", h.strMemo);
    j.Member("nZumen", h.nZumen);
    j.Member("nWriteGLay", h.nWriteGLay);
    j.Key("aLay");
    j.BeginArray();
    for (const auto& group : h.aLay) {
        j.BeginArray();
        for (const TEntJwwLayer& layer : group) Layer(j, layer);
        j.EndArray();
    }
    j.EndArray();
    for (const auto& [name, value] :
         {std::pair{"lnSunpou1", h.lnSunpou1}, {"lnSunpou2", h.lnSunpou2}, {"lnSunpou3", h.lnSunpou3},
          {"lnSunpou4", h.lnSunpou4}, {"lnSunpou5", h.lnSunpou5}, {"nMaxDrawWid", h.nMaxDrawWid},
          {"nPrtSet", h.nPrtSet}, {"nMemoriMode", h.nMemoriMode}, {"nKage9_15JiFlg", h.nKage9_15JiFlg},
          {"nMMTani3D", h.nMMTani3D}, {"lnDrawTime", h.lnDrawTime}, {"nSolidNinniColor", h.nSolidNinniColor},
          {"SolidColor", h.SolidColor}, {"nMojiColor", h.nMojiColor}, {"nMojiShu", h.nMojiShu}})
        j.Member(name, value);
    for (const auto& [name, value] :
         {std::pair{"DPPrtGenten_x", h.DPPrtGenten_x}, {"DPPrtGenten_y", h.DPPrtGenten_y},
          {"dPrtBairitsu", h.dPrtBairitsu}, {"dMemoriHyoujiMin", h.dMemoriHyoujiMin}, {"dMemoriX", h.dMemoriX},
          {"dMemoriY", h.dMemoriY}, {"DpMemoriKijunTen_x", h.DpMemoriKijunTen_x},
          {"DpMemoriKijunTen_y", h.DpMemoriKijunTen_y}, {"dKageLevel", h.dKageLevel}, {"dKageIdo", h.dKageIdo},
          {"dKabeKageLevel", h.dKabeKageLevel}, {"dTenkuuZuLevel", h.dTenkuuZuLevel},
          {"dTenkuuZuEnkoR", h.dTenkuuZuEnkoR}, {"dBairitsu", h.dBairitsu}, {"DPGenten_x", h.DPGenten_x},
          {"DPGenten_y", h.DPGenten_y}, {"dHanniBairitsu", h.dHanniBairitsu}, {"DPHanniGenten_x", h.DPHanniGenten_x},
          {"DPHanniGenten_y", h.DPHanniGenten_y}, {"dMojiSizeX", h.dMojiSizeX}, {"dMojiSizeY", h.dMojiSizeY},
          {"dMojiKankaku", h.dMojiKankaku}})
        j.Member(name, value);
}

}  // namespace

void BeginDocument(JsonWriter& j) {
    j.BeginObject();
    j.Key("Enthd");
    j.BeginObject();
}

void WriteDocument(JsonWriter& j, const TJcfData& doc) {
    BeginDocument(j);
    CommonHeader(j, doc.Enthd);
    CommonTail(j, doc.Enthd);
    Figure(j, doc);
}

void WriteDocument(JsonWriter& j, const TJwsData& doc) {
    const TEntJwsHeader& h = doc.Enthd;
    BeginDocument(j);
    j.Member("jwID", h.jwID);
    CommonHeader(j, h);
    for (const auto& [name, value] : {std::pair{"dmy01", h.dmy01}, {"dmy02", h.dmy02}, {"dmy03", h.dmy03},
                                      {"dmy04", h.dmy04}, {"dmy05", h.dmy05}, {"dmy06", h.dmy06}})
        j.Member(name, value);
    for (const auto& [name, value] : {std::pair{"dmy11", h.dmy11}, {"dmy12", h.dmy12}, {"dmy13", h.dmy13},
                                      {"dmy14", h.dmy14}, {"dmy15", h.dmy15}, {"dmy16", h.dmy16}})
        j.Member(name, value);
    CommonTail(j, h);
    Figure(j, doc);
}

void WriteDocument(JsonWriter& j, const TJwwData& doc) {
    const TEntJwwHeader& h = doc.Enthd;
    BeginDocument(j);
    j.Member("jwwID", h.jwwID);
    CommonHeader(j, h);
    DrawingHeader(j, h);
    CommonTail(j, h);
    Figure(j, doc);
}

}  // namespace torvane::cli
