#include "figure_compare.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace torvane::test {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

class Comparer {
public:
    explicit Comparer(double tolerance) : tol_(tolerance) {}

    void Attr(const std::string& at, const TEntJwwAttr& a, const TEntJwwAttr& b) const {
        EXPECT_EQ(a.lGroup, b.lGroup) << at;
        EXPECT_EQ(a.nPenStyle, b.nPenStyle) << at;
        EXPECT_EQ(a.nPenColor, b.nPenColor) << at;
        EXPECT_EQ(a.nPenWidth, b.nPenWidth) << at;
        EXPECT_EQ(a.nLayer, b.nLayer) << at;
        EXPECT_EQ(a.nGLayer, b.nGLayer) << at;
        EXPECT_EQ(a.sFlg, b.sFlg) << at;
    }
    void Near(const std::string& at, double a, double b) const { EXPECT_NEAR(a, b, tol_) << at; }
    void Angle(const std::string& at, double a, double b, double turn = kTwoPi) const {
        EXPECT_NEAR(std::remainder(a - b, turn), 0, tol_) << at << ": " << a << " vs " << b;
    }

    void Line(const std::string& at, const TEntJwwLine& a, const TEntJwwLine& b) const {
        Attr(at, a.att, b.att);
        Near(at + " start_x", a.start_x, b.start_x);
        Near(at + " start_y", a.start_y, b.start_y);
        Near(at + " end_x", a.end_x, b.end_x);
        Near(at + " end_y", a.end_y, b.end_y);
    }
    void Arc(const std::string& at, const TEntJwwEnko& a, const TEntJwwEnko& b) const {
        Attr(at, a.att, b.att);
        Near(at + " start_x", a.start_x, b.start_x);
        Near(at + " start_y", a.start_y, b.start_y);
        Near(at + " dHankei", a.dHankei, b.dHankei);
        Near(at + " radEnkoKaku", a.radEnkoKaku, b.radEnkoKaku);
        Near(at + " dHenpeiRitsu", a.dHenpeiRitsu, b.dHenpeiRitsu);
        EXPECT_EQ(a.bZenEnFlg, b.bZenEnFlg) << at;
        // A circle's tilt only turns its start: compare where the arc starts.
        if (std::fabs(a.dHenpeiRitsu - 1) > 1e-12) {
            Angle(at + " radKatamukiKaku", a.radKatamukiKaku, b.radKatamukiKaku);
            Angle(at + " radKaishiKaku", a.radKaishiKaku, b.radKaishiKaku);
        } else if (a.bZenEnFlg == 0) {
            Angle(at + " start", a.radKaishiKaku + a.radKatamukiKaku, b.radKaishiKaku + b.radKatamukiKaku);
        }
    }
    void Point(const std::string& at, const TEntJwwTen& a, const TEntJwwTen& b) const {
        Attr(at, a.att, b.att);
        Near(at + " start_x", a.start_x, b.start_x);
        Near(at + " start_y", a.start_y, b.start_y);
        EXPECT_EQ(a.bKariten, b.bKariten) << at;
        EXPECT_EQ(a.nCode, b.nCode) << at;
        Angle(at + " radKaitenKaku", a.radKaitenKaku, b.radKaitenKaku);
        Near(at + " dBairitsu", a.dBairitsu, b.dBairitsu);
    }
    void Text(const std::string& at, const TEntJwwMoji& a, const TEntJwwMoji& b) const {
        Attr(at, a.att, b.att);
        Near(at + " start_x", a.start_x, b.start_x);
        Near(at + " start_y", a.start_y, b.start_y);
        Near(at + " end_x", a.end_x, b.end_x);
        Near(at + " end_y", a.end_y, b.end_y);
        EXPECT_EQ(a.nMojiShu, b.nMojiShu) << at;
        Near(at + " dSizeX", a.dSizeX, b.dSizeX);
        Near(at + " dSizeY", a.dSizeY, b.dSizeY);
        Near(at + " dKankaku", a.dKankaku, b.dKankaku);
        Angle(at + " degKakudo", a.degKakudo, b.degKakudo, 360);
        EXPECT_EQ(a.strFontName, b.strFontName) << at;
        EXPECT_EQ(a.str, b.str) << at;
    }
    void Dimension(const std::string& at, const TEntJwwSunpo& a, const TEntJwwSunpo& b) const {
        Attr(at, a.att, b.att);
        Line(at + " Sen", a.Sen, b.Sen);
        Text(at + " Moji", a.Moji, b.Moji);
        EXPECT_EQ(a.bSxfMode, b.bSxfMode) << at;
        Line(at + " Ho1", a.Ho1, b.Ho1);
        Line(at + " Ho2", a.Ho2, b.Ho2);
        Point(at + " Te1", a.Te1, b.Te1);
        Point(at + " Te2", a.Te2, b.Te2);
        Point(at + " Kt1", a.Kt1, b.Kt1);
        Point(at + " Kt2", a.Kt2, b.Kt2);
    }
    void Solid(const std::string& at, const TEntJwwSolid& a, const TEntJwwSolid& b) const {
        Attr(at, a.att, b.att);
        EXPECT_EQ(a.Color, b.Color) << at;
        Near(at + " start_x", a.start_x, b.start_x);
        Near(at + " start_y", a.start_y, b.start_y);
        Near(at + " end_x", a.end_x, b.end_x);
        Near(at + " end_y", a.end_y, b.end_y);
        Near(at + " DPoint3_x", a.DPoint3_x, b.DPoint3_x);
        Near(at + " DPoint3_y", a.DPoint3_y, b.DPoint3_y);
        if (a.att.nPenStyle <= 100) {
            Near(at + " DPoint2_x", a.DPoint2_x, b.DPoint2_x);
            Near(at + " DPoint2_y", a.DPoint2_y, b.DPoint2_y);
        } else if (std::fabs(a.end_y - 1) > 1e-12) {
            Angle(at + " tilt", a.DPoint2_x, b.DPoint2_x);
            Angle(at + " start", a.DPoint2_y, b.DPoint2_y);
        } else {
            // Arc solid on a circle: its tilt only turns its start.
            Angle(at + " start", a.DPoint2_x + a.DPoint2_y, b.DPoint2_x + b.DPoint2_y);
        }
    }
    void Block(const std::string& at, const TEntJwwBlock& a, const TEntJwwBlock& b) const {
        Attr(at, a.att, b.att);
        Near(at + " DPKijunTen_x", a.DPKijunTen_x, b.DPKijunTen_x);
        Near(at + " DPKijunTen_y", a.DPKijunTen_y, b.DPKijunTen_y);
        // The placement, not its factors: a turn by π with both scales negated is the same.
        const auto placement = [](const TEntJwwBlock& k) {
            const double c = std::cos(k.radKaitenKaku);
            const double s = std::sin(k.radKaitenKaku);
            return std::array{c * k.dBairitsuX, -s * k.dBairitsuY, s * k.dBairitsuX, c * k.dBairitsuY};
        };
        const auto pa = placement(a);
        const auto pb = placement(b);
        for (std::size_t i = 0; i < pa.size(); ++i) Near(at + " placement r" + std::to_string(i + 1), pa[i], pb[i]);
        EXPECT_EQ(a.nNumber, b.nNumber) << at;
    }

