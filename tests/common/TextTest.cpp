#include <gtest/gtest.h>

#include <string>

#include "common/Text.h"

using namespace quillora;

TEST(Text, TrimRemovesControlAndBlankCodesOnly) {
    EXPECT_EQ(Trim("  \t九万\r\n "), "九万");
    EXPECT_EQ(Trim(std::string("\x01\x1f a b \x20", 7)), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    // A full-width blank (U+3000) is not a code <= 32 and stays.
    EXPECT_EQ(Trim("\xE3\x80\x80x"), "\xE3\x80\x80x");
}

TEST(Text, CharactersAreNeverCutThrough) {
    EXPECT_EQ(CharCount("九万a珠"), 4u);
    const auto chars = SplitChars("A九\xF0\x9F\x98\x80");
    ASSERT_EQ(chars.size(), 3u);
    EXPECT_EQ(chars[1], "九");
    EXPECT_EQ(chars[2], "\xF0\x9F\x98\x80");
    EXPECT_EQ(LeftChars("九万珠宝", 2), "九万");
    EXPECT_EQ(LeftChars("九", 5), "九");
    // Invalid bytes become one element each and iteration ends.
    EXPECT_EQ(SplitChars("\xE4\xB9").size(), 2u);
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD"));   // a real U+FFFD
}

TEST(Text, GbkByteLengthCountsTwoPerChineseCharacter) {
    EXPECT_EQ(GbkByteLength("abc"), 3);
    EXPECT_EQ(GbkByteLength("九万"), 4);
    EXPECT_EQ(GbkByteLength("a九"), 3);
    EXPECT_EQ(GbkByteLength("鑫"), 2);                 // GBK, outside GB2312
    EXPECT_EQ(GbkByteLength("😀"), -1);                 // emoji
    EXPECT_EQ(GbkByteLength("\xF0\xA0\x80\x80"), -1);  // U+20000, extension B
    EXPECT_FALSE(IsGbkEncodable("九😀"));
}

TEST(Text, GbkCodecRoundTripsAllOfGb2312) {
    // Every assigned GB2312 code (rows 0xA1-0xF7, cells 0xA1-0xFE) decodes
    // and encodes back to the same two bytes.
    int tested = 0;
    for (int hi = 0xA1; hi <= 0xF7; ++hi) {
        for (int lo = 0xA1; lo <= 0xFE; ++lo) {
            const std::string gbk{static_cast<char>(hi), static_cast<char>(lo)};
            std::string utf8;
            try {
                utf8 = GbkToUtf8(gbk);
            } catch (const std::exception&) {
                continue;  // unassigned cell
            }
            ASSERT_EQ(Utf8ToGbk(utf8), gbk) << hi << "," << lo;
            ++tested;
        }
    }
    EXPECT_GT(tested, 7400);  // 7,445 GB2312 characters and symbols
    // Known anchors from the GB2312 table.
    EXPECT_EQ(Utf8ToGbk("啊"), "\xB0\xA1");
    EXPECT_EQ(Utf8ToGbk("九万"), "\xBE\xC5\xCD\xF2");
    // GBK extension characters round-trip too.
    for (const char* s : {"鑫", "喆", "堃", "淼", "犇", "猋"}) {
        EXPECT_EQ(GbkToUtf8(Utf8ToGbk(s)), s);
        EXPECT_EQ(Utf8ToGbk(s).size(), 2u) << s;
    }
    EXPECT_THROW(Utf8ToGbk("😀"), std::runtime_error);
}

TEST(Text, PercentEncodingAndLineEnds) {
    EXPECT_EQ(PercentEncode(Utf8ToGbk("九万")), "%BE%C5%CD%F2");
    EXPECT_EQ(PercentEncode("a b&"), "a%20b%26");
    EXPECT_EQ(ToCrlf("a\nb\r\nc"), "a\r\nb\r\nc");
}
