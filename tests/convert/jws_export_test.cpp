#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "convert/figure_export.h"
#include "convert/figure_import.h"
#include "figure/figure_file.h"
#include "figure/jws_writer.h"
#include "figure_compare.h"
#include "sample_figure.h"
#include "support/test_files.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kVersionAt = 200, kExtentsAt = 420, kArchiveAt = 452;

void ExpectSameHeader(const TJcfData& stream, const TJwsData& jws) {
    EXPECT_EQ(jws.Enthd.jwVer, stream.Enthd.jwVer);
    EXPECT_EQ(jws.Enthd.BasePoint_x, stream.Enthd.BasePoint_x);
    EXPECT_EQ(jws.Enthd.BasePoint_y, stream.Enthd.BasePoint_y);
    EXPECT_EQ(jws.MojiEncode, stream.MojiEncode);
    EXPECT_EQ(std::vector({jws.Enthd.Mx1, jws.Enthd.My1, jws.Enthd.Mx2, jws.Enthd.My2}),
              std::vector({stream.Enthd.Mx1, stream.Enthd.My1, stream.Enthd.Mx2, stream.Enthd.My2}));
}

// Every real stream as a JWS file: it passes FileCheck and reads back to the stream's figure
// and header; apart from the reserved bytes before the version and the extents, which the
// sample files leave as dots and zeros, it is the sample JWS file made from the same drawing;
// imported back it is the stream again, byte for byte.
TEST(JwsExport, RealStreamsReadBackAndImportBackTheSame) {
    const auto data = test::DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    std::vector<fs::path> streams;
    for (const auto& entry : fs::directory_iterator(*data / "streams")) streams.push_back(entry.path());
    std::sort(streams.begin(), streams.end());
    ASSERT_FALSE(streams.empty());
    test::TempDir dir;
    for (const fs::path& stream : streams) {
        SCOPED_TRACE(stream.filename().string());
        TJcfData JCF;
        const std::optional<std::string> bytes = JCLFtoJWS(JCF, stream);
        ASSERT_TRUE(bytes);
        const fs::path file = dir / "figure.jws";
        test::WriteBytes(file, *bytes);
        TJwsData jws;
        ASSERT_TRUE(jws.FileCheck(file));
        ASSERT_TRUE(jws.FileIn(file));
        test::ExpectSameFigure(JCF, jws, 0);
        ExpectSameHeader(JCF, jws);

        const std::string sample = test::ReadBytes(*data / "jws" / (stream.stem().string() + ".jws"));
        ASSERT_EQ(bytes->size(), sample.size());
        EXPECT_EQ(bytes->substr(kVersionAt, kExtentsAt - kVersionAt), sample.substr(kVersionAt, kExtentsAt - kVersionAt));
        EXPECT_TRUE(bytes->substr(kArchiveAt) == sample.substr(kArchiveAt)) << "the object archive differs";

        TJcfData back;
        ASSERT_TRUE(JWStoJCLF(jws, back, dir / "back.1"));
        EXPECT_TRUE(test::ReadBytes(dir / "back.1") == test::ReadBytes(stream)) << "imported back, the stream differs";
    }
}

// What no real stream holds (dimensions, solids, marker points, UTF-16 strings) survives the
// JWS file; versions are written as the stream writer writes them (220 as 230, 300 as 351), and
// an empty figure gives a file that reads as empty.
TEST(JwsExport, EveryEntityKindEncodingAndVersion) {
    TJcfData doc;
    for (const std::int32_t option : {0, 32}) {
        // The figure as a clip holds it: read from the stream the writer made of it.
        TJcfData sample = test::SampleFigure();
        sample.SetFileOutOption(option);
        ASSERT_TRUE(doc.ReadBytes(AsBytes(sample.WriteBytes(600)), u"sample.1"));
        doc.SetFileOutOption(option);
        TJwsData jws;
        ASSERT_TRUE(jws.ReadBytes(AsBytes(WriteJwsBytes(doc, 600)), u"sample.jws")) << option;
        test::ExpectSameFigure(doc, jws, 0);
        EXPECT_EQ(jws.MojiEncode, option == 32);
        EXPECT_EQ(jws.Enthd.BasePoint_x, doc.Enthd.BasePoint_x);
    }
    for (const auto& [given, written] : {std::pair{220, 230}, {300, 351}, {420, 420}, {700, 700}}) {
        TJwsData jws;
        EXPECT_TRUE(jws.ReadBytes(AsBytes(WriteJwsBytes(doc, given)), u"v.jws")) << given;
        EXPECT_EQ(jws.Enthd.jwVer, written);
        EXPECT_EQ(jws.Enthd.n1, doc.Enthd.n1) << given;
    }
    TJcfData empty;
    empty.DataDefaultSet();
    TJwsData jws;
    EXPECT_TRUE(jws.ReadBytes(AsBytes(WriteJwsBytes(empty, 600)), u"empty.jws"));
    EXPECT_EQ(jws.Enthd.n1 + jws.EntBlockDefN, 0);
    EXPECT_EQ(jws.EntLgrp.size(), 16u);
}

}  // namespace
}  // namespace torvane
