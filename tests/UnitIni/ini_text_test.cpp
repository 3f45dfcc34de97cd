#include "UnitIni/ini_text.hpp"

#include <gtest/gtest.h>

#include <string>

#include "Func_/cp932.hpp"

namespace drafnova {
namespace {

using namespace std::string_literals;

// A file written by hand: comments, blank lines, names in other letter cases
// and with blanks around them, quotes, LF-only and CR LF lines, a repeated
// key and section, and a last line without a line end.
const std::string kHandWritten =
    "; settings\r\n"
    "[Form]\r\n"
    "F1_X=192\r\n"
    ";F1_Y=7\r\n"
    "\r\n"
    "  [ sets ]  ; comment after the header\n"
    "  newf = \"  quoted  \" \n"
    "Empty=\n"
    "Blank=   \t\n"
    "QuotedEmpty=\"\"\n"
    "single='x'\n"
    "mixed=\"x'\n"
    "lone=\"\n"
    "eq=a=b\n"
    "tab\t=\tv\t\n"
    "nul=ab\0cd\n"s
    "Dup=first\n"
    "dup=second\n"
    "[Sets]\n"
    "Later=1\n"
    "[Other]\r\n"
    "F1_X=999";

TEST(IniReadText, FollowsTheProfileRules) {
    const struct {
        const char* section;
        const char* key;
        bool found;
        std::string value;
    } cases[] = {
        {"Form", "F1_X", true, "192"},
        {"FORM", "f1_x", true, "192"},
        {"Form", "F1_Y", false, ""},  // only in a comment
        {"Sets", "NEWF", true, "  quoted  "},
        {"Sets", "Empty", false, ""},
        {"Sets", "Blank", false, ""},
        {"Sets", "QuotedEmpty", false, ""},
        {"Sets", "single", true, "x"},
        {"Sets", "mixed", true, "\"x'"},  // quotes that do not pair stay
        {"Sets", "lone", true, "\""},
        {"Sets", "eq", true, "a=b"},  // the first "=" ends the key
        {"Sets", "TAB", true, "v"},
        {"Sets", "nul", true, "ab"},     // a NUL byte ends the value
        {"Sets", "dup", true, "first"},  // the first line of a key counts
        {"Sets", "Later", false, ""},    // and the first section of a name
        {"Other", "F1_X", true, "999"},  // last line without a line end
        {"Form", "Missing", false, ""},
        {"Missing", "F1_X", false, ""},
        {"Form", "F1", false, ""},  // whole names only
    };
    for (const auto& c : cases) {
        std::string value = "old";
        EXPECT_EQ(IniReadText(kHandWritten, c.section, c.key, value, 255), c.found)
            << c.section << "/" << c.key;
        EXPECT_EQ(value, c.value) << c.section << "/" << c.key;
    }
}

TEST(IniReadText, BufferSizeCutsOnBytes) {
    const std::string text = "[S]\r\nk=" + Sj(u8"新規図面") + "\r\n";  // 8 bytes
    const struct {
        std::size_t bufferSize;
        std::size_t length;
    } cases[] = {{0, 0}, {1, 0}, {2, 1}, {4, 3}, {8, 7}, {9, 8}, {100, 8}};
    for (const auto& c : cases) {
        std::string value;
        EXPECT_EQ(IniReadText(text, "S", "k", value, c.bufferSize), c.length > 0);
        EXPECT_EQ(value, Sj(u8"新規図面").substr(0, c.length)) << c.bufferSize;
    }
}

TEST(IniReadText, TwoByteCharactersInNames) {
    // 0x83 0x5D is a character whose second byte is "]"; 0x82 0x61 and
    // 0x82 0x41 differ only by the case of their second byte.
    const std::string text = "[\x83\x5D]\r\n\x82\x61=v\r\n";
    std::string value;
    EXPECT_TRUE(IniReadText(text, "\x83\x5D", "\x82\x61", value, 22));
    EXPECT_EQ(value, "v");
    EXPECT_FALSE(IniReadText(text, "\x83\x5D", "\x82\x41", value, 22));
}

TEST(IniReadText, HeaderWithoutBracketOpensNoSection) {
    const std::string text = "[Sets]\nA=1\n[Form\nB=2\n";
    std::string value;
    EXPECT_TRUE(IniReadText(text, "Sets", "B", value, 22));
    EXPECT_EQ(value, "2");
    EXPECT_FALSE(IniReadText(text, "Form", "B", value, 22));
}

TEST(IniWriteText, EditsTheText) {
    const std::string base =
        "; c\r\n"
        "[Form]\r\n"
        "  f1_x = 5 \r\n"
        "F1_Y=1\r\n"
        "\r\n"
        "[Sets]\n"
        "A=1\n"
        "[Sets]\n"
        "B=1\n";
    const struct {
        const char* name;
        std::string text;
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    } cases[] = {
        {"empty text", "", "Form", "F1_X", "192", "[Form]\r\nF1_X=192\r\n"},
        {"key replaced in place", base, "FORM", "F1_X", "192",
         "; c\r\n[Form]\r\nF1_X=192\r\nF1_Y=1\r\n\r\n[Sets]\nA=1\n[Sets]\nB=1\n"},
        {"replaced line keeps its LF", base, "Sets", "a", "",
         "; c\r\n[Form]\r\n  f1_x = 5 \r\nF1_Y=1\r\n\r\n[Sets]\na=\n[Sets]\nB=1\n"},
        {"new key after the last non-blank line", base, "Form", "NEW", "x",
         "; c\r\n[Form]\r\n  f1_x = 5 \r\nF1_Y=1\r\nNEW=x\r\n\r\n[Sets]\nA=1\n[Sets]\nB=1\n"},
        {"new key in the first section of a name", base, "Sets", "B", "2",
         "; c\r\n[Form]\r\n  f1_x = 5 \r\nF1_Y=1\r\n\r\n[Sets]\nA=1\nB=2\r\n[Sets]\nB=1\n"},
        {"new section at the end", base, "New", "k", "v", base + "[New]\r\nk=v\r\n"},
        {"empty section", "[Sets]\r\n\r\n[Form]\r\n", "Sets", "A", "1",
         "[Sets]\r\nA=1\r\n\r\n[Form]\r\n"},
        {"last line without a line end", "[Sets]\nA=1", "Sets", "B", "2", "[Sets]\nA=1\r\nB=2\r\n"},
        {"replaced last line stays without one", "[Sets]\nA=1", "Sets", "A", "2", "[Sets]\nA=2"},
        {"new section after a line without a line end", "[Form]\r\nX=1", "Sets", "A", "1",
         "[Form]\r\nX=1\r\n[Sets]\r\nA=1\r\n"},
        {"header without bracket is no section", "[Sets\r\n", "Sets", "A", "1",
         "[Sets\r\n[Sets]\r\nA=1\r\n"},
        {"value written exactly", "", "S", "k", " \"[a]=b\" ", "[S]\r\nk= \"[a]=b\" \r\n"},
        {"two-byte section name", "[\x83\x5D]\r\nk=1\r\n", "\x83\x5D", "k", "2",
         "[\x83\x5D]\r\nk=2\r\n"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_TRUE(IniWriteText(text, c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(text, c.expected) << c.name;
    }
}

TEST(IniWriteText, RefusesWhatCouldNotBeReadBack) {
    const struct {
        std::string section;
        std::string key;
        std::string value;
    } cases[] = {
        {"a]b", "k", "v"},  {" Sets", "k", "v"}, {"Sets\t", "k", "v"}, {"S\nT", "k", "v"},
        {"\x83", "k", "v"}, {"S", "", "v"},      {"S", "[k", "v"},     {"S", "k=x", "v"},
        {"S", " k", "v"},   {"S", "k\r", "v"},   {"S", "k\0"s, "v"},   {"S", "k", "a\r\nF1_X=5"},
        {"S", "k", "a\nb"}, {"S", "k", "a\0b"s},
    };
    const std::string original = "[S]\r\nk=old\r\n";
    for (const auto& c : cases) {
        std::string text = original;
        EXPECT_FALSE(IniWriteText(text, c.section, c.key, c.value)) << c.section << "/" << c.key;
        EXPECT_EQ(text, original);
    }
}

TEST(IniWriteText, WrittenValuesReadBackUnderTheReadingRules) {
    std::string text;
    ASSERT_TRUE(IniWriteText(text, "Sets", "A", "  padded  "));
    ASSERT_TRUE(IniWriteText(text, "Sets", "B", "'quoted'"));
    ASSERT_TRUE(IniWriteText(text, "Sets", "C", "old"));
    ASSERT_TRUE(IniWriteText(text, "sets", "c", Sj(u8"表示")));  // 0x95 0x5C: "\" as second byte
    EXPECT_EQ(text, "[Sets]\r\nA=  padded  \r\nB='quoted'\r\nc=" + Sj(u8"表示") + "\r\n");
    const struct {
        const char* key;
        std::string value;
    } cases[] = {{"a", "padded"}, {"B", "quoted"}, {"C", Sj(u8"表示")}};
    for (const auto& c : cases) {
        std::string value;
        EXPECT_TRUE(IniReadText(text, "SETS", c.key, value, 22));
        EXPECT_EQ(value, c.value);
    }
}

}  // namespace
}  // namespace drafnova
