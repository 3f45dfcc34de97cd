#include "Func_/text.hpp"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"

namespace drafnova {
namespace {

// A byte string as printable ASCII: other bytes as \xNN.
std::string Escaped(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out + "\"";
}

// ---------------------------------------------------------------- IsLeadByte

TEST(IsLeadByte, RangesOfTheFirstByteOfATwoByteCharacter) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const bool expected = (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFD);
        EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(byte)), expected) << "byte " << byte;
    }
    // Half-width katakana stand alone.
    EXPECT_FALSE(IsLeadByte(0xA1));
    EXPECT_FALSE(IsLeadByte(0xDF));
    EXPECT_TRUE(IsLeadByte(0x80));
    EXPECT_TRUE(IsLeadByte(0xFD));
    EXPECT_FALSE(IsLeadByte(0xFE));
}

// ----------------------------------------------------------------- TextToInt

struct IntCase {
    std::string text;
    std::int32_t expected;
};

void PrintTo(const IntCase& c, std::ostream* os) { *os << Escaped(c.text); }

class TextToIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTest, Converts) { EXPECT_EQ(TextToInt(GetParam().text), GetParam().expected); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, TextToIntTest,
    ::testing::Values(
        // Decimal, with blanks in front and a sign.
        IntCase{"12", 12}, IntCase{" 12", 12}, IntCase{"   +5", 5}, IntCase{" -7", -7},
        IntCase{"0", 0}, IntCase{"007", 7}, IntCase{"+0", 0}, IntCase{"-0", 0},
        // The whole 32-bit range, and one past either end.
        IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", INT32_MIN},
        IntCase{"2147483648", 0}, IntCase{"-2147483649", 0}, IntCase{"99999999999999999999", 0},
        // Hexadecimal prefixes.
        IntCase{"$1F", 31}, IntCase{"0x1f", 31}, IntCase{"0X1F", 31}, IntCase{"x1f", 31},
        IntCase{"X1F", 31}, IntCase{"$aBc", 0xABC}, IntCase{" $10", 16},
        // A sign in front of a hexadecimal number has no effect.
        IntCase{"-$10", 16}, IntCase{"+$10", 16}, IntCase{"-0x10", 16},
        // All 32 bits, taken as signed; a ninth significant digit fails.
        IntCase{"$FFFFFFFF", -1}, IntCase{"$80000000", INT32_MIN}, IntCase{"$7FFFFFFF", INT32_MAX},
        IntCase{"$00000000FF", 255}, IntCase{"$100000000", 0}, IntCase{"$FFFFFFFFF", 0},
        // Not a number: 0.
        IntCase{"", 0}, IntCase{"12 ", 0}, IntCase{"1.5", 0}, IntCase{"abc", 0}, IntCase{"-", 0},
        IntCase{"+", 0}, IntCase{" ", 0}, IntCase{"$", 0}, IntCase{"0x", 0}, IntCase{"$1G", 0},
        IntCase{"1 2", 0}, IntCase{"--1", 0}, IntCase{"1e3", 0}, IntCase{"\t12", 0},
        IntCase{"12\n", 0}, IntCase{"- 1", 0}, IntCase{"$-1", 0}));
// clang-format on

// --------------------------------------------------------------- TextToFloat

struct FloatCase {
    std::string text;
    double expected;
};

void PrintTo(const FloatCase& c, std::ostream* os) { *os << Escaped(c.text); }

class TextToFloatTest : public ::testing::TestWithParam<FloatCase> {};

