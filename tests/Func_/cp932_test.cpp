#include "Func_/cp932.hpp"

#include <gtest/gtest.h>

namespace drafnova {
namespace {

TEST(Cp932, JapaneseLiteralBecomesShiftJis) {
    EXPECT_EQ(Sj(u8"表"), std::string("\x95\x5C", 2));
    EXPECT_EQ(Sj(u8"新規図面"), "\x90\x56\x8B\x4B\x90\x7D\x96\xCA");
    EXPECT_EQ(Sj(u8"ｱ"), "\xB1");  // half-width katakana is one byte
    EXPECT_EQ(Sj(u8"　"), "\x81\x40");
}

TEST(Cp932, RoundTripsThroughUtf8AndUtf16) {
    const std::string text = Sj(u8"図面ABC表ｱ");
    EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToCp932(Cp932ToUtf16(text)), text);
    EXPECT_EQ(Cp932ToUtf8(text), std::string(reinterpret_cast<const char*>(u8"図面ABC表ｱ")));
}

TEST(Cp932, CharacterWithoutShiftJisFormBecomesQuestionMark) {
    EXPECT_EQ(Utf16ToCp932(u"a\u00E9b"), "a?b");  // e acute
    EXPECT_EQ(Utf16ToCp932(u"\U0001F600"), "?");  // one character, two units
    EXPECT_EQ(Sj(u8"\u2252"), "\x81\xE0");        // the NEC duplicate loses
    // Not the byte 0x80, which would start a two-byte character and decode to
    // nothing (a fuzzing find).
    EXPECT_EQ(Utf16ToCp932(u"a\u0080b"), "a?b");
    EXPECT_EQ(Utf8ToCp932("a\xC2\x80"
                          "b"),
              "a?b");
}

TEST(Cp932, BrokenShiftJisDecodesToReplacement) {
    EXPECT_EQ(Cp932ToUtf16(std::string("a\x95", 2)), u"a\uFFFD");  // lone lead byte
    EXPECT_EQ(Cp932ToUtf16("\x80"), u"\uFFFD");
    EXPECT_EQ(Utf8ToCp932("\xE3\x81"), "??");  // cut UTF-8 sequence
}

}  // namespace
}  // namespace drafnova
