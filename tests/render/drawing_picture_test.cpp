// A drawing is pictured as Jw_cad shows it: hidden layers and layer groups leave the picture
// and its extents, the memo and the file name fill the text codes.
#include <gtest/gtest.h>

#include "figure/jww_file_builder.h"
#include "figure/text_code_context.h"
#include "render/gra_attribute.h"
#include "render/thumbnail.h"
#include "support/test_files.h"
#include "util/files.h"

namespace torvane::test {
namespace {

// A drawing holding a short line on layer 0 of group 0 and, when `far_line`, a long line on
// layer `layer` of group `group` far away.
std::string Drawing(const JwwHeaderValues& header, bool far_line, std::uint16_t group, std::uint16_t layer) {
    StreamBuilder s(600);
    s.Count(far_line ? 2 : 1).NewClass("CDataSen").Line(0, 0, 10, 10);
    if (far_line) s.Ref(1).Attr(1, 1, 0, layer, group).Doubles({500, 500, 900, 700});
    s.Count(0);
    return JwwHeaderBytes(header) + s.bytes();
}

std::vector<std::uint32_t> Picture(const TempDir& dir, const std::string& bytes) {
    WriteBytes(dir / "plan.jww", bytes);
    SetStartupAttributes();
    const std::optional<Bitmap> picture = DrawFigureFile(dir / "plan.jww", 58, 58, 0);
    EXPECT_TRUE(picture);
    return picture ? picture->pixels : std::vector<std::uint32_t>{};
}

TEST(DrawingPicture, HiddenLayersAndGroupsAreLeftOut) {
    TempDir dir;
    JwwHeaderValues header;
    header.hidden_layer = 2 * 16 + 7;
    header.group_states[5] = 0;
    const auto alone = Picture(dir, Drawing(header, false, 0, 0));
    EXPECT_EQ(Picture(dir, Drawing(header, true, 2, 7)), alone);
    EXPECT_EQ(Picture(dir, Drawing(header, true, 5, 0)), alone);
    EXPECT_NE(Picture(dir, Drawing(header, true, 2, 6)), alone);
    EXPECT_EQ(TxtFileName, PathText(dir / "plan.jww"));
    EXPECT_EQ(TxtMemo, u"memo");
}

}  // namespace
}  // namespace torvane::test
