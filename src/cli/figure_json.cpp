#include "cli/figure_json.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "util/encodings.h"

namespace torvane::cli {
namespace {

Json Attr(const TEntJwwAttr& a) {
    return Json{{"lGroup", a.lGroup}, {"nPenStyle", a.nPenStyle}, {"nPenColor", a.nPenColor},
                {"nPenWidth", a.nPenWidth}, {"nLayer", a.nLayer}, {"nGLayer", a.nGLayer}, {"sFlg", a.sFlg}};
}

Json Line(const TEntJwwLine& r) {
    return Json{{"att", Attr(r.att)}, {"start_x", Number(r.start_x)}, {"start_y", Number(r.start_y)},
                {"end_x", Number(r.end_x)}, {"end_y", Number(r.end_y)}};
}

Json Enko(const TEntJwwEnko& r) {
    return Json{{"att", Attr(r.att)},
                {"start_x", Number(r.start_x)},
                {"start_y", Number(r.start_y)},
                {"dHankei", Number(r.dHankei)},
                {"radKaishiKaku", Number(r.radKaishiKaku)},
                {"radEnkoKaku", Number(r.radEnkoKaku)},
                {"radKatamukiKaku", Number(r.radKatamukiKaku)},
                {"dHenpeiRitsu", Number(r.dHenpeiRitsu)},
                {"bZenEnFlg", r.bZenEnFlg}};
}

Json Ten(const TEntJwwTen& r) {
    return Json{{"att", Attr(r.att)},          {"start_x", Number(r.start_x)},
                {"start_y", Number(r.start_y)}, {"bKariten", r.bKariten},
                {"nCode", r.nCode},             {"radKaitenKaku", Number(r.radKaitenKaku)},
                {"dBairitsu", Number(r.dBairitsu)}};
}

Json Moji(const TEntJwwMoji& r) {
    return Json{{"att", Attr(r.att)},
                {"start_x", Number(r.start_x)},
                {"start_y", Number(r.start_y)},
                {"end_x", Number(r.end_x)},
                {"end_y", Number(r.end_y)},
                {"nMojiShu", r.nMojiShu},
                {"dSizeX", Number(r.dSizeX)},
                {"dSizeY", Number(r.dSizeY)},
                {"dKankaku", Number(r.dKankaku)},
                {"degKakudo", Number(r.degKakudo)},
                {"strFontName", Utf8(r.strFontName)},
                {"str", Utf8(r.str)}};
}

Json Sunpo(const TEntJwwSunpo& r) {
    return Json{{"att", Attr(r.att)}, {"Sen", Line(r.Sen)}, {"Moji", Moji(r.Moji)}, {"bSxfMode", r.bSxfMode},
                {"Ho1", Line(r.Ho1)},  {"Ho2", Line(r.Ho2)},  {"Te1", Ten(r.Te1)},    {"Te2", Ten(r.Te2)},
                {"Kt1", Ten(r.Kt1)},   {"Kt2", Ten(r.Kt2)}};
}

Json Solid(const TEntJwwSolid& r) {
    return Json{{"att", Attr(r.att)},
                {"start_x", Number(r.start_x)},
                {"start_y", Number(r.start_y)},
                {"end_x", Number(r.end_x)},
                {"end_y", Number(r.end_y)},
                {"DPoint2_x", Number(r.DPoint2_x)},
                {"DPoint2_y", Number(r.DPoint2_y)},
                {"DPoint3_x", Number(r.DPoint3_x)},
                {"DPoint3_y", Number(r.DPoint3_y)},
                {"Color", r.Color}};
}

Json Block(const TEntJwwBlock& r) {
    return Json{{"att", Attr(r.att)},
                {"DPKijunTen_x", Number(r.DPKijunTen_x)},
                {"DPKijunTen_y", Number(r.DPKijunTen_y)},
                {"dBairitsuX", Number(r.dBairitsuX)},
                {"dBairitsuY", Number(r.dBairitsuY)},
                {"radKaitenKaku", Number(r.radKaitenKaku)},
                {"nNumber", r.nNumber}};
}

Json No(const TEntJwwNo& r) { return Json{{"EntType", r.EntType}, {"EntNo", r.EntNo}}; }

Json BlockDef(const TEntJwwBlockDef& r) {
    return Json{{"att", Attr(r.att)},
                {"nNumber", r.nNumber},
                {"bRefferd", r.bRefferd},
                {"dtime", r.dtime},
                {"strName", Utf8(r.strName)},
                {"N", r.N},
                {"mNo", Records(r.mNo, r.N, No)},
                {"mLineN", r.mLineN},
                {"mEnkoN", r.mEnkoN},
                {"mTenN", r.mTenN},
                {"mMojiN", r.mMojiN},
                {"mSunpoN", r.mSunpoN},
                {"mSolidN", r.mSolidN},
                {"mBlockN", r.mBlockN},
                {"mLine", Records(r.mLine, r.mLineN, Line)},
                {"mEnko", Records(r.mEnko, r.mEnkoN, Enko)},
                {"mTen", Records(r.mTen, r.mTenN, Ten)},
                {"mMoji", Records(r.mMoji, r.mMojiN, Moji)},
                {"mSunpo", Records(r.mSunpo, r.mSunpoN, Sunpo)},
                {"mSolid", Records(r.mSolid, r.mSolidN, Solid)},
                {"mBlock", Records(r.mBlock, r.mBlockN, Block)},
                {"ref_flag", r.ref_flag},
                {"ref_no", r.ref_no}};
}

Json BlockTree(const TEntJwwBlockTree& r) {
    return Json{{"att", Attr(r.att)}, {"level", r.level},   {"parent", r.parent}, {"no", r.no},
                {"defno", r.defno},   {"x", Number(r.x)},   {"y", Number(r.y)},   {"r1", Number(r.r1)},
                {"r2", Number(r.r2)}, {"r3", Number(r.r3)}, {"r4", Number(r.r4)}};
}

Json LayerGroup(const TEntJwwLayerGroup& r) {
    return Json{{"anGLay", r.anGLay},
                {"anWriteLay", r.anWriteLay},
                {"adScale", Number(r.adScale)},
                {"anGLayProtect", r.anGLayProtect},
                {"aStrGLayName", Utf8(r.aStrGLayName)}};
}

void AddCommonHeader(Json& out, const TEntJcfHeader& h) {
    out["jwVer"] = h.jwVer;
    out["BasePoint_x"] = Number(h.BasePoint_x);
    out["BasePoint_y"] = Number(h.BasePoint_y);
}

void AddCommonTail(Json& out, const TEntJcfHeader& h) {
    out["Mx1"] = Number(h.Mx1);
    out["My1"] = Number(h.My1);
    out["Mx2"] = Number(h.Mx2);
    out["My2"] = Number(h.My2);
    out["n1"] = h.n1;
    out["n2"] = h.n2;
}

// Every member of the shared model after the header, in the order of the code.
Json Figure(const TJwwFigureData& doc, Json header) {
    Json out;
    out["Enthd"] = std::move(header);
    out["EntLgrp"] = Records(doc.EntLgrp, static_cast<std::int32_t>(doc.EntLgrp.size()), LayerGroup);
    out["EntNo"] = Records(doc.EntNo, doc.Header().n1, No);
    out["EntLine"] = Records(doc.EntLine, doc.EntLineN, Line);
    out["EntLineN"] = doc.EntLineN;
    out["EntEnko"] = Records(doc.EntEnko, doc.EntEnkoN, Enko);
    out["EntEnkoN"] = doc.EntEnkoN;
    out["EntTen"] = Records(doc.EntTen, doc.EntTenN, Ten);
    out["EntTenN"] = doc.EntTenN;
    out["EntMoji"] = Records(doc.EntMoji, doc.EntMojiN, Moji);
    out["EntMojiN"] = doc.EntMojiN;
    out["EntSunpo"] = Records(doc.EntSunpo, doc.EntSunpoN, Sunpo);
    out["EntSunpoN"] = doc.EntSunpoN;
    out["EntSolid"] = Records(doc.EntSolid, doc.EntSolidN, Solid);
    out["EntSolidN"] = doc.EntSolidN;
    out["EntBlock"] = Records(doc.EntBlock, doc.EntBlockN, Block);
    out["EntBlockN"] = doc.EntBlockN;
    out["EntBlockDef"] = Records(doc.EntBlockDef, doc.EntBlockDefN, BlockDef);
    out["EntBlockDefN"] = doc.EntBlockDefN;
    out["EntBlockTree"] = Records(doc.EntBlockTree, doc.EntBlockTreeN, BlockTree);
    out["EntBlockTreeN"] = doc.EntBlockTreeN;
    out["EntBlockNum"] = doc.EntBlockNum;
    out["BindImageFolder"] = Utf8(doc.BindImageFolder);
    out["FileOutOpt"] = doc.FileOutOpt;
    out["MojiEncode"] = doc.MojiEncode;
    out["myMinWx"] = Number(doc.myMinWx);
    out["myMinWy"] = Number(doc.myMinWy);
    out["myMaxWx"] = Number(doc.myMaxWx);
    out["myMaxWy"] = Number(doc.myMaxWy);
    return out;
}

}  // namespace

Json Number(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

std::string Utf8(const std::u16string& text) { return StrToUtf8(text); }

Json DocumentJson(const TJcfData& doc) {
    Json header;
    AddCommonHeader(header, doc.Enthd);
    AddCommonTail(header, doc.Enthd);
    return Figure(doc, std::move(header));
}

Json DocumentJson(const TJwsData& doc) {
    const TEntJwsHeader& h = doc.Enthd;
    Json header;
    header["jwID"] = Utf8(h.jwID);
    AddCommonHeader(header, h);
    for (const auto& [name, value] : {std::pair{"dmy01", h.dmy01}, {"dmy02", h.dmy02}, {"dmy03", h.dmy03},
                                      {"dmy04", h.dmy04}, {"dmy05", h.dmy05}, {"dmy06", h.dmy06}})
        header[name] = value;
    for (const auto& [name, value] : {std::pair{"dmy11", h.dmy11}, {"dmy12", h.dmy12}, {"dmy13", h.dmy13},
                                      {"dmy14", h.dmy14}, {"dmy15", h.dmy15}, {"dmy16", h.dmy16}})
        header[name] = Number(value);
    AddCommonTail(header, h);
    return Figure(doc, std::move(header));
}

std::string DumpText(const char* kind, bool check, bool read, Json document) {
    Json out;
    out["kind"] = kind;
    out["check"] = check;
    out["read"] = read;
    out["document"] = std::move(document);
    return out.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace torvane::cli
