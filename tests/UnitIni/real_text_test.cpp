#include "UnitIni/real_text.hpp"

#include <gtest/gtest.h>

#include <limits>

namespace drafnova {
namespace {

TEST(RealToText, GeneralFormat) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {5.0, "5"},
        {2.5, "2.5"},
        {2.50, "2.5"},
        {10000.0, "10000"},
        {100.01, "100.01"},
        {0.1 + 0.2, "0.3"},  // rounded to 15 digits
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {12345.678, "12345.678"},
        {0.0001, "0.0001"},  // the smallest value without an exponent
        {0.00015, "0.00015"},
        {0.00005, "5E-5"},
        {0.000015, "1.5E-5"},
        {9.9999999999999999e-5, "0.0001"},  // rounds up across the limit
        {1e-300, "1E-300"},
        {999999999999999.0, "999999999999999"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {9.999999999999999e14, "1E15"},  // rounds up across the limit
        {1.5e15, "1.5E15"},
        {123456789012345678.0, "1.23456789012346E17"},
        {1e300, "1E300"},
        {-2.5, "-2.5"},
        {-5.0, "-5"},
        {-0.00005, "-5E-5"},
        {-123456789012345678.0, "-1.23456789012346E17"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RealToText(c.value), c.text) << c.text;
    }
}

TEST(RealToText, NonNumbers) {
    EXPECT_EQ(RealToText(std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(RealToText(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(RealToText(-std::numeric_limits<double>::infinity()), "-INF");
}

}  // namespace
}  // namespace drafnova
