// Block tree, reach marks and block renumbering.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "figure/figure_file.h"
#include "figure/jcf_data.h"

namespace torvane {
namespace {

TEntJwwBlock Insertion(std::uint32_t number, double x, double y, double angle = 0, double sx = 1, double sy = 1) {
    TEntJwwBlock block;
    block.nNumber = number;
    block.DPKijunTen_x = x;
    block.DPKijunTen_y = y;
    block.radKaitenKaku = angle;
    block.dBairitsuX = sx;
    block.dBairitsuY = sy;
    return block;
}

TEntJwwBlockDef Definition(std::uint32_t number, std::vector<TEntJwwBlock> nested = {}) {
    TEntJwwBlockDef def;
    def.nNumber = number;
    def.strName = u"D" + std::u16string(1, static_cast<char16_t>(u'0' + number % 10));
    TEntJwwBlockMembers& members = def.EditMembers();
    members.mBlockN = static_cast<std::int32_t>(nested.size());
    members.mBlock = std::move(nested);
    for (std::int32_t i = 0; i < members.mBlockN; ++i) members.mNo.push_back({kEntBlock, i});
    members.N = members.mBlockN;
    return def;
}

void AddInsertion(TJcfData& doc, TEntJwwBlock block) {
    doc.EntNo.push_back({kEntBlock, doc.EntBlockN++});
    doc.EntBlock.push_back(block);
    doc.Enthd.n1 = static_cast<std::int32_t>(doc.EntNo.size());
}

void AddDefinition(TJcfData& doc, TEntJwwBlockDef def) {
    doc.EntBlockDef.push_back(std::move(def));
    doc.EntBlockDefN = doc.Enthd.n2 = static_cast<std::int32_t>(doc.EntBlockDef.size());
}

TEST(BlockTree, WithoutInsertionsNothingIsReached) {
    TJcfData doc;
    AddDefinition(doc, Definition(1));
    doc.MakeBlockTree();
    EXPECT_EQ(doc.EntBlockTreeN, 0);
    EXPECT_EQ(doc.EntBlockNum, 0);
    EXPECT_FALSE(doc.EntBlockDef[0].ref_flag);
    EXPECT_EQ(doc.EntBlockDef[0].ref_no, -1);
}

TEST(BlockTree, OnlyReachedDefinitionsAreNumbered) {
    TJcfData doc;
    AddDefinition(doc, Definition(5));
    AddDefinition(doc, Definition(9));
    AddDefinition(doc, Definition(9));
    AddInsertion(doc, Insertion(9, 0, 0));
    AddInsertion(doc, Insertion(4, 0, 0));
    doc.MakeBlockTree();
    EXPECT_EQ(doc.EntBlockNum, 1);
    EXPECT_FALSE(doc.EntBlockDef[0].ref_flag);
    EXPECT_TRUE(doc.EntBlockDef[1].ref_flag);
    EXPECT_FALSE(doc.EntBlockDef[2].ref_flag);
    EXPECT_EQ(doc.ChangeBlockNo(9), 0u);
    EXPECT_EQ(doc.ChangeBlockNo(5), 5u);
    EXPECT_EQ(doc.ChangeBlockNo(7), 0u);
    ASSERT_EQ(doc.EntBlockTreeN, 2);
    EXPECT_EQ(doc.EntBlockTree[0].defno, 1);
    EXPECT_EQ(doc.EntBlockTree[1].defno, -1);
}

TEST(BlockTree, PlacementOfRotatedScaledInsertion) {
    TJcfData doc;
    AddDefinition(doc, Definition(1));
    AddInsertion(doc, Insertion(1, 7, 8, std::numbers::pi / 2, 2, 3));
    doc.MakeBlockTree();
    const TEntJwwBlockTree& node = doc.EntBlockTree[0];
    EXPECT_NEAR(node.r1, 0, 1e-15);
    EXPECT_DOUBLE_EQ(node.r2, -3);
    EXPECT_DOUBLE_EQ(node.r3, 2);
    EXPECT_NEAR(node.r4, 0, 1e-15);
    // The definition point (1, 0) lands at (x, y + 2).
    EXPECT_NEAR(node.x + node.r1 * 1, 7, 1e-12);
    EXPECT_NEAR(node.y + node.r3 * 1, 10, 1e-12);
}

TEST(BlockTree, NestedInsertionsComeBreadthFirstWithComposedPlacements) {
    TJcfData doc;
    TEntJwwBlockDef outer = Definition(1, {Insertion(2, 10, 0)});
    outer.att.nLayer = 4;
    AddDefinition(doc, outer);
    AddDefinition(doc, Definition(2));
    AddInsertion(doc, Insertion(1, 100, 100, std::numbers::pi / 2));
    AddInsertion(doc, Insertion(2, 0, 0));
    doc.MakeBlockTree();
    ASSERT_EQ(doc.EntBlockTreeN, 3);
    const TEntJwwBlockTree& nested = doc.EntBlockTree[2];
    EXPECT_EQ(nested.level, 1);
    EXPECT_EQ(nested.parent, 0);
    EXPECT_EQ(nested.att.nLayer, 4);
    EXPECT_NEAR(nested.x, 100, 1e-12);
    EXPECT_NEAR(nested.y, 110, 1e-12);
    EXPECT_NEAR(nested.r3, 1, 1e-12);
    EXPECT_EQ(doc.EntBlockNum, 2);
}

TEST(BlockTree, DefinitionsInsertingThemselvesEndTheWalk) {
    TJcfData doc;
    AddDefinition(doc, Definition(1, {Insertion(1, 1, 0), Insertion(2, 0, 1)}));
    AddDefinition(doc, Definition(2, {Insertion(1, 0, 0), Insertion(3, 0, 0)}));
    AddDefinition(doc, Definition(3));
    AddInsertion(doc, Insertion(1, 0, 0));
    doc.MakeBlockTree();
    // 1 → 2 → 3; the insertions of 1 into 1 and of 1 into 2 are left out.
    ASSERT_EQ(doc.EntBlockTreeN, 3);
    EXPECT_EQ(doc.EntBlockTree[1].no, 2u);
    EXPECT_EQ(doc.EntBlockTree[2].no, 3u);
    EXPECT_EQ(doc.EntBlockNum, 3);
}

TEST(BlockTree, DeepChainsStopAtTheDepthBound) {
    TJcfData doc;
    for (std::uint32_t n = 0; n < 100; ++n) AddDefinition(doc, Definition(n, {Insertion(n + 1, 1, 0)}));
    AddInsertion(doc, Insertion(0, 0, 0));
    doc.MakeBlockTree();
    EXPECT_EQ(doc.EntBlockTreeN, 65);
    EXPECT_EQ(doc.EntBlockTree.back().level, 64);
}

TEST(BlockTree, EveryDefinitionReachedIsWrittenOnceAndInsertionsKeepTheirTargets) {
    // A chain deeper than the tree goes, closed into a cycle, and a definition nothing uses.
    TJcfData doc;
    doc.DataDefaultSet();
    AddDefinition(doc, Definition(1000));
    for (std::uint32_t n = 0; n < 100; ++n) AddDefinition(doc, Definition(n + 10, {Insertion((n + 1) % 100 + 10, 1, 0)}));
    AddInsertion(doc, Insertion(10, 0, 0));
    doc.MakeBlockTree();
    EXPECT_EQ(doc.EntBlockNum, 100);
    EXPECT_EQ(doc.EntBlockTree.back().level, 64);
    TJcfData back;
    ASSERT_TRUE(back.ReadBytes(AsBytes(doc.WriteBytes(600)), u"back"));
    ASSERT_EQ(back.EntBlockDefN, 100);
    EXPECT_EQ(back.EntBlock[0].nNumber, 0u);
    for (std::uint32_t i = 0; i < 100; ++i)
        EXPECT_EQ(back.EntBlockDef[i].Members().mBlock[0].nNumber, (i + 1) % 100) << i;
}

TEST(BlockTree, PlacementsStopAtTheWorkBudget) {
    // Twenty definitions with long names each placing the next twice, the last holding 3000
    // lines: a million placements of 3000 lines unless the tree stops.
    TJcfData doc;
    for (std::uint32_t n = 0; n < 20; ++n) {
        AddDefinition(doc, Definition(n, {Insertion(n + 1, 0, 0), Insertion(n + 1, 1, 0)}));
        doc.EntBlockDef.back().strName.assign(4000, u'N');
    }
    AddDefinition(doc, Definition(20));
    doc.EntBlockDef.back().EditMembers().mLine.resize(3000);
    doc.EntBlockDef.back().EditMembers().mLineN = 3000;
    AddInsertion(doc, Insertion(0, 0, 0));
    doc.MakeBlockTree();
    std::int64_t visited = 0;
    for (const TEntJwwBlockTree& node : doc.EntBlockTree) visited += 1 + doc.EntBlockDef[node.defno].Members().mLineN;
    EXPECT_LE(visited, kPlacedEntityBudget);
    EXPECT_GT(visited, kPlacedEntityBudget - 3001);
    EXPECT_EQ(doc.EntBlockTree.back().level, 20);  // some placements of the lines fit
}

TEST(DocumentLifeCycle, DataInitKeepsTheImageFolderAndDefaultsBuildAnEmptyFigure) {
    TJcfData doc;
    doc.BindImageFolder = u"C:\\Temp\\";
    doc.FileOutOpt = 32;
    doc.MojiEncode = true;
    AddInsertion(doc, Insertion(1, 0, 0));
    doc.Enthd.jwVer = 420;
    doc.DataFree();
    EXPECT_EQ(doc.BindImageFolder, u"C:\\Temp\\");
    EXPECT_EQ(doc.FileOutOpt, 0);
    EXPECT_FALSE(doc.MojiEncode);
    EXPECT_EQ(doc.EntBlockN, 0);
    EXPECT_TRUE(doc.EntNo.empty());
    EXPECT_EQ(doc.Enthd.jwVer, 0);
    doc.DataDefaultSet();
    EXPECT_EQ(doc.Enthd.jwVer, 600);
    ASSERT_EQ(doc.EntLgrp.size(), 16u);
    EXPECT_EQ(doc.EntLgrp[15].adScale, 1.0);
    EXPECT_EQ(doc.EntLgrp[15].anGLay, 2);
}

}  // namespace
}  // namespace torvane