TEST_P(TextToFloatTest, Converts) {
    EXPECT_DOUBLE_EQ(TextToFloat(GetParam().text), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, TextToFloatTest,
    ::testing::Values(
        FloatCase{"5.0", 5.0}, FloatCase{"2.5E1", 25.0}, FloatCase{"2.5e1", 25.0},
        FloatCase{".5", 0.5}, FloatCase{"1.", 1.0}, FloatCase{"  12.25", 12.25},
        FloatCase{"-3", -3.0}, FloatCase{"+3", 3.0}, FloatCase{"-.5", -0.5},
        FloatCase{"1E+2", 100.0}, FloatCase{"1e-2", 0.01}, FloatCase{"0.1", 0.1},
        FloatCase{".5e1", 5.0}, FloatCase{"1.e1", 10.0}, FloatCase{"1E308", 1e308},
        FloatCase{"00012", 12.0},
        // Not a number: 0.
        FloatCase{"", 0.0}, FloatCase{".", 0.0}, FloatCase{"-", 0.0}, FloatCase{"1,5", 0.0},
        FloatCase{"1e", 0.0}, FloatCase{"1E+", 0.0}, FloatCase{"5mm", 0.0},
        FloatCase{"5.0 ", 0.0}, FloatCase{"abc", 0.0}, FloatCase{"e5", 0.0},
        FloatCase{"1..2", 0.0}, FloatCase{"$10", 0.0}, FloatCase{"inf", 0.0},
        FloatCase{"nan", 0.0}, FloatCase{"0x10", 0.0}, FloatCase{"1 e2", 0.0},
        // Beyond the range of a double: treated as text that is no number.
        FloatCase{"1E400", 0.0}, FloatCase{"-1E400", 0.0}));
// clang-format on

TEST(TextToFloat, PointIsTheDecimalSeparatorWhateverTheLocale) {
    // A locale with a decimal comma must not change the reading.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    }
    EXPECT_DOUBLE_EQ(TextToFloat("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(TextToFloat("1,5"), 0.0);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

// -------------------------------------------------------------- DeleteBlanks

struct TextCase {
    std::string text;
    std::string expected;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << Escaped(c.text); }

class DeleteBlanksTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(DeleteBlanksTest, Removes) { EXPECT_EQ(DeleteBlanks(GetParam().text), GetParam().expected); }

const std::string kFullWidthBlank = "\x81\x40";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteBlanksTest,
    ::testing::Values(
        TextCase{"", ""}, TextCase{"abc", "abc"},
        // Only blanks of both widths: empty.
        TextCase{" " + kFullWidthBlank + "  " + kFullWidthBlank, ""},
        // Words joined across either blank.
        TextCase{"ab cd", "abcd"}, TextCase{"ab" + kFullWidthBlank + "cd", "abcd"},
        // Control bytes go, 0x7F stays.
        TextCase{"a\tb", "ab"}, TextCase{std::string("a\x00" "b", 3), "ab"},
        TextCase{"\x1F" "a\r\n", "a"}, TextCase{"a\x7F", "a\x7F"},
        // Two-byte characters are kept whole, whatever their second byte.
        TextCase{"\x95\x5C", "\x95\x5C"}, TextCase{"\x81\x20x", "\x81\x20x"},
        TextCase{"\x81\x09", "\x81\x09"},
        // Half-width katakana is one byte and stays.
        TextCase{"\xB1 \xB2", "\xB1\xB2"},
        // 0x40 after a one-byte character is no full-width blank.
        TextCase{"a\x40", "a\x40"},
        // A lone lead byte at the end is kept.
        TextCase{"a \x81", "a\x81"}, TextCase{"\x81", "\x81"}));
// clang-format on

TEST(DeleteBlanks, JapaneseNameKeepsItsCharacters) {
    EXPECT_EQ(DeleteBlanks(Sj(u8"図面　一覧 表")), Sj(u8"図面一覧表"));
}

// -------------------------------------------------------------- CleanJwwText

class CleanJwwTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CleanJwwTextTest, Cleans) { EXPECT_EQ(CleanJwwText(GetParam().text), GetParam().expected); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, CleanJwwTextTest,
    ::testing::Values(
        TextCase{"", ""}, TextCase{"abc", "abc"}, TextCase{"A^mB", "AB"},
        TextCase{"A^MB", "A^MB"}, TextCase{"^m", " "}, TextCase{"^m^m", " "},
        TextCase{"^", "^"}, TextCase{"A^", "A^"}, TextCase{"m^", "m^"},
        TextCase{"^^m", "^"}, TextCase{"^m^", "^"},
        // Control bytes go; a text of control bytes only becomes one blank.
        TextCase{"\t\r\n", " "}, TextCase{std::string("\x00", 1), " "},
        TextCase{"a\tb", "ab"}, TextCase{"a\x7F", "a\x7F"},
        // Blanks of either width stay.
        TextCase{" ", " "}, TextCase{"a b", "a b"}, TextCase{"\x81\x40", "\x81\x40"},
        // A caret that is the second byte of a two-byte character is part of
        // it, so the "m" after it stays.
        TextCase{"\x81\x5Em", "\x81\x5Em"}, TextCase{"\x81\x5E^m", "\x81\x5E"},
        // A control byte as second byte is part of the character too.
        TextCase{"\x81\x09", "\x81\x09"},
        // A lone lead byte at the end is kept.
        TextCase{"ab\x81", "ab\x81"}, TextCase{"\x81", "\x81"},
        TextCase{"^m\x81", "\x81"}));
// clang-format on

TEST(CleanJwwText, JapaneseTextWithLineBreakMarks) {
    EXPECT_EQ(CleanJwwText(Sj(u8"一階^m平面図")), Sj(u8"一階平面図"));
    // タ is 0x83 0x5E: its second byte is a caret, and the "m" after it stays.
    ASSERT_EQ(Sj(u8"タ"), "\x83\x5E");
    EXPECT_EQ(CleanJwwText(Sj(u8"タmタ^m")), Sj(u8"タmタ"));
}

// ------------------------------------------------------- StrToBuf and FillBuf

TEST(StrToBuf, CopiesTheFirstBytesAndLeavesTheRest) {
    std::array<std::uint8_t, 6> buffer{9, 9, 9, 9, 9, 9};
    StrToBuf(buffer, "abc", 2);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 6>{'a', 'b', 9, 9, 9, 9}));
}

