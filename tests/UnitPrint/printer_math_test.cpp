#include <gtest/gtest.h>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "UnitPrint/printer.hpp"
#include "support/fake_printer.hpp"

namespace drafnova {
namespace {

using drafnova::testing::FakePrinter;

TEST(PrinterMath, PhysicalSizeRoundsHalfUpToHundredths) {
    struct Case {
        int dots;
        int dpi;
        double mm;
    };
    const Case cases[] = {
        {4961, 600, 210.02},  // 21001.57 hundredths
        {7016, 600, 297.01},  // 29700.93 hundredths
        {7, 40, 4.45},        // exactly 444.5 hundredths: rounds up
        {1, 5080, 0.01},      // exactly 0.5 hundredths: rounds up
        {2479, 300, 209.89},  // 20988.87 hundredths
        {0, 600, 0.0},
    };
    for (const Case& c : cases) {
        FakePrinter printer;
        printer.PhysicalWidth = c.dots;
        printer.DpiX = c.dpi;
        printer.PhysicalHeight = c.dots;
        printer.DpiY = c.dpi;
        EXPECT_DOUBLE_EQ(PhysicalWidthMM(printer), c.mm) << c.dots << " at " << c.dpi;
        EXPECT_DOUBLE_EQ(PhysicalHeightMM(printer), c.mm) << c.dots << " at " << c.dpi;
    }
}

TEST(PrinterMath, EachDirectionUsesItsOwnResolution) {
    FakePrinter printer;
    printer.PhysicalWidth = 600;
    printer.DpiX = 300;  // 2 inches
    printer.PhysicalHeight = 600;
    printer.DpiY = 600;  // 1 inch
    EXPECT_DOUBLE_EQ(PhysicalWidthMM(printer), 50.8);
    EXPECT_DOUBLE_EQ(PhysicalHeightMM(printer), 25.4);
}

TEST(PrinterMath, ZeroResolutionIsAnInvalidPrinter) {
    FakePrinter printer;
    printer.PhysicalWidth = 4961;
    printer.PhysicalHeight = 7016;
    printer.DpiX = 0;
    try {
        PhysicalWidthMM(printer);
        FAIL() << "no error for 0 pixels per inch";
    } catch (const PrinterError& error) {
        EXPECT_EQ(std::string(error.what()), Sj(u8"選択したプリンタは有効ではありません"));
    }
    EXPECT_DOUBLE_EQ(PhysicalHeightMM(printer), 297.01);
    printer.DpiY = 0;
    EXPECT_THROW(PhysicalHeightMM(printer), PrinterError);
}

}  // namespace
}  // namespace drafnova
