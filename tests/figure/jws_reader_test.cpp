// JWS files: the file header in front of the object archive.
#include <gtest/gtest.h>

#include <string>

#include "figure/figure_file.h"
#include "figure/jws_data.h"
#include "figure/stream_builder.h"
#include "figure/text_code_context.h"
#include "support/test_files.h"

namespace torvane {
namespace {

using test::StreamBuilder;

// A JWS file of the given version and scale holding `archive` (object count onwards).
std::string JwsFile(std::uint32_t version, const std::string& archive, double scale = 1.0, std::string id = "JwsData") {
    StreamBuilder s(static_cast<int>(version));
    id.resize(200, '.');
    s.Raw(id).U32(version).Doubles({1.5, -2.5});
    for (int i = 0; i < 16; ++i) s.Doubles({scale});
    for (std::uint32_t i = 1; i <= 6; ++i) s.U32(i);
    s.Doubles({11, 12, 13, 14, 15, 16});
    s.Doubles({-100, -200, 300, 400});
    return s.bytes() + archive;
}

std::string OneLineArchive(int version) {
    StreamBuilder s(version);
    s.Count(1).NewClass("CDataSen", 999).Line(1, 2, 3, 4).Count(0);
    return s.bytes();
}

bool Read(const std::string& bytes, TJwsData& doc) { return doc.ReadBytes(AsBytes(bytes), u"figure.jws"); }
bool Check(const std::string& bytes) { return TJwsData::CheckBytes(AsBytes(bytes)); }

TEST(JwsReader, HeaderFieldsAndArchive) {
    TJwsData doc;
    ASSERT_TRUE(Read(JwsFile(600, OneLineArchive(600)), doc));
    EXPECT_EQ(doc.Enthd.jwID, u"JwsData");
    EXPECT_EQ(doc.Enthd.jwVer, 600);  // from the header, not from the class description
    EXPECT_EQ(doc.Enthd.BasePoint_x, 1.5);
    EXPECT_EQ(doc.Enthd.BasePoint_y, -2.5);
    EXPECT_EQ(doc.Enthd.dmy06, 6);
    EXPECT_EQ(doc.Enthd.dmy16, 16.0);
    EXPECT_EQ(doc.Enthd.Mx1, -100.0);
    EXPECT_EQ(doc.Enthd.My2, 400.0);
    EXPECT_EQ(doc.EntLgrp.size(), 16u);
    ASSERT_EQ(doc.EntLineN, 1);
    EXPECT_EQ(doc.EntLine[0].end_y, 4.0);
}

TEST(JwsReader, IdentifierAndVersionDecide) {
    const std::string archive = OneLineArchive(600);
    EXPECT_FALSE(Check(JwsFile(600, archive, 1.0, "jwsData")));
    TJwsData doc;
    EXPECT_FALSE(Read(JwsFile(600, archive, 1.0, "JwsDatA"), doc));
    EXPECT_TRUE(doc.Enthd.jwID.empty());
    for (std::uint32_t version : {229u, 230u, 700u, 701u}) {
        const bool accepted = version == 230 || version == 700;
        EXPECT_EQ(Check(JwsFile(version, archive)), accepted) << version;
        EXPECT_EQ(Read(JwsFile(version, OneLineArchive(static_cast<int>(version))), doc), accepted) << version;
    }
    EXPECT_TRUE(Check(JwsFile(600, archive, 0.0)));
}

TEST(JwsReader, VersionOfTheHeaderDecidesTheRecordForms) {
    TJwsData doc;
    ASSERT_TRUE(Read(JwsFile(350, OneLineArchive(350)), doc));
    EXPECT_EQ(doc.EntLine[0].end_y, 4.0);
    EXPECT_FALSE(Read(JwsFile(600, OneLineArchive(350)), doc));
}

TEST(JwsReader, FileEndingAfterTheHeaderFails) {
    const std::string file = JwsFile(600, "");
    ASSERT_EQ(file.size(), 452u);
    TJwsData doc;
    EXPECT_TRUE(Check(file));
    EXPECT_FALSE(Read(file, doc));
    EXPECT_EQ(doc.Enthd.Mx2, 300.0);
}

TEST(JwsReader, FileInAndFileCheckOnDisk) {
    test::TempDir dir;
    const auto path = dir / "figure.jws";
    test::WriteBytes(path, JwsFile(420, OneLineArchive(420)));
    TJwsData doc;
    EXPECT_TRUE(doc.FileCheck(path));
    EXPECT_TRUE(doc.FileIn(path));
    EXPECT_EQ(TxtFileName, path.u16string());
    EXPECT_FALSE(doc.FileCheck(dir / "none.jws"));
    EXPECT_FALSE(doc.FileIn(dir / "none.jws"));
}

#ifndef _WIN32
// A file name that is no valid UTF-8 cannot become the document's name; the figure is still read.
TEST(JwsReader, FileNameThatIsNoTextStillReads) {
    test::TempDir dir;
    const auto path = dir / std::string("fig\xff.jws");
    test::WriteBytes(path, JwsFile(420, OneLineArchive(420)));
    TJwsData doc;
    EXPECT_TRUE(doc.FileCheck(path));
    EXPECT_TRUE(doc.FileIn(path));
    EXPECT_EQ(doc.EntLineN, 1);
    EXPECT_EQ(TxtFileName, u"");
}
#endif

}  // namespace
}  // namespace torvane