TEST(StrToBuf, CountLargerThanTheStringCopiesTheWholeString) {
    std::array<std::uint8_t, 6> buffer{9, 9, 9, 9, 9, 9};
    StrToBuf(buffer, "abc", 5);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 6>{'a', 'b', 'c', 9, 9, 9}));
}

TEST(StrToBuf, NegativeCountCountsByItsMagnitude) {
    std::array<std::uint8_t, 4> buffer{9, 9, 9, 9};
    StrToBuf(buffer, "abc", -2);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{'a', 'b', 9, 9}));
}

TEST(StrToBuf, ZeroCountOrEmptyStringWritesNothing) {
    std::array<std::uint8_t, 2> buffer{9, 9};
    StrToBuf(buffer, "abc", 0);
    StrToBuf(buffer, "", 2);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 2>{9, 9}));
}

TEST(StrToBuf, ExactFitIsAllowed) {
    std::array<std::uint8_t, 8> buffer{};
    StrToBuf(buffer, "JwwData.", 8);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "JwwData.");
}

TEST(StrToBuf, PositionBeyondTheBufferIsARangeError) {
    std::array<std::uint8_t, 3> buffer{9, 9, 9};
    EXPECT_THROW(StrToBuf(buffer, "abcd", 4), RangeError);
    EXPECT_THROW(StrToBuf(buffer, "abcd", -4), RangeError);
    EXPECT_THROW(StrToBuf(buffer, "abcd", INT32_MIN), RangeError);
    EXPECT_THROW(StrToBuf(std::span<std::uint8_t>(), "a", 1), RangeError);
    // Nothing was written.
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 3>{9, 9, 9}));
}

TEST(FillBuf, SetsTheFirstBytes) {
    std::array<std::uint8_t, 4> buffer{9, 9, 9, 9};
    FillBuf(buffer, 0, 3);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{0, 0, 0, 9}));
    FillBuf(buffer, 7, 4);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 4>{7, 7, 7, 7}));
}

TEST(FillBuf, CountOfZeroOrBelowWritesNothing) {
    std::array<std::uint8_t, 2> buffer{9, 9};
    FillBuf(buffer, 0, 0);
    FillBuf(buffer, 0, -5);
    FillBuf(std::span<std::uint8_t>(), 0, 0);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 2>{9, 9}));
}

TEST(FillBuf, PositionBeyondTheBufferIsARangeError) {
    std::array<std::uint8_t, 3> buffer{9, 9, 9};
    EXPECT_THROW(FillBuf(buffer, 0, 4), RangeError);
    EXPECT_THROW(FillBuf(std::span<std::uint8_t>(), 0, 1), RangeError);
    EXPECT_EQ(buffer, (std::array<std::uint8_t, 3>{9, 9, 9}));
}

}  // namespace
}  // namespace drafnova
