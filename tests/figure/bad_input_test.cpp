// Readers on damaged input: truncated real files and counts that promise more than follows.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "figure/figure_file.h"
#include "figure/jcf_data.h"
#include "figure/jws_data.h"
#include "figure/stream_builder.h"
#include "support/test_files.h"

namespace torvane {
namespace {

using test::StreamBuilder;

TEST(BadInput, EveryTruncationOfARealStreamFails) {
    const auto dir = test::DataDir();
    if (!dir) GTEST_SKIP() << "no real data";
    for (const char* name : {"2blocks.1", "test1.1"}) {
        SCOPED_TRACE(name);
        const std::string bytes = test::ReadBytes(*dir / "streams" / name);
        TJcfData doc;
        ASSERT_TRUE(doc.ReadBytes(AsBytes(bytes), u"x"));
        for (std::size_t length = 0; length < bytes.size(); ++length) {
            ASSERT_FALSE(doc.ReadBytes(AsBytes(std::string_view(bytes).substr(0, length)), u"x")) << length;
            EXPECT_LE(static_cast<std::size_t>(doc.Enthd.n1), doc.EntNo.size());
        }
    }
}

TEST(BadInput, EveryTruncationOfARealJwsFileFails) {
    const auto dir = test::DataDir();
    if (!dir) GTEST_SKIP() << "no real data";
    const std::string bytes = test::ReadBytes(*dir / "jws" / "2-circles-blocks.jws");
    TJwsData doc;
    ASSERT_TRUE(doc.ReadBytes(AsBytes(bytes), u"x"));
    for (std::size_t length = 0; length < bytes.size(); ++length)
        ASSERT_FALSE(doc.ReadBytes(AsBytes(std::string_view(bytes).substr(0, length)), u"x")) << length;
}

TEST(BadInput, HugeCountsAllocateOnlyWhatTheBytesCanHold) {
    StreamBuilder s;
    s.Header().Count(0xFFFFFFFF).NewClass("CDataSen").Line(0, 0, 1, 0);
    TJcfData doc;
    EXPECT_FALSE(doc.ReadBytes(AsBytes(s.bytes()), u"x"));
    EXPECT_LT(doc.EntNo.capacity(), 64u);

    StreamBuilder lines;
    lines.Header().Count(0xFFFFFFFF).NewClass("CDataSen").Line(0, 0, 1, 0);
    for (int i = 1; i < 100; ++i) lines.Ref(1).Line(i, 0, i, 1);
    EXPECT_FALSE(doc.ReadBytes(AsBytes(lines.bytes()), u"x"));
    EXPECT_EQ(doc.EntLineN, 100);
    EXPECT_LT(doc.EntLine.capacity(), 128u);

    StreamBuilder defs;
    defs.Header().Count(0).Count(0xFFFFFFFF).NewClass("CDataList").Attr().U32(1).U32(0).U32(0).Ansi("A").Count(0xFFFFFFFE);
    EXPECT_FALSE(doc.ReadBytes(AsBytes(defs.bytes()), u"x"));
    ASSERT_EQ(doc.EntBlockDefN, 1);
    EXPECT_LT(doc.EntBlockDef[0].Members().mNo.capacity(), 64u);
    EXPECT_EQ(doc.EntBlockDef[0].Members().N, 0);
}

// A stream can hold two million definitions without members in 64 MB: each must cost little
// more than its header, and copies must not share members.
TEST(BadInput, DefinitionsWithoutMembersHoldNoMemberStorage) {
    StreamBuilder s;
    s.Header().Count(0).Count(3);
    s.NewClass("CDataList").Attr().U32(1).U32(0).U32(0).Ansi("").Count(0);
    s.Ref(1).Attr().U32(2).U32(0).U32(0).Ansi("").Count(1).NewClass("CDataSen").Line(0, 0, 1, 0);
    s.Ref(1).Attr().U32(3).U32(0).U32(0).Ansi("").Count(0);
    TJcfData doc;
    ASSERT_TRUE(doc.ReadBytes(AsBytes(s.bytes()), u"x"));
    ASSERT_EQ(doc.EntBlockDefN, 3);
    EXPECT_FALSE(doc.EntBlockDef[0].HasMembers());
    EXPECT_EQ(doc.EntBlockDef[1].Members().mLineN, 1);
    EXPECT_FALSE(doc.EntBlockDef[2].HasMembers());
    EXPECT_LE(sizeof(TEntJwwBlockDef), 96u);

    TEntJwwBlockDef copy = doc.EntBlockDef[1];
    copy.EditMembers().mLine[0].end_x = 5;
    EXPECT_EQ(doc.EntBlockDef[1].Members().mLine[0].end_x, 1);
}

TEST(BadInput, OverlongClassNamesAndStringsAreFormatErrors) {
    StreamBuilder name;
    name.Header().Count(1).U16(0xFFFF).U16(600).U16(2048).Raw(std::string(2048, 'C'));
    TJcfData doc;
    EXPECT_FALSE(doc.ReadBytes(AsBytes(name.bytes()), u"x"));

    StreamBuilder text;
    text.Header().Count(1).NewClass("CDataMoji").Attr().Doubles({0, 0, 1, 0}).U32(1).Doubles({3, 3, 0, 0});
    text.U8(0xFF).U16(5000).Raw("short");
    EXPECT_FALSE(doc.ReadBytes(AsBytes(text.bytes()), u"x"));
    EXPECT_EQ(doc.EntMojiN, 0);
    EXPECT_EQ(doc.Enthd.n1, 0);
}

TEST(BadInput, NonPositiveScalesAreNotRead) {
    StreamBuilder s;
    s.Header(-1).Count(1).NewClass("CDataSen").Line(0, 0, 1, 0).Count(0);
    TJcfData doc;
    EXPECT_FALSE(doc.ReadBytes(AsBytes(s.bytes()), u"x"));
    EXPECT_EQ(doc.Enthd.jwVer, 0);
    EXPECT_EQ(doc.EntLineN, 0);
    EXPECT_EQ(doc.EntLgrp.size(), 16u);
}

TEST(BadInput, FigureFilesBeyond512MegabytesAreRefused) {
#if defined(_WIN32)
    GTEST_SKIP() << "a sparse file is a POSIX file system's feature";
#endif
    StreamBuilder s;
    s.Header().Count(1).NewClass("CDataSen").Line(0, 0, 1, 0).Count(0);
    test::TempDir dir;
    test::WriteBytes(dir / "huge.1", s.bytes());
    std::filesystem::resize_file(dir / "huge.1", kMaxFigureFileBytes + 1);
    TJcfData doc;
    EXPECT_TRUE(doc.FileCheck(dir / "huge.1"));
    EXPECT_FALSE(doc.FileIn(dir / "huge.1"));
}

}  // namespace
}  // namespace torvane
