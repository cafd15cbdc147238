#include <gtest/gtest.h>

#include "convert/figure_import.h"
#include "support/test_files.h"

namespace torvane {
namespace {

// A version-700 drawing with every layer shown: a line on layer 0, a line on layer 1 reaching
// far to the lower left, and on layer 3 a placement of a definition holding one line.
TJwwData Drawing() {
    TJwwData jww;
    jww.DataDefaultSet();
    jww.Enthd.jwVer = 700;
    for (auto& group : jww.Enthd.aLay) {
        for (TEntJwwLayer& layer : group) layer.anLay = 2;
    }
    jww.EntLgrp[0].adScale = 20;
    auto line = [](double x1, double y1, double x2, double y2, std::uint16_t layer) {
        TEntJwwLine l;
        l.att.nLayer = layer;
        l.start_x = x1, l.start_y = y1, l.end_x = x2, l.end_y = y2;
        return l;
    };
    jww.EntLine = {line(10, 20, 30, 5, 0), line(-50, -60, 0, 0, 1)};
    TEntJwwBlock block;
    block.att.nLayer = 3;
    block.DPKijunTen_x = 20, block.DPKijunTen_y = 10, block.dBairitsuX = block.dBairitsuY = 1, block.nNumber = 7;
    jww.EntBlock = {block};
    jww.EntNo = {{kEntLine, 0}, {kEntLine, 1}, {kEntBlock, 0}};
    TEntJwwBlockDef def;
    def.nNumber = 7;
    def.strName = u"mark";
    def.EditMembers().mLine = {line(0, 0, 1, 1, 0)};
    def.EditMembers().mNo = {{kEntLine, 0}};
    jww.EntBlockDef = {def};
    jww.CountEntities();
    jww.Enthd.n1 = 3;
    jww.Enthd.n2 = 1;
    jww.MakeBlockTree();
    return jww;
}

// What the picture leaves out the clip leaves out: the base point follows the entities kept, and
// a definition that no kept placement reaches is not written.
TEST(JWWtoJCLF, HiddenLayersAndGroupsStayOutOfTheClip) {
    test::TempDir dir;
    TJwwData jww = Drawing();
    jww.Enthd.aLay[0][1].anLay = 0;
    TJcfData JCF;
    ASSERT_TRUE(JWWtoJCLF(jww, JCF, dir / "clip.1"));
    TJcfData back;
    ASSERT_TRUE(back.FileIn(dir / "clip.1"));
    EXPECT_EQ(back.Enthd.n1, 2);
    EXPECT_EQ(back.Enthd.n2, 1);
    EXPECT_EQ(back.Enthd.jwVer, 700);
    EXPECT_EQ(back.Enthd.BasePoint_x, 10);
    EXPECT_EQ(back.Enthd.BasePoint_y, 5);

    // Nothing shown: no clip that would not read back.
    jww.EntLgrp[0].anGLay = 0;
    EXPECT_FALSE(JWWtoJCLF(jww, JCF, dir / "empty.1"));
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.1"));
}

}  // namespace
}  // namespace torvane
