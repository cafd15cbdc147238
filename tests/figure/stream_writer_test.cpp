// The stream writer: version forms, normalisations, renumbering, long forms, files.
#include <gtest/gtest.h>

#include <string>

#include "figure/figure_file.h"
#include "figure/jcf_data.h"
#include "support/test_files.h"
#include "util/byte_reader.h"

namespace torvane {
namespace {

constexpr std::size_t kFirstObject = 146;  // after the header and a short count

TJcfData EmptyFigure() {
    TJcfData doc;
    doc.DataDefaultSet();
    return doc;
}

template <typename Record>
void Add(TJcfData& doc, std::vector<Record>& records, std::int32_t& count, std::int32_t kind, Record record) {
    doc.EntNo.push_back({kind, count++});
    records.push_back(std::move(record));
    doc.Enthd.n1 = static_cast<std::int32_t>(doc.EntNo.size());
}

void AddLine(TJcfData& doc, std::uint8_t style, std::uint16_t color, double x = 1) {
    TEntJwwLine line;
    line.att.nPenStyle = style;
    line.att.nPenColor = color;
    line.end_x = x;
    Add(doc, doc.EntLine, doc.EntLineN, kEntLine, line);
}

TEntJwwMoji Text(std::u16string font, std::u16string str) {
    TEntJwwMoji text;
    text.att.nPenStyle = 1;
    text.att.nPenColor = 1;
    text.dSizeX = 3;
    text.dSizeY = 3;
    text.strFontName = std::move(font);
    text.str = std::move(str);
    return text;
}

TJcfData ReadBack(const std::string& bytes) {
    TJcfData doc;
    EXPECT_TRUE(doc.ReadBytes(AsBytes(bytes), u"back"));
    return doc;
}

std::uint16_t U16At(const std::string& bytes, std::size_t offset) {
    ByteReader in(std::string_view(bytes).substr(offset));
    return in.U16();
}

// Offset of an object's attributes after its new-class description.
std::size_t AttrAfterClass(std::string_view class_name) { return kFirstObject + 6 + class_name.size(); }

TEST(StreamWriter, VersionAdjustmentAndAttributeForm) {
    TJcfData doc = EmptyFigure();
    AddLine(doc, 1, 1);
    doc.EntLine[0].att.nPenWidth = 25;
    const std::string v220 = doc.WriteBytes(220);
    EXPECT_EQ(U16At(v220, kFirstObject + 2), 230);
    EXPECT_EQ(v220.size(), kFirstObject + 6 + 8 + 45 + 2);
    const std::string v300 = doc.WriteBytes(300);
    EXPECT_EQ(U16At(v300, kFirstObject + 2), 351);
    EXPECT_EQ(v300.size(), kFirstObject + 6 + 8 + 47 + 2);
    EXPECT_EQ(ReadBack(v300).EntLine[0].att.nPenWidth, 25);
}

TEST(StreamWriter, SxfValuesBecomeJwValuesBefore420) {
    TJcfData doc = EmptyFigure();
    AddLine(doc, 32, 102);
    AddLine(doc, 50, 200);
    TJcfData v351 = ReadBack(doc.WriteBytes(351));
    EXPECT_EQ(v351.EntLine[0].att.nPenColor, 8);
    EXPECT_EQ(v351.EntLine[0].att.nPenStyle, 4);
    EXPECT_EQ(v351.EntLine[1].att.nPenColor, DefPenColor);
    EXPECT_EQ(v351.EntLine[1].att.nPenStyle, DefPenStyle);
    TJcfData v420 = ReadBack(doc.WriteBytes(420));
    EXPECT_EQ(v420.EntLine[0].att.nPenColor, 102);
    EXPECT_EQ(v420.EntLine[0].att.nPenStyle, 32);
    EXPECT_EQ(doc.EntLine[0].att.nPenColor, 102);  // the document keeps its values
}

TEST(StreamWriter, AttributeRangesByKind) {
    TJcfData doc = EmptyFigure();
    AddLine(doc, 10, 10);
    doc.EntLine[0].att.nLayer = 16;
    doc.EntLine[0].att.nGLayer = 99;
    doc.EntLine[0].att.nPenWidth = 30001;
    TEntJwwSolid solid;
    solid.att.nPenColor = 10;
    solid.Color = 0x123456;
    Add(doc, doc.EntSolid, doc.EntSolidN, kEntSolid, solid);
    TEntJwwTen point;
    point.att.nPenStyle = 5;
    point.att.nPenColor = 1;
    point.nCode = 7;
    Add(doc, doc.EntTen, doc.EntTenN, kEntTen, point);
    TEntJwwMoji text = Text(u"F", u"T");
    text.att.nPenStyle = 12;
    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, text);
    const std::string bytes = doc.WriteBytes(600);
    const TJcfData back = ReadBack(bytes);
    EXPECT_EQ(back.EntLine[0].att.nPenColor, 1);
    EXPECT_EQ(back.EntLine[0].att.nPenStyle, 1);
    EXPECT_EQ(back.EntLine[0].att.nLayer, 0);
    EXPECT_EQ(back.EntLine[0].att.nGLayer, 0);
    EXPECT_EQ(back.EntLine[0].att.nPenWidth, 0);
    EXPECT_EQ(back.EntSolid[0].att.nPenColor, 10);
    EXPECT_EQ(back.EntSolid[0].Color, 0x123456u);
    EXPECT_EQ(back.EntTen[0].att.nPenStyle, 1);
    EXPECT_EQ(back.EntTen[0].nCode, 0u);
    EXPECT_EQ(back.EntMoji[0].att.nPenStyle, 1);
    // Line 47, solid 83 with its colour, point 35 without marker fields, text 87, each after its class.
    EXPECT_EQ(bytes.size(), kFirstObject + (6 + 8 + 47) + (6 + 10 + 83) + (6 + 8 + 35) + (6 + 9 + 87) + 2);
}

TEST(StreamWriter, TextSizesAreWrittenPositiveAndBounded) {
    TJcfData doc = EmptyFigure();
    TEntJwwMoji text = Text(u"F", u"T");
    text.dSizeX = -2.5;
    text.dSizeY = 0;
    text.dKankaku = -1;
    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, text);
    const TJcfData back = ReadBack(doc.WriteBytes(600));
    EXPECT_EQ(back.EntMoji[0].dSizeX, 2.5);
    EXPECT_EQ(back.EntMoji[0].dSizeY, 1e-10);
    EXPECT_EQ(back.EntMoji[0].dKankaku, -1.0);
}

