#include "Func_/error_report.hpp"

#include <gtest/gtest.h>

#include <string>

#include "Func_/cp932.hpp"

namespace drafnova {
namespace {

TEST(ErrorReportText, PointIsAppendedOnlyAfterCharactersThatSortAfterIt) {
    struct Case {
        std::string message;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"Disk full", "Disk full."},
        {"Disk full.", "Disk full."},
        {"code 5", "code 5."},
        {"a/", "a/."},             // "/" follows "."
        {"a-", "a-"},              // "-" comes before it
        {"(closed)", "(closed)"},  // ")"
        {"stop!", "stop!"},        // "!"
        {"end ", "end "},          // a blank
        {Sj(u8"デフォルト プリンタが存在しません"), Sj(u8"デフォルト プリンタが存在しません.")},
        {Sj(u8"存在しません。"), Sj(u8"存在しません。.")},  // a full-width stop is no "."
        {Sj(u8"表"), Sj(u8"表.")},                          // second byte 0x5C, still above "."
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorReportText(c.message), c.expected) << Cp932ToUtf8(c.message);
    }
}

}  // namespace
}  // namespace drafnova
