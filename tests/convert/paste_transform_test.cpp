#include "convert/paste_transform.h"
#include "convert/paste_map.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "figure_compare.h"
#include "sample_figure.h"
#include "support/test_files.h"

namespace torvane {
namespace {

PasteTransformValues Values(const char16_t* scale, const char16_t* angle, bool text_scale, bool point_scale = true) {
    return ReadPasteValues(scale, angle, text_scale, point_scale);
}

// The real figure streams, read; empty when there is no real data.
std::vector<std::pair<std::string, TJcfData>> RealFigures() {
    std::vector<std::pair<std::string, TJcfData>> figures;
    const auto data = test::DataDir();
    if (!data) return figures;
    for (const auto& entry : std::filesystem::directory_iterator(*data / "streams")) {
        TJcfData doc;
        EXPECT_TRUE(doc.FileIn(entry.path())) << entry.path();
        figures.emplace_back(entry.path().filename().string(), std::move(doc));
    }
    return figures;
}

std::vector<std::pair<std::string, TJcfData>> Figures() {
    auto figures = RealFigures();
    figures.emplace_back("sample", test::SampleFigure());
    return figures;
}

// Applies the first transform once, so that rounding and text placement settle, then checks that
// `steps` leads back to the same figure.
void ExpectCycleRestores(const PasteTransformValues& first, const std::vector<PasteTransformValues>& steps) {
    for (auto& [name, doc] : Figures()) {
        SCOPED_TRACE(name);
        TransformFigure(doc, first);
        TJcfData cycled = doc;
        for (const PasteTransformValues& step : steps) TransformFigure(cycled, step);
        test::ExpectSameFigure(doc, cycled, 1e-9);
    }
}

TEST(TransformFigure, FourQuarterTurnsRestoreTheFigure) {
    for (const bool text_scale : {true, false}) {
        const PasteTransformValues quarter = Values(u"1", u"90", text_scale);
        ExpectCycleRestores(quarter, {quarter, quarter, quarter, quarter});
    }
}

TEST(TransformFigure, TurnsOfThirtyDegreesRestoreTheFigureAfterAWholeTurn) {
    const PasteTransformValues step = Values(u"1", u"30", true);
    ExpectCycleRestores(step, std::vector<PasteTransformValues>(12, step));
}

TEST(TransformFigure, MirroringTwiceRestoresTheFigure) {
    for (const bool text_scale : {true, false}) {
        ExpectCycleRestores(Values(u"1", u"45", text_scale),
                            {Values(u"-1,1", u"0", text_scale), Values(u"-1,1", u"0", text_scale)});
        ExpectCycleRestores(Values(u"1", u"45", text_scale),
                            {Values(u"1,-1", u"0", text_scale), Values(u"-1,1", u"0", text_scale),
                             Values(u"1", u"180", text_scale)});
    }
}

TEST(TransformFigure, DoublingThenHalvingRestoresTheFigure) {
    for (const bool text_scale : {true, false}) {
        ExpectCycleRestores(Values(u"1", u"10", text_scale),
                            {Values(u"2", u"0", text_scale), Values(u"0.5", u"0", text_scale)});
    }
}

TEST(TransformFigure, QuarterTurnAboutTheBasePoint) {
    TJcfData doc = test::SampleFigure();
    TransformFigure(doc, Values(u"1", u"90", true));
    // The line ran from the base point (100, 50) to (110, 50).
    EXPECT_NEAR(doc.EntLine[0].start_x, 100, 1e-9);
    EXPECT_NEAR(doc.EntLine[0].start_y, 50, 1e-9);
    EXPECT_NEAR(doc.EntLine[0].end_x, 100, 1e-9);
    EXPECT_NEAR(doc.EntLine[0].end_y, 60, 1e-9);
    EXPECT_NEAR(doc.EntMoji[0].degKakudo, 22.619864948040426 + 90, 1e-9);
    EXPECT_EQ(doc.EntMoji[0].dSizeY, 3.5);
    EXPECT_EQ(doc.EntMoji[0].nMojiShu, 10000u);
}

TEST(TransformFigure, BlockContentsFollowTheMapThroughTheirInsertions) {
    for (const char16_t* scale : {u"2", u"-2,2", u"1,-1"}) {
        const TJcfData before = test::SampleFigure();
        TJcfData after = before;
        const PasteTransformValues values = Values(scale, u"30", true);
        TransformFigure(after, values);
        after.MakeBlockTree();
        const PasteMap map(before.Enthd.BasePoint_x, before.Enthd.BasePoint_y, values);
        const TEntJwwBlockTree& b = before.EntBlockTree[0];
        const TEntJwwBlockTree& a = after.EntBlockTree[0];
        for (const auto& [u, v] : {std::pair{0.0, 0.0}, {10.0, 0.0}, {3.0, -4.0}}) {
            const TDPoint expected = map({b.x + b.r1 * u + b.r2 * v, b.y + b.r3 * u + b.r4 * v});
            EXPECT_NEAR(a.x + a.r1 * u + a.r2 * v, expected.X, 1e-9);
            EXPECT_NEAR(a.y + a.r3 * u + a.r4 * v, expected.Y, 1e-9);
        }
    }
}

// Copies the fields the paste transform owns from `from` into `to`.
void TakeOwnedFields(const TEntJwwLine& from, TEntJwwLine& to) {
    to.start_x = from.start_x;
    to.start_y = from.start_y;
    to.end_x = from.end_x;
    to.end_y = from.end_y;
}
void TakeOwnedFields(const TEntJwwEnko& from, TEntJwwEnko& to) {
    const auto att = to.att;
    const auto whole = to.bZenEnFlg;
    to = from;
    to.att = att;
    to.bZenEnFlg = whole;
}
void TakeOwnedFields(const TEntJwwTen& from, TEntJwwTen& to) {
    to.start_x = from.start_x;
    to.start_y = from.start_y;
    to.radKaitenKaku = from.radKaitenKaku;
    to.dBairitsu = from.dBairitsu;
}
void TakeOwnedFields(const TEntJwwMoji& from, TEntJwwMoji& to) {
    to.start_x = from.start_x;
    to.start_y = from.start_y;
    to.end_x = from.end_x;
    to.end_y = from.end_y;
    to.nMojiShu = from.nMojiShu;
    to.dSizeX = from.dSizeX;
    to.dSizeY = from.dSizeY;
    to.dKankaku = from.dKankaku;
    to.degKakudo = from.degKakudo;
}
void TakeOwnedFields(const TEntJwwSunpo& from, TEntJwwSunpo& to) {
    TakeOwnedFields(from.Sen, to.Sen);
    TakeOwnedFields(from.Moji, to.Moji);
    TakeOwnedFields(from.Ho1, to.Ho1);
    TakeOwnedFields(from.Ho2, to.Ho2);
    TakeOwnedFields(from.Te1, to.Te1);
    TakeOwnedFields(from.Te2, to.Te2);
    TakeOwnedFields(from.Kt1, to.Kt1);
    TakeOwnedFields(from.Kt2, to.Kt2);
}
void TakeOwnedFields(const TEntJwwSolid& from, TEntJwwSolid& to) {
    const auto att = to.att;
    const auto color = to.Color;
    to = from;
    to.att = att;
    to.Color = color;
}
void TakeOwnedFields(const TEntJwwBlock& from, TEntJwwBlock& to) {
    to.DPKijunTen_x = from.DPKijunTen_x;
    to.DPKijunTen_y = from.DPKijunTen_y;
    to.dBairitsuX = from.dBairitsuX;
    to.dBairitsuY = from.dBairitsuY;
    to.radKaitenKaku = from.radKaitenKaku;
}
template <class Record>
void TakeOwnedFields(const std::vector<Record>& from, std::vector<Record>& to) {
    ASSERT_EQ(from.size(), to.size());
    for (std::size_t i = 0; i < from.size(); ++i) TakeOwnedFields(from[i], to[i]);
}

TEST(TransformFigure, LeavesEveryFieldItDoesNotOwnUntouched) {
    for (auto& [name, original] : Figures()) {
        SCOPED_TRACE(name);
        TJcfData transformed = original;
        TransformFigure(transformed, Values(u"2,-3", u"30", true));
        TJcfData restored = transformed;
        restored.EntLine = original.EntLine;
        restored.EntEnko = original.EntEnko;
        restored.EntTen = original.EntTen;
        restored.EntMoji = original.EntMoji;
        restored.EntSunpo = original.EntSunpo;
        restored.EntSolid = original.EntSolid;
        restored.EntBlock = original.EntBlock;
        // Put the transformed values of the owned fields onto the original records: anything
        // else the transform changed would now differ.
        TakeOwnedFields(transformed.EntLine, restored.EntLine);
        TakeOwnedFields(transformed.EntEnko, restored.EntEnko);
        TakeOwnedFields(transformed.EntTen, restored.EntTen);
        TakeOwnedFields(transformed.EntMoji, restored.EntMoji);
        TakeOwnedFields(transformed.EntSunpo, restored.EntSunpo);
        TakeOwnedFields(transformed.EntSolid, restored.EntSolid);
        TakeOwnedFields(transformed.EntBlock, restored.EntBlock);
        test::ExpectSameFigure(restored, transformed, 0);
        // The header, the layer groups, the order and the block definitions are the original's.
        TJcfData untouched = original;
        untouched.EntLine = transformed.EntLine;
        untouched.EntEnko = transformed.EntEnko;
        untouched.EntTen = transformed.EntTen;
        untouched.EntMoji = transformed.EntMoji;
        untouched.EntSunpo = transformed.EntSunpo;
        untouched.EntSolid = transformed.EntSolid;
        untouched.EntBlock = transformed.EntBlock;
        test::ExpectSameFigure(untouched, transformed, 0);
    }
}

TEST(PasteTransformFile, NothingAskedLeavesTheFileUnread) {
    test::TempDir dir;
    const auto file = dir / "prev.1";
    test::WriteBytes(file, "whatever");
    const auto time = std::filesystem::last_write_time(file);
    TJcfData JCF;
    const PasteTransformResult result = PasteTransformFile(file, u" 1.0 ", u"0.0", true, false, JCF);
    EXPECT_EQ(result.outcome, StreamFileOutcome::Unchanged);
    EXPECT_EQ(result.values.PasteBai, u"1.0");
    EXPECT_TRUE(result.values.PasteMoj);
    EXPECT_EQ(std::filesystem::last_write_time(file), time);
    EXPECT_EQ(PasteTransformFile(file, u"1,1", u"360", false, false, JCF).outcome, StreamFileOutcome::Unchanged);
    EXPECT_EQ(PasteTransformFile(file, u"0", u"abc", false, false, JCF).outcome, StreamFileOutcome::Unchanged);
}

TEST(PasteTransformFile, UnreadableFileIsLeftAsItWas) {
    test::TempDir dir;
    const auto file = dir / "prev.1";
    test::WriteBytes(file, std::string(200, '\x01'));
    TJcfData JCF;
    EXPECT_EQ(PasteTransformFile(file, u"2", u"0", false, false, JCF).outcome, StreamFileOutcome::Unreadable);
    EXPECT_EQ(test::ReadBytes(file), std::string(200, '\x01'));
    EXPECT_EQ(PasteTransformFile(dir / "missing.1", u"2", u"0", false, false, JCF).outcome,
              StreamFileOutcome::Unreadable);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.1"));
}

TEST(PasteTransformFile, WritesTheTransformedFigureInItsOwnVersionAndEncoding) {
    test::TempDir dir;
    const auto file = dir / "prev.1";
    TJcfData sample = test::SampleFigure();
    ASSERT_TRUE(sample.FileOut(file, 600));
    TJcfData expected;
    ASSERT_TRUE(expected.FileIn(file));
    TransformFigure(expected, Values(u"2", u"90", true, true));

    TJcfData JCF;
    const PasteTransformResult result = PasteTransformFile(file, u"2", u"90", true, true, JCF);
    ASSERT_EQ(result.outcome, StreamFileOutcome::Converted);
    EXPECT_DOUBLE_EQ(result.values.PasteBaX, 2);
    TJcfData back;
    ASSERT_TRUE(back.FileIn(file));
    test::ExpectSameFigure(expected, back, 0);

    const auto data = test::DataDir();
    if (!data) return;
    for (const char* unicode : {"Test1.1", "jww-1.1"}) {
        test::WriteBytes(file, test::ReadBytes(*data / "streams" / unicode));
        TJcfData before;
        ASSERT_TRUE(before.FileIn(file));
        ASSERT_EQ(PasteTransformFile(file, u"1", u"180", false, false, JCF).outcome, StreamFileOutcome::Converted);
        TJcfData after;
        ASSERT_TRUE(after.FileIn(file));
        EXPECT_EQ(after.Enthd.jwVer, before.Enthd.jwVer) << unicode;
        EXPECT_EQ(after.MojiEncode, before.MojiEncode) << unicode;
    }
}

}  // namespace
}  // namespace torvane