TEST(StreamWriter, StringsAreCleanedAndEmptyOnesBecomeASpace) {
    TJcfData doc = EmptyFigure();
    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, Text(u"", u"a^mb\\nc\x01\u3042"));
    const std::string ansi = doc.WriteBytes(600);
    const std::size_t strings = AttrAfterClass("CDataMoji") + 83;
    EXPECT_EQ(ansi.substr(strings, 2), std::string("\x01 ", 2));
    EXPECT_EQ(ansi.substr(strings + 2, 6), std::string("\x05" "abc\x82\xa0", 6));
    doc.SetFileOutOption(32);
    const std::string utf16 = doc.WriteBytes(600);
    EXPECT_EQ(utf16.substr(strings, 6), std::string("\xff\xfe\xff\x01\x20\x00", 6));
    const TJcfData back = ReadBack(utf16);
    EXPECT_TRUE(back.MojiEncode);
    EXPECT_EQ(back.EntMoji[0].str, u"abc\u3042");
}

TEST(StreamWriter, OverlongStringsAreCutToWholeCharacters) {
    TJcfData doc = EmptyFigure();
    // 65532 'a' and a two-byte character: 65534 bytes in ANSI, which does not fit.
    std::u16string ansi_text(65532, u'a');
    ansi_text += u'\u3042';
    std::u16string utf16_text(65532, u'b');
    utf16_text += u"\U0001F600";  // a surrogate pair across the limit
    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, Text(u"F", ansi_text));
    TJcfData ansi_back = ReadBack(doc.WriteBytes(600));
    EXPECT_EQ(ansi_back.EntMoji[0].str, std::u16string(65532, u'a'));
    doc.EntMoji[0].str = utf16_text;
    doc.SetFileOutOption(32);
    TJcfData utf16_back = ReadBack(doc.WriteBytes(600));
    EXPECT_EQ(utf16_back.EntMoji[0].str, std::u16string(65532, u'b'));
}

TEST(StreamWriter, MarkerPointsAndDimensionParts) {
    TJcfData doc = EmptyFigure();
    TEntJwwTen marker;
    marker.att.nPenStyle = 100;
    marker.att.nPenColor = 1;
    marker.nCode = static_cast<std::uint32_t>(-2);
    marker.dBairitsu = 1.5;
    Add(doc, doc.EntTen, doc.EntTenN, kEntTen, marker);
    TEntJwwSunpo dim;
    dim.att.nPenColor = 1;
    dim.Sen.att.nPenStyle = 1;
    dim.Sen.att.nPenColor = 1;
    dim.Moji = Text(u"F", u"12");
    dim.bSxfMode = 3;
    dim.Ho1.end_x = 4;
    dim.Te1 = marker;
    Add(doc, doc.EntSunpo, doc.EntSunpoN, kEntSunpo, dim);
    const TJcfData v600 = ReadBack(doc.WriteBytes(600));
    EXPECT_EQ(static_cast<std::int32_t>(v600.EntTen[0].nCode), -2);
    EXPECT_EQ(v600.EntTen[0].dBairitsu, 1.5);
    EXPECT_EQ(v600.EntSunpo[0].bSxfMode, 3);
    EXPECT_EQ(v600.EntSunpo[0].Ho1.end_x, 4.0);
    EXPECT_EQ(v600.EntSunpo[0].Te1.dBairitsu, 1.5);
    EXPECT_EQ(v600.EntSunpo[0].Te2.att.nPenStyle, 1);
    const TJcfData v419 = ReadBack(doc.WriteBytes(419));
    EXPECT_EQ(v419.EntSunpo[0].bSxfMode, 0);
    EXPECT_EQ(v419.EntSunpo[0].Moji.str, u"12");
}