    template <class Record, class Compare>
    void List(const std::string& at, const std::vector<Record>& a, std::int32_t an, const std::vector<Record>& b,
              std::int32_t bn, Compare compare) const {
        ASSERT_EQ(an, bn) << at;
        ASSERT_LE(static_cast<std::size_t>(an), a.size()) << at;
        ASSERT_LE(static_cast<std::size_t>(bn), b.size()) << at;
        for (std::int32_t i = 0; i < an; ++i) (this->*compare)(at + "[" + std::to_string(i) + "]", a[i], b[i]);
    }

    void Order(const std::string& at, const std::vector<TEntJwwNo>& a, std::size_t an, const std::vector<TEntJwwNo>& b,
               std::size_t bn) const {
        ASSERT_EQ(an, bn) << at;
        for (std::size_t i = 0; i < an && i < a.size() && i < b.size(); ++i) {
            EXPECT_EQ(a[i].EntType, b[i].EntType) << at << i;
            EXPECT_EQ(a[i].EntNo, b[i].EntNo) << at << i;
        }
    }

private:
    double tol_;
};

}  // namespace

void ExpectSameFigure(const TJwwFigureData& e, const TJwwFigureData& a, double tolerance) {
    const Comparer c(tolerance);
    EXPECT_EQ(e.Header().jwVer, a.Header().jwVer);
    c.Near("BasePoint_x", e.Header().BasePoint_x, a.Header().BasePoint_x);
    c.Near("BasePoint_y", e.Header().BasePoint_y, a.Header().BasePoint_y);
    ASSERT_EQ(e.EntLgrp.size(), a.EntLgrp.size());
    for (std::size_t g = 0; g < e.EntLgrp.size(); ++g) EXPECT_EQ(e.EntLgrp[g].adScale, a.EntLgrp[g].adScale) << g;
    c.Order("EntNo", e.EntNo, static_cast<std::size_t>(e.Header().n1), a.EntNo,
            static_cast<std::size_t>(a.Header().n1));
    c.List("EntLine", e.EntLine, e.EntLineN, a.EntLine, a.EntLineN, &Comparer::Line);
    c.List("EntEnko", e.EntEnko, e.EntEnkoN, a.EntEnko, a.EntEnkoN, &Comparer::Arc);
    c.List("EntTen", e.EntTen, e.EntTenN, a.EntTen, a.EntTenN, &Comparer::Point);
    c.List("EntMoji", e.EntMoji, e.EntMojiN, a.EntMoji, a.EntMojiN, &Comparer::Text);
    c.List("EntSunpo", e.EntSunpo, e.EntSunpoN, a.EntSunpo, a.EntSunpoN, &Comparer::Dimension);
    c.List("EntSolid", e.EntSolid, e.EntSolidN, a.EntSolid, a.EntSolidN, &Comparer::Solid);
    c.List("EntBlock", e.EntBlock, e.EntBlockN, a.EntBlock, a.EntBlockN, &Comparer::Block);
    ASSERT_EQ(e.EntBlockDefN, a.EntBlockDefN);
    for (std::int32_t i = 0; i < e.EntBlockDefN; ++i) {
        const TEntJwwBlockDef& x = e.EntBlockDef[i];
        const TEntJwwBlockDef& y = a.EntBlockDef[i];
        const std::string at = "EntBlockDef[" + std::to_string(i) + "]";
        c.Attr(at, x.att, y.att);
        EXPECT_EQ(x.nNumber, y.nNumber) << at;
        EXPECT_EQ(x.bRefferd, y.bRefferd) << at;
        EXPECT_EQ(x.dtime, y.dtime) << at;
        EXPECT_EQ(x.strName, y.strName) << at;
        const TEntJwwBlockMembers& xm = x.Members();
        const TEntJwwBlockMembers& ym = y.Members();
        c.Order(at + " mNo", xm.mNo, static_cast<std::size_t>(xm.N), ym.mNo, static_cast<std::size_t>(ym.N));
        c.List(at + " mLine", xm.mLine, xm.mLineN, ym.mLine, ym.mLineN, &Comparer::Line);
        c.List(at + " mEnko", xm.mEnko, xm.mEnkoN, ym.mEnko, ym.mEnkoN, &Comparer::Arc);
        c.List(at + " mTen", xm.mTen, xm.mTenN, ym.mTen, ym.mTenN, &Comparer::Point);
        c.List(at + " mMoji", xm.mMoji, xm.mMojiN, ym.mMoji, ym.mMojiN, &Comparer::Text);
        c.List(at + " mSunpo", xm.mSunpo, xm.mSunpoN, ym.mSunpo, ym.mSunpoN, &Comparer::Dimension);
        c.List(at + " mSolid", xm.mSolid, xm.mSolidN, ym.mSolid, ym.mSolidN, &Comparer::Solid);
        c.List(at + " mBlock", xm.mBlock, xm.mBlockN, ym.mBlock, ym.mBlockN, &Comparer::Block);
    }
}

}  // namespace torvane::test
