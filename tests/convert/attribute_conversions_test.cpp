#include "convert/attribute_conversions.h"

#include <gtest/gtest.h>

#include "figure/jcf_data.h"
#include "support/test_files.h"

namespace torvane {
namespace {

TEntJwwAttr Attr(std::uint32_t group, std::uint8_t style, std::uint16_t color) {
    TEntJwwAttr att;
    att.lGroup = group;
    att.nPenStyle = style;
    att.nPenColor = color;
    return att;
}

template <class Record>
Record With(const TEntJwwAttr& att) {
    Record record;
    record.att = att;
    return record;
}

// One record of every kind, all with curve 7, line type 50 and colour 200, at top level and as
// the members of one block definition.
TJcfData EveryKind(std::int32_t version) {
    TJcfData doc;
    doc.DataDefaultSet();
    doc.Enthd.jwVer = version;
    const TEntJwwAttr att = Attr(7, 50, 200);
    TEntJwwSunpo dim;
    dim.att = dim.Sen.att = dim.Moji.att = att;
    dim.Ho1.att = dim.Ho2.att = dim.Te1.att = dim.Te2.att = dim.Kt1.att = dim.Kt2.att = att;
    TEntJwwBlockDef def;
    def.att = att;
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mLine = {With<TEntJwwLine>(att)};
    members.mEnko = {With<TEntJwwEnko>(att)};
    members.mTen = {With<TEntJwwTen>(att)};
    members.mMoji = {With<TEntJwwMoji>(att)};
    members.mSunpo = {dim};
    members.mSolid = {With<TEntJwwSolid>(att)};
    members.mBlock = {With<TEntJwwBlock>(att)};
    members.mLineN = members.mEnkoN = members.mTenN = members.mMojiN = 1;
    members.mSunpoN = members.mSolidN = members.mBlockN = 1;
    doc.EntLine = members.mLine;
    doc.EntEnko = members.mEnko;
    doc.EntTen = members.mTen;
    doc.EntMoji = members.mMoji;
    doc.EntSunpo = members.mSunpo;
    doc.EntSolid = members.mSolid;
    doc.EntBlock = members.mBlock;
    doc.EntLineN = doc.EntEnkoN = doc.EntTenN = doc.EntMojiN = doc.EntSunpoN = doc.EntSolidN = doc.EntBlockN = 1;
    doc.EntBlockDef = {def};
    doc.EntBlockDefN = 1;
    return doc;
}

// The attribute blocks of the figure and of its definition's members, by name.
std::vector<std::pair<std::string, TEntJwwAttr>> Blocks(const TJcfData& doc) {
    std::vector<std::pair<std::string, TEntJwwAttr>> blocks;
    const auto add_dim = [&](const std::string& where, const TEntJwwSunpo& d) {
        blocks.insert(blocks.end(), {{where + "dim", d.att}, {where + "Sen", d.Sen.att}, {where + "Moji", d.Moji.att},
                                     {where + "Ho1", d.Ho1.att}, {where + "Ho2", d.Ho2.att}, {where + "Te1", d.Te1.att},
                                     {where + "Te2", d.Te2.att}, {where + "Kt1", d.Kt1.att}, {where + "Kt2", d.Kt2.att}});
    };
    blocks.insert(blocks.end(), {{"line", doc.EntLine[0].att}, {"arc", doc.EntEnko[0].att},
                                 {"point", doc.EntTen[0].att}, {"text", doc.EntMoji[0].att},
                                 {"solid", doc.EntSolid[0].att}, {"block", doc.EntBlock[0].att}});
    add_dim("", doc.EntSunpo[0]);
    const TEntJwwBlockDef& def = doc.EntBlockDef[0];
    const TEntJwwBlockMembers& members = def.Members();
    blocks.insert(blocks.end(), {{"def", def.att}, {"def line", members.mLine[0].att},
                                 {"def arc", members.mEnko[0].att},
                                 {"def point", members.mTen[0].att}, {"def text", members.mMoji[0].att},
                                 {"def solid", members.mSolid[0].att}, {"def block", members.mBlock[0].att}});
    add_dim("def ", members.mSunpo[0]);
    return blocks;
}

bool IsSxfPart(const std::string& name) {
    for (const char* part : {"Ho1", "Ho2", "Te1", "Te2", "Kt1", "Kt2"})
        if (name.ends_with(part)) return true;
    return false;
}

TEST(ConvertCurveAttr, ClearsOrUnifiesEveryEntityButTheDefinitionsOwn) {
    for (const int setting : {1, 2}) {
        TJcfData doc = EveryKind(600);
        ConvertCurveAttr(doc, setting);
        for (const auto& [name, att] : Blocks(doc))
            EXPECT_EQ(att.lGroup, name == "def" ? 7u : static_cast<std::uint32_t>(setting - 1)) << name;
    }
}

TEST(ConvertCurveAttr, OffOrUnknownSettingsChangeNothing) {
    for (const int setting : {0, 3, -1}) {
        TJcfData doc = EveryKind(600);
        ConvertCurveAttr(doc, setting);
        for (const auto& [name, att] : Blocks(doc)) EXPECT_EQ(att.lGroup, 7u) << name;
    }
}

TEST(ConvertSxfColor, UserColoursOfEveryBlockBecomeTheTarget) {
    TJcfData doc = EveryKind(600);
    ConvertSxfColor(doc, 10);
    for (const auto& [name, att] : Blocks(doc)) EXPECT_EQ(att.nPenColor, name == "def" ? 200 : 101) << name;
}

TEST(ConvertSxfColor, OnlyColoursAbove116Change) {
    TJcfData doc = EveryKind(600);
    doc.EntLine = {With<TEntJwwLine>(Attr(0, 1, 117)), With<TEntJwwLine>(Attr(0, 1, 116)), With<TEntJwwLine>(Attr(0, 1, 5))};
    doc.EntLineN = 3;
    ConvertSxfColor(doc, 3);
    EXPECT_EQ(doc.EntLine[0].att.nPenColor, 3);
    EXPECT_EQ(doc.EntLine[1].att.nPenColor, 116);
    EXPECT_EQ(doc.EntLine[2].att.nPenColor, 5);
}

TEST(ConvertSxfColor, OldStreamsKeepTheDimensionsSxfParts) {
    TJcfData doc = EveryKind(351);
    ConvertSxfColor(doc, 25);
    for (const auto& [name, att] : Blocks(doc))
        EXPECT_EQ(att.nPenColor, name == "def" || IsSxfPart(name) ? 200 : 116) << name;
}

TEST(ConvertSxfLineType, OnlyLineTypedBlocksChange) {
    TJcfData doc = EveryKind(420);
    ConvertSxfLineType(doc, 19);
    for (const auto& [name, att] : Blocks(doc)) {
        const bool line_typed = name.ends_with("line") || name.ends_with("arc") || name.ends_with("Sen") ||
                                name.ends_with("Ho1") || name.ends_with("Ho2");
        EXPECT_EQ(att.nPenStyle, line_typed ? 31 : 50) << name;
    }
}

TEST(ConvertSxfLineType, TheBoundIs46AndOldStreamsKeepExtensionLines) {
    TJcfData doc = EveryKind(419);
    doc.EntLine = {With<TEntJwwLine>(Attr(0, 47, 1)), With<TEntJwwLine>(Attr(0, 46, 1))};
    doc.EntLineN = 2;
    ConvertSxfLineType(doc, 12);
    EXPECT_EQ(doc.EntLine[0].att.nPenStyle, 13);
    EXPECT_EQ(doc.EntLine[1].att.nPenStyle, 46);
    EXPECT_EQ(doc.EntSunpo[0].Sen.att.nPenStyle, 13);
    EXPECT_EQ(doc.EntSunpo[0].Ho1.att.nPenStyle, 50);
}

TEST(AttributeTargets, ListEntriesMapToColoursAndLineTypes) {
    EXPECT_EQ(SxfColorTarget(1), 1);
    EXPECT_EQ(SxfColorTarget(9), 9);
    EXPECT_EQ(SxfColorTarget(10), 101);
    EXPECT_EQ(SxfColorTarget(25), 116);
    EXPECT_EQ(SxfColorTarget(26), 0);
    EXPECT_EQ(SxfColorTarget(0), 0);
    EXPECT_EQ(SxfLineTypeTarget(9), 9);
    EXPECT_EQ(SxfLineTypeTarget(10), 11);
    EXPECT_EQ(SxfLineTypeTarget(18), 19);
    EXPECT_EQ(SxfLineTypeTarget(19), 31);
    EXPECT_EQ(SxfLineTypeTarget(33), 45);
    EXPECT_EQ(SxfLineTypeTarget(34), 0);
}

TEST(ConvertAttributesFile, NothingAskedLeavesTheFileUnread) {
    test::TempDir dir;
    const auto file = dir / "prev.1";
    test::WriteBytes(file, "not a stream");
    TJcfData JCF;
    EXPECT_EQ(ConvertAttributesFile(file, {}, JCF), StreamFileOutcome::Unchanged);
    EXPECT_EQ(ConvertAttributesFile(file, {1, 0, 0}, JCF), StreamFileOutcome::Unreadable);
    EXPECT_EQ(test::ReadBytes(file), "not a stream");
}

TEST(ConvertAttributesFile, RealFigureIsConvertedAndWrittenBack) {
    const auto data = test::DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    test::TempDir dir;
    const auto file = dir / "prev.1";
    test::WriteBytes(file, test::ReadBytes(*data / "streams" / "Test1.1"));
    TJcfData JCF;
    ASSERT_EQ(ConvertAttributesFile(file, {2, 0, 0}, JCF), StreamFileOutcome::Converted);
    TJcfData back;
    ASSERT_TRUE(back.FileIn(file));
    ASSERT_GT(back.EntLineN, 0);
    for (std::int32_t i = 0; i < back.EntLineN; ++i) EXPECT_EQ(back.EntLine[i].att.lGroup, 1u);
    for (std::int32_t i = 0; i < back.EntMojiN; ++i) EXPECT_EQ(back.EntMoji[i].att.lGroup, 1u);
}

}  // namespace
}  // namespace torvane
