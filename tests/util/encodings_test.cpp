#include <gtest/gtest.h>

#include "platform/code_page.h"
#include "util/encodings.h"

namespace torvane {
namespace {

using namespace std::string_literals;

TEST(AnsiTest, ShiftJisBytesAndStopAtZero) {
    EXPECT_EQ(StrToAnsi(u"図a"), "\x90\x7D" "a");
    EXPECT_EQ(AnsiToStr("\x90\x7D" "a\0zz"s), u"図a");
    EXPECT_EQ(AnsiLen(u"図形abcｶ"), 8);
    EXPECT_EQ(AnsiLen(u""), 0);
}

TEST(SjisTest, ShiftJisBytesAndStopAtZero) {
    EXPECT_EQ(StrToSjis(u"図aｶ"), "\x90\x7D" "a\xB6");
    EXPECT_EQ(SjisToStr("\x90\x7D" "a\0zz"s), u"図a");
}

// The tables of the fast decoding must give what their code page gives, character by character
// and for the bytes they do not cover (lone lead bytes, invalid pairs, lead bytes at the end).
TEST(AnsiTest, DecodingAsTheCodePageDoes) {
    for (const auto& [code_page, decode] : {std::pair{&SystemCodePage(), &DecodeAnsiBytes},
                                            std::pair{&ShiftJisCodePage(), &DecodeSjisBytes}}) {
        for (int first = 0; first < 256; ++first) {
            for (int second = 0; second < 256; ++second) {
                const std::string pair{static_cast<char>(first), static_cast<char>(second)};
                ASSERT_EQ(decode(pair), code_page->Decode(pair)) << first << " " << second;
            }
        }
        for (const std::string& bytes : {"\x90\x7D" "a\xB6\x82"s, "\x82\xA0\x82\xA2\x00" "z"s, "\x81\x20\x90\x7D"s,
                                         "\xFD\xFF" "abc"s})
            EXPECT_EQ(decode(bytes), code_page->Decode(bytes));
    }
}

// Decoding into a string that held a text replaces it whole, also when the code page decodes.
TEST(SjisTest, DecodingIntoAStringReplacesItsText) {
    std::u16string out = u"a longer text held before";
    for (const std::string& bytes : {"\x90\x7D" "a"s, ""s, "\x81\x20\x90\x7D"s,
                                     "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9\x82\xAB\x82\xAD"s}) {
        DecodeSjisBytesInto(bytes, out);
        EXPECT_EQ(out, ShiftJisCodePage().Decode(bytes));
    }
}

TEST(Utf8Test, RoundTripsIncludingSurrogatePairs) {
    const std::u16string text = u"aé図\U0001F600";
    EXPECT_EQ(StrToUtf8(text), "a\xC3\xA9\xE5\x9B\xB3\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToStr(StrToUtf8(text)), text);
    EXPECT_EQ(StrToUtf8(u"a\xD800z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(Utf8ToStr("ab\0\xFF"s), u"ab");
}

TEST(Utf8Test, MalformedBytesReadAsQuestionMark) {
    for (const std::string& bytes : {"\xFF"s, "a\xC3"s, "\xC0\xAF"s, "\xED\xA0\x80"s, "\xF4\x90\x80\x80"s,
                                    "\xE5\x9B"s, "\x80"s, "\xE5\x41\xB3"s})
        EXPECT_EQ(Utf8ToStr(bytes), u"?");
}

TEST(Utf16Test, LittleEndianPairsUpToZero) {
    EXPECT_EQ(StrToUtf16(u"A図"), "A\0\xF3\x56"s);
    EXPECT_EQ(Utf16ToStr("A\0\xF3\x56\0\0B\0"s), u"A図");
    EXPECT_EQ(Utf16ToStr("A\0B"s), u"A");
}

TEST(HexTest, BytesToHexStopsAtZeroAndHexToBytesEndsWithZero) {
    EXPECT_EQ(BytesToHex("\x01\xAB\x7F\0\x22"s), u"01AB7F");
    EXPECT_EQ(HexToBytes(u"01ab7F"), "\x01\xAB\x7F\0"s);
    EXPECT_EQ(HexToBytes(u"zz4"), "\0\0"s);
    EXPECT_EQ(HexToBytes(u""), "\0"s);
}

TEST(HexUtf8Test, NamesRoundTripThroughTheStoredForm) {
    EXPECT_EQ(StrToHexUtf8(u"abc"), u"616263");
    EXPECT_EQ(StrToHexUtf8(u"図面"), u"E59BB3E99DA2");
    EXPECT_EQ(HexUtf8ToStr(u"E59BB3E99DA2"), u"図面");
    EXPECT_EQ(StrToHexUtf8(u""), u"");
    EXPECT_EQ(HexUtf8ToStr(u""), u"");
    EXPECT_EQ(HexUtf8ToStr(u"E59B"), u"?");
}

}  // namespace
}  // namespace torvane
