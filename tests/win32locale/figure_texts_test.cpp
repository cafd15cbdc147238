#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "convert/paste_transform.h"
#include "figure/jcf_data.h"
#include "render/thumbnail.h"
#include "support/test_files.h"
#include "util/bmp_file.h"
#include "util/encodings.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Texts of the real figure "Test2" and their Shift-JIS bytes in its stream.
struct KnownText {
    std::u16string text;
    std::string bytes;
};
const std::vector<KnownText>& Test2Texts() {
    static const std::vector<KnownText> texts{
        {u"真北", "\x90\x5e\x96\x6b"s},
        {u"５ｍライン", "\x82\x54\x82\x8d\x83\x89\x83\x43\x83\x93"s},
        {u"道路中心線", "\x93\xb9\x98\x48\x92\x86\x90\x53\x90\xfc"s},
        {u"（切妻屋根）", "\x81\x69\x90\xd8\x8d\xc8\x89\xae\x8d\xaa\x81\x6a"s},
    };
    return texts;
}

bool HasText(const TJcfData& doc, const std::u16string& text) {
    for (const auto& moji : doc.EntMoji)
        if (moji.str == text) return true;
    return false;
}

// The Japanese run of this program draws the reference thumbnail; the other run compares with it.
std::optional<fs::path> ThumbnailDir() {
    const char* dir = std::getenv("TORVANE_THUMBNAIL_DIR");
    if (dir == nullptr || *dir == '\0') return std::nullopt;
    return fs::path(dir);
}

class FigureTextsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::DataDir()) GTEST_SKIP() << "no real data";
    }
    fs::path Stream(const std::string& name) const { return *test::DataDir() / "streams" / name; }
    test::TempDir dir;
};

TEST_F(FigureTextsTest, ShiftJisWhateverTheSystemCodePage) {
    ASSERT_NE(GetACP(), 932u) << "this program must run under a locale that is not Japanese";
    EXPECT_EQ(StrToSjis(u"図形 abc ｶﾞ①"), "\x90\x7D\x8C\x60 abc \xB6\xDE\x87\x40"s);
    EXPECT_EQ(SjisToStr("\x90\x7D\x8C\x60 abc \xB6\xDE\x87\x40\0zz"s), u"図形 abc ｶﾞ①");
}

// A real figure's Japanese texts read as Japanese, and a paste at scale 2 rewrites every text
// with exactly the bytes it had.
TEST_F(FigureTextsTest, RealTextsSurviveAScaledPasteByteForByte) {
    ASSERT_NE(GetACP(), 932u);
    TJcfData original;
    ASSERT_TRUE(original.FileIn(Stream("Test2.1")));
    fs::copy_file(Stream("Test2.1"), dir / "pasted.1");
    TJcfData doc;
    PasteTransformFile(dir / "pasted.1", u"2", u"0.0", true, true, doc);
    const std::string pasted = test::ReadBytes(dir / "pasted.1");
    ASSERT_NE(pasted, test::ReadBytes(Stream("Test2.1"))) << "the paste did not scale";
    TJcfData reread;
    ASSERT_TRUE(reread.FileIn(dir / "pasted.1"));
    for (const KnownText& known : Test2Texts()) {
        EXPECT_TRUE(HasText(original, known.text)) << StrToUtf8(known.text);
        EXPECT_TRUE(HasText(reread, known.text)) << StrToUtf8(known.text);
        EXPECT_NE(pasted.find(known.bytes), std::string::npos) << StrToUtf8(known.text);
    }
    ASSERT_EQ(reread.EntMoji.size(), original.EntMoji.size());
    for (std::size_t i = 0; i < original.EntMoji.size(); ++i) EXPECT_EQ(reread.EntMoji[i].str, original.EntMoji[i].str);
}

// The thumbnail of a figure with Japanese texts is the same under every locale.
TEST_F(FigureTextsTest, ThumbnailAsUnderTheJapaneseLocale) {
    const auto out = ThumbnailDir();
    if (!out) GTEST_SKIP() << "TORVANE_THUMBNAIL_DIR not set";
    const auto picture = DrawFigureFile(Stream("Test2.1"), 400, 400, 0);
    ASSERT_TRUE(picture);
    fs::create_directories(*out);
    const fs::path reference = *out / "thumbnail-932.bmp";
    if (GetACP() == 932) {
        ASSERT_TRUE(SaveBmp(*picture, reference));
        return;
    }
    const auto japanese = LoadBmp(reference);
    ASSERT_TRUE(japanese) << "no reference thumbnail: run this program under the Japanese locale first";
    SaveBmp(*picture, *out / ("thumbnail-" + std::to_string(GetACP()) + ".bmp"));
    EXPECT_TRUE(*picture == *japanese) << "the thumbnail differs from the one drawn under the Japanese locale";
}

}  // namespace
}  // namespace torvane