TEST(StreamWriter, OnlyReachedDefinitionsAreWrittenAndRenumbered) {
    TJcfData doc = EmptyFigure();
    TEntJwwBlockDef unused;
    unused.nNumber = 5;
    unused.strName = u"unused";
    TEntJwwBlockDef used;
    used.nNumber = 9;
    used.strName = u"used";
    TEntJwwLine inner;
    inner.att.nPenStyle = 1;
    inner.att.nPenColor = 1;
    TEntJwwBlockMembers& members = used.EditMembers();
    members.mLine = {inner};
    members.mLineN = 1;
    members.mNo = {{kEntLine, 0}, {kEntNone, 0}, {kEntEnko, 0}};
    members.N = 3;
    doc.EntBlockDef = {unused, used};
    doc.EntBlockDefN = doc.Enthd.n2 = 2;
    TEntJwwBlock block;
    block.nNumber = 9;
    Add(doc, doc.EntBlock, doc.EntBlockN, kEntBlock, block);
    doc.EntNo.push_back({kEntNone, 0});
    doc.EntNo.push_back({kEntLine, 3});
    doc.Enthd.n1 = 3;
    doc.MakeBlockTree();
    const std::string bytes = doc.WriteBytes(600);
    EXPECT_EQ(U16At(bytes, 144), 1);  // only the insertion counts
    const TJcfData back = ReadBack(bytes);
    ASSERT_EQ(back.EntBlockDefN, 1);
    EXPECT_EQ(back.EntBlockDef[0].nNumber, 0u);
    EXPECT_EQ(back.EntBlockDef[0].strName, u"used");
    EXPECT_EQ(back.EntBlockDef[0].Members().N, 1);
    EXPECT_EQ(back.EntBlock[0].nNumber, 0u);
    EXPECT_EQ(doc.EntBlockDef[1].nNumber, 9u);
}

TEST(StreamWriter, LongCountAndLongReferenceForms) {
    TJcfData doc = EmptyFigure();
    for (int i = 0; i < 70000; ++i) AddLine(doc, 1, 1, i);
    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, Text(u"F", u"first"));
    Add(doc, doc.EntMoji, doc.EntMojiN, kEntMoji, Text(u"F", u"second"));
    const std::string bytes = doc.WriteBytes(600);
    EXPECT_EQ(U16At(bytes, 144), 0xFFFF);
    ByteReader count(std::string_view(bytes).substr(146));
    EXPECT_EQ(count.U32(), 70002u);
    // The text class is described as map number 70002; the second text refers to it in the long form.
    const std::size_t second_text = bytes.size() - 2 - (15 + 68 + 2 + 7) - 6;
    EXPECT_EQ(U16At(bytes, second_text), 0x7FFF);
    ByteReader reference(std::string_view(bytes).substr(second_text + 2));
    EXPECT_EQ(reference.U32(), 0x80000000u + 70002u);
    const TJcfData back = ReadBack(bytes);
    EXPECT_EQ(back.EntLineN, 70000);
    EXPECT_EQ(back.EntMoji[1].str, u"second");
}

TEST(StreamWriter, FileOutReplacesAndLeavesNothingOnFailure) {
    test::TempDir dir;
    TJcfData doc = EmptyFigure();
    AddLine(doc, 1, 1);
    const auto path = dir / "prev.1";
    test::WriteBytes(path, "old");
    ASSERT_TRUE(doc.FileOut(path, 600));
    EXPECT_EQ(test::ReadBytes(path), doc.WriteBytes(600));
    EXPECT_FALSE(doc.FileOut(dir / "missing" / "prev.1", 600));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1u);
}

TEST(StreamWriter, FileOutOptionRange) {
    TJcfData doc;
    doc.SetFileOutOption(63);
    EXPECT_EQ(doc.FileOutOpt, 63);
    doc.SetFileOutOption(64);
    EXPECT_EQ(doc.FileOutOpt, 0);
    doc.SetFileOutOption(-1);
    EXPECT_EQ(doc.FileOutOpt, 0);
}

}  // namespace
}  // namespace torvane
