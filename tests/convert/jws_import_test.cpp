#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "convert/figure_import.h"
#include "figure_compare.h"
#include "sample_figure.h"
#include "support/test_files.h"

namespace torvane {
namespace {

// A JWS document holding the sample figure, with header values of its own.
TJwsData SampleJws(std::int32_t version) {
    TJwsData jws;
    static_cast<TJwwFigureData&>(jws) = test::SampleFigure();
    jws.Enthd.jwVer = version;
    jws.Enthd.BasePoint_x = 100;
    jws.Enthd.BasePoint_y = 50;
    jws.Enthd.n1 = static_cast<std::int32_t>(jws.EntNo.size());
    jws.Enthd.n2 = jws.EntBlockDefN;
    jws.Enthd.jwID = u"JwsData";
    jws.Enthd.dmy01 = 7;
    jws.Enthd.Mx1 = -5;
    jws.Enthd.My2 = 99;
    jws.EntLgrp[0].aStrGLayName = u"group";
    jws.EntLgrp[0].anWriteLay = 3;
    return jws;
}

TEST(CopyJwsFigure, CopiesTheFigureButNotTheFileHeader) {
    const TJwsData jws = SampleJws(600);
    TJcfData JCF;
    JCF.BindImageFolder = u"clips";
    CopyJwsFigure(jws, JCF);
    test::ExpectSameFigure(jws, JCF, 0);
    EXPECT_EQ(JCF.Enthd.Mx1, 0);
    EXPECT_EQ(JCF.Enthd.My2, 0);
    EXPECT_EQ(JCF.EntLgrp[0].aStrGLayName, u"");
    EXPECT_EQ(JCF.EntLgrp[0].anWriteLay, 0);
    EXPECT_EQ(JCF.EntLgrp[2].adScale, 50);
    EXPECT_EQ(JCF.BindImageFolder, u"clips");
    EXPECT_EQ(JCF.EntBlockNum, 1);
}

TEST(JWStoJCLF, ScalesThatAreNotPositiveBecomeOneAndTheStreamPassesItsCheck) {
    test::TempDir dir;
    for (const double scale : {0.0, -50.0, std::numeric_limits<double>::quiet_NaN()}) {
        TJwsData jws = SampleJws(600);
        jws.EntLgrp[1].adScale = scale;
        TJcfData JCF;
        ASSERT_TRUE(JWStoJCLF(jws, JCF, dir / "figure.1"));
        EXPECT_TRUE(JCF.FileCheck(dir / "figure.1")) << scale;
        EXPECT_EQ(JCF.EntLgrp[1].adScale, 1.0);
    }
}

TEST(CopyJwsFigure, FiguresBefore420CarryNoSxfPartsOfDimensions) {
    const TJwsData jws = SampleJws(410);
    ASSERT_EQ(jws.EntSunpo[0].bSxfMode, 1);
    TJcfData JCF;
    CopyJwsFigure(jws, JCF);
    const TEntJwwSunpo& dim = JCF.EntSunpo[0];
    EXPECT_EQ(dim.bSxfMode, 1);
    EXPECT_EQ(dim.Sen.end_x, 150);
    EXPECT_EQ(dim.Ho2.start_x, 0);
    EXPECT_EQ(dim.Te1.att.nPenStyle, 0);
    EXPECT_EQ(dim.Kt2.start_y, 0);
}

TEST(JWStoJCLF, RealFiguresReadBackAsTheirStreams) {
    const auto data = test::DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    test::TempDir dir;
    for (const auto& entry : std::filesystem::directory_iterator(*data / "jws")) {
        SCOPED_TRACE(entry.path().filename().string());
        TJwsData jws;
        ASSERT_TRUE(jws.FileCheck(entry.path()));
        ASSERT_TRUE(jws.FileIn(entry.path()));
        TJcfData JCF;
        const auto out = dir / "figure.1";
        ASSERT_TRUE(JWStoJCLF(jws, JCF, out));
        TJcfData back;
        ASSERT_TRUE(back.FileIn(out));
        test::ExpectSameFigure(jws, back, 0);
        EXPECT_EQ(back.MojiEncode, jws.MojiEncode);

        TJcfData stream;
        ASSERT_TRUE(stream.FileIn(*data / "streams" / entry.path().filename().replace_extension(".1")));
        test::ExpectSameFigure(stream, back, 0);
    }
}

}  // namespace
}  // namespace torvane
