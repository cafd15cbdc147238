#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "convert/fifteen_digits.h"
#include "convert/figure_import.h"
#include "figure_compare.h"
#include "support/test_files.h"

namespace torvane {
namespace {

constexpr double kDeg = std::numbers::pi / 180;

TEntJwcLine JwkLine(std::uint8_t flg2, std::uint8_t flg3 = 0) {
    TEntJwcLine line{};
    line.x2 = 1;
    line.y2 = 2;
    line.typ = 2;
    line.col = 3;
    line.lay = 0x35;
    line.flg2 = flg2;
    line.flg3 = flg3;
    return line;
}

TEntJwcArc2 JwkArc(float st, float et) {
    TEntJwcArc2 arc{};
    arc.x = 1;
    arc.y = 1;
    arc.r = 2;
    arc.h = 0.5f;
    arc.st = st;
    arc.et = et;
    arc.tt = 45;
    arc.typ = 1;
    arc.col = 4;
    arc.lay = 0x21;
    arc.flg2 = 0xAB;
    return arc;
}

TEntJwcMoji2 JwkText(std::uint8_t no) {
    TEntJwcMoji2 text{};
    text.x1 = 0;
    text.y1 = 0;
    text.x2 = 1;
    text.y2 = 1;
    text.no = no;
    text.lay = 0x12;
    text.flg1 = 0x3C;
    text.flg2 = 0x01;
    text.s = u"文字";
    return text;
}

std::unique_ptr<TJwkData> Jwk(float scale) {
    auto jwk = std::make_unique<TJwkData>();
    jwk->Enthd.scale = scale;
    return jwk;
}

template <class Record>
void Add(std::vector<Record>& records, std::int32_t& count, const Record& record) {
    records.push_back(record);
    ++count;
}

TEST(BuildJwkFigure, ScaleTurnsStoredValuesIntoMillimetres) {
    const auto owner = Jwk(0.01f);
    TJwkData& jwk = *owner;
    Add(jwk.EntLine, jwk.lineN, JwkLine(0));
    TJcfData JCF;
    BuildJwkFigure(jwk, JCF);
    ASSERT_EQ(JCF.EntLineN, 1);
    EXPECT_NEAR(JCF.EntLine[0].end_x, 100, 1e-4);
    EXPECT_NEAR(JCF.EntLine[0].end_y, 200, 1e-4);
    EXPECT_EQ(JCF.EntLgrp.size(), 16u);
    EXPECT_EQ(JCF.EntLgrp[15].adScale, static_cast<double>(0.01f));
    EXPECT_EQ(JCF.Enthd.BasePoint_x, 0);
}

TEST(BuildJwkFigure, EntitiesComeAsLinesArcsTextsThenPoints) {
    const auto owner = Jwk(1);
    TJwkData& jwk = *owner;
    Add(jwk.EntTen, jwk.tenN, TEntJwcTen{});
    Add(jwk.EntMoji, jwk.mojiN, JwkText(3));
    Add(jwk.EntArc, jwk.arcN, JwkArc(0, 90));
    Add(jwk.EntLine, jwk.lineN, JwkLine(0));
    Add(jwk.EntLine, jwk.lineN, JwkLine(0));
    TJcfData JCF;
    BuildJwkFigure(jwk, JCF);
    ASSERT_EQ(JCF.Enthd.n1, 5);
    const std::vector<std::pair<int, int>> order{{1, 0}, {1, 1}, {2, 0}, {4, 0}, {3, 0}};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(JCF.EntNo[i].EntType, order[i].first) << i;
        EXPECT_EQ(JCF.EntNo[i].EntNo, order[i].second) << i;
    }
}

TEST(BuildJwkFigure, VersionIsTheLastStreamsOr420) {
    TJcfData JCF;
    BuildJwkFigure(*Jwk(1), JCF);
    EXPECT_EQ(JCF.Enthd.jwVer, 420);
    JCF.Enthd.jwVer = 351;
    BuildJwkFigure(*Jwk(1), JCF);
    EXPECT_EQ(JCF.Enthd.jwVer, 351);
}

TEST(BuildJwkFigure, LinesGetCurveNumbersAndFlags) {
    const auto owner = Jwk(1);
    TJwkData& jwk = *owner;
    for (const std::uint8_t flg2 : {0x80, 0x40, 0x80, 0x80, 0x40, 0x00, 0xC0})
        Add(jwk.EntLine, jwk.lineN, JwkLine(flg2));
    Add(jwk.EntLine, jwk.lineN, JwkLine(0x20, 0xB8));
    TJcfData JCF;
    BuildJwkFigure(jwk, JCF);
    const std::vector<std::uint32_t> curves{1, 2, 2, 2, 3, 0, 3, 0};
    for (std::size_t i = 0; i < curves.size(); ++i) EXPECT_EQ(JCF.EntLine[i].att.lGroup, curves[i]) << i;
    const TEntJwwAttr& att = JCF.EntLine[7].att;
    EXPECT_EQ(att.sFlg, 0x20 | 0x0800 | 0x1000 | 0x2000 | 0x8000);
    EXPECT_EQ(att.nPenStyle, 2);
    EXPECT_EQ(att.nPenColor, 3);
    EXPECT_EQ(att.nPenWidth, 0);
    EXPECT_EQ(att.nLayer, 5);
    EXPECT_EQ(att.nGLayer, 3);
}

TEST(BuildJwkFigure, CurveNumbersStopAt5000) {
    const auto owner = Jwk(1);
    TJwkData& jwk = *owner;
    for (int i = 0; i < 5002; ++i) Add(jwk.EntLine, jwk.lineN, JwkLine(0x40));
    TJcfData JCF;
    BuildJwkFigure(jwk, JCF);
    EXPECT_EQ(JCF.EntLine[4999].att.lGroup, 5000u);
    EXPECT_EQ(JCF.EntLine[5001].att.lGroup, 5000u);
}

TEST(BuildJwkFigure, ArcSweepAndWholeEllipse) {
    const auto owner = Jwk(1);
    TJwkData& jwk = *owner;
    Add(jwk.EntArc, jwk.arcN, JwkArc(30, 390));
    Add(jwk.EntArc, jwk.arcN, JwkArc(350, 10));
    Add(jwk.EntArc, jwk.arcN, JwkArc(0, 90));
    TJcfData JCF;
    BuildJwkFigure(jwk, JCF);
    const TEntJwwEnko& whole = JCF.EntEnko[0];
    EXPECT_EQ(whole.bZenEnFlg, 1u);
    EXPECT_EQ(whole.radEnkoKaku, FifteenDigits(360 * kDeg));
    EXPECT_EQ(whole.radKaishiKaku, FifteenDigits(30 * kDeg));
    const TEntJwwEnko& across_zero = JCF.EntEnko[1];
    EXPECT_EQ(across_zero.bZenEnFlg, 0u);
    EXPECT_EQ(across_zero.radEnkoKaku, FifteenDigits(20 * kDeg));
    EXPECT_EQ(across_zero.radKaishiKaku, FifteenDigits(350 * kDeg));
    const TEntJwwEnko& quarter = JCF.EntEnko[2];
    EXPECT_EQ(quarter.dHankei, 2);
    EXPECT_EQ(quarter.dHenpeiRitsu, 0.5);
    EXPECT_EQ(quarter.radKatamukiKaku, FifteenDigits(45 * kDeg));
    EXPECT_EQ(quarter.att.sFlg, 0xA0);
    EXPECT_EQ(quarter.att.nLayer, 1);
    EXPECT_EQ(quarter.att.nGLayer, 2);
    EXPECT_EQ(quarter.att.lGroup, 0u);
}

TEST(BuildJwkFigure, TextsTakeTheDosTextTypes) {
    const auto owner = Jwk(1);
    TJwkData& jwk = *owner;
    jwk.EntMjtp.assign(12, TEntJwcMojiType{9, 99, 99, 99});
    Add(jwk.EntMoji, jwk.mojiN, JwkText(3));
    Add(jwk.EntMoji, jwk.mojiN, JwkText(12));
    TJcfData JCF;
    BuildJwkFigure(jwk, JCF);
    const TEntJwwMoji& text = JCF.EntMoji[0];
    EXPECT_EQ(text.nMojiShu, 3u);
    EXPECT_EQ(text.dSizeX, 3.0);
    EXPECT_EQ(text.dSizeY, 3.0);
    EXPECT_EQ(text.dKankaku, 0.5);
    EXPECT_EQ(text.att.nPenColor, 2);
    EXPECT_EQ(text.att.nPenStyle, 1);
    EXPECT_EQ(text.att.nPenWidth, 1);
    EXPECT_EQ(text.att.sFlg, 0x30 | 0x100);
    EXPECT_EQ(text.att.nLayer, 2);
    EXPECT_EQ(text.att.nGLayer, 1);
    EXPECT_EQ(text.degKakudo, 45);
    EXPECT_EQ(text.strFontName, u"ＭＳ ゴシック");
    EXPECT_EQ(text.str, u"文字");
    // Type numbers beyond the table convert as type 0.
    EXPECT_EQ(JCF.EntMoji[1].nMojiShu, 0u);
    EXPECT_EQ(JCF.EntMoji[1].dSizeY, 0);
    EXPECT_EQ(JCF.EntMoji[1].att.nPenColor, 0);
}

TEST(BuildJwkFigure, PointsAreOrdinaryPoints) {
    const auto owner = Jwk(0.5f);
    TJwkData& jwk = *owner;
    TEntJwcTen point{};
    point.x = 0.1f;
    point.y = -3;
    point.lay = 0xF0;
    point.col = 6;
    point.flg1 = 0x5A;
    Add(jwk.EntTen, jwk.tenN, point);
    TJcfData JCF;
    BuildJwkFigure(jwk, JCF);
    const TEntJwwTen& p = JCF.EntTen[0];
    EXPECT_EQ(p.start_x, 0.200000002980232);
    EXPECT_EQ(p.start_y, -6);
    EXPECT_EQ(p.att.nPenStyle, 1);
    EXPECT_EQ(p.att.nPenColor, 6);
    EXPECT_EQ(p.att.sFlg, 0x50);
    EXPECT_EQ(p.att.nGLayer, 15);
    EXPECT_EQ(p.bKariten, 0u);
    EXPECT_EQ(p.dBairitsu, 1);
}

TEST(JWKtoJCLF, WritesAStreamThatReadsBack) {
    const auto owner = Jwk(1);
    TJwkData& jwk = *owner;
    Add(jwk.EntLine, jwk.lineN, JwkLine(0x40));
    Add(jwk.EntArc, jwk.arcN, JwkArc(10, 20));
    Add(jwk.EntMoji, jwk.mojiN, JwkText(5));
    TEntJwcTen point{};
    point.col = 1;
    Add(jwk.EntTen, jwk.tenN, point);
    test::TempDir dir;
    TJcfData JCF;
    ASSERT_TRUE(JWKtoJCLF(jwk, JCF, dir / "figure.1"));
    TJcfData back;
    ASSERT_TRUE(back.FileIn(dir / "figure.1"));
    test::ExpectSameFigure(JCF, back, 0);
    EXPECT_FALSE(back.MojiEncode);
}

TEST(FifteenDigits, RoundsToFifteenSignificantDigits) {
    EXPECT_EQ(FifteenDigits(1.0 / 3), 0.333333333333333);
    EXPECT_EQ(FifteenDigits(static_cast<double>(0.1f)), 0.100000001490116);
    EXPECT_EQ(FifteenDigits(-2.5e-20), -2.5e-20);
    EXPECT_EQ(FifteenDigits(100), 100);
}

}  // namespace
}  // namespace torvane
