#include <gtest/gtest.h>

#include "figure/extents.h"
#include "figure/jcf_data.h"
#include "support/test_files.h"

namespace torvane {
namespace {

TEST(StreamReadExtents, ReadingAFigureLeavesItsExtentsInTheHeader) {
    const auto data = test::DataDir();
    if (!data) GTEST_SKIP() << "no real data";
    TJcfData doc;
    ASSERT_TRUE(doc.FileIn(*data / "streams" / "Test2.1"));
    EXPECT_EQ(doc.Enthd.Mx1, doc.myMinWx);
    EXPECT_EQ(doc.Enthd.My1, doc.myMinWy);
    EXPECT_EQ(doc.Enthd.Mx2, doc.myMaxWx);
    EXPECT_EQ(doc.Enthd.My2, doc.myMaxWy);
    EXPECT_EQ(MaxWx, doc.myMaxWx);
    EXPECT_LT(doc.Enthd.Mx1, doc.Enthd.Mx2);
}

}  // namespace
}  // namespace torvane
