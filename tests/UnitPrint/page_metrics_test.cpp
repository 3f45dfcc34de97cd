#include "UnitPrint/page_metrics.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"

namespace drafnova {
namespace {

struct PageCase {
    const char* name;
    TPrinterPage page;
    TPageMetrics expected;
};

// Lengths in hundredths of a millimetre; {width, length, left, right, top,
// bottom, dpi across, dpi along, landscape}.
const PageCase kPageCases[] = {
    // A4 as CUPS describes a PostScript A4 of 595 x 842 points, no margins, at
    // 300 dpi: 2479 x 3508 pixels, 209 x 297 mm.
    {"PostScriptA4", {20990, 29704, 0, 0, 0, 0, 300, 300, false}, {209, 297, 300, 300, 2479, 3508}},
    // Exactly 210 mm is 2480.3 pixels at 300 dpi: 2480 whole pixels are 209.97
    // mm, so the printable width is 209, as the device reports it.
    {"WholePixelsFirst",
     {21000, 29700, 0, 0, 0, 0, 300, 300, false},
     {209, 296, 300, 300, 2480, 3507}},
    // Margins of 1/4 inch at the sides and 1/2 inch top and bottom, 600 x 300 dpi.
    {"MarginsAndTwoResolutions",
     {20990, 29704, 635, 635, 1270, 1270, 600, 300, false},
     {197, 271, 600, 300, 4958, 3508}},
    // The same page turned: widths and heights change places, and so do the
    // resolutions across and along.
    {"LandscapeTurnsEverything",
     {20990, 29704, 635, 635, 1270, 1270, 600, 300, true},
     {271, 197, 300, 600, 3508, 4958}},
    // A landscape sheet fed as it is needs no turn.
    {"LandscapeSheet",
     {29704, 20990, 1270, 1270, 635, 635, 300, 300, false},
     {271, 197, 300, 300, 3508, 2479}},
    // One inch is exactly 100 pixels at 100 dpi and 25.4 mm; a hundredth less
    // is 99 pixels.
    {"ExactInch", {2540, 2539, 0, 0, 0, 0, 100, 100, false}, {25, 25, 100, 100, 100, 99}},
    // No resolution: no pixels, and the printable area straight in millimetres.
    {"NoResolution", {21000, 29700, 635, 635, 1270, 1270, 0, 0, false}, {197, 271, 0, 0, 0, 0}},
    // Margins wider than the sheet leave nothing to print on, not a negative.
    {"MarginsWiderThanSheet",
     {1000, 1000, 600, 600, 0, 2000, 300, 300, false},
     {0, 0, 300, 300, 118, 118}},
    {"ZeroSheet", {0, 0, 0, 0, 0, 0, 600, 600, false}, {0, 0, 600, 600, 0, 0}},
};

void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }

class PageMetricsTest : public testing::TestWithParam<PageCase> {};

TEST_P(PageMetricsTest, GivesDeviceFigures) {
    const TPageMetrics got = PageMetricsFor(GetParam().page);
    const TPageMetrics& want = GetParam().expected;
    EXPECT_EQ(got.PrintableWidthMM, want.PrintableWidthMM);
    EXPECT_EQ(got.PrintableHeightMM, want.PrintableHeightMM);
    EXPECT_EQ(got.DpiX, want.DpiX);
    EXPECT_EQ(got.DpiY, want.DpiY);
    EXPECT_EQ(got.PhysicalWidthDots, want.PhysicalWidthDots);
    EXPECT_EQ(got.PhysicalHeightDots, want.PhysicalHeightDots);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageMetricsTest, testing::ValuesIn(kPageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageMetrics, UnusablePagesRaiseThePrinterError) {
    const TPrinterPage unusable[] = {
        {-1, 29700, 0, 0, 0, 0, 300, 300, false},         // negative sheet
        {21000, 29700, 0, -5, 0, 0, 300, 300, false},     // negative margin
        {21000, 29700, 0, 0, 0, 0, 300, -300, false},     // negative resolution
        {INT_MAX, 29700, 0, 0, 0, 0, 9600, 9600, false},  // pixels beyond an int
        {21000, INT_MAX, 0, 0, 0, 0, 9600, 9600, true},   // also when turned
    };
    for (const TPrinterPage& page : unusable) {
        try {
            PageMetricsFor(page);
            ADD_FAILURE() << "no error for sheet " << page.SheetWidth << " x " << page.SheetLength;
        } catch (const PrinterError& error) {
            EXPECT_EQ(std::string(error.what()), Sj(u8"選択したプリンタは有効ではありません"));
        }
    }
}

TEST(PageMetrics, HugeSheetWithoutResolutionStillFits) {
    const TPageMetrics got = PageMetricsFor({INT_MAX, INT_MAX, 0, 0, 0, 0, 0, 0, false});
    EXPECT_EQ(got.PrintableWidthMM, INT_MAX / 100);
    EXPECT_EQ(got.PhysicalWidthDots, 0);
}

TEST(ResolutionText, ReadsPrintOptionForms) {
    const struct {
        const char* text;
        int x;
        int y;
    } good[] = {
        {"600dpi", 600, 600},     {"600x300dpi", 600, 300}, {"118dpcm", 300, 300},
        {"118x236dpc", 300, 599}, {"0dpi", 0, 0},
    };
    for (const auto& c : good) {
        int x = -1;
        int y = -1;
        EXPECT_TRUE(ParseResolutionText(c.text, x, y)) << c.text;
        EXPECT_EQ(x, c.x) << c.text;
        EXPECT_EQ(y, c.y) << c.text;
    }
    const char* const bad[] = {"",
                               "dpi",
                               "600",
                               "600 dpi",
                               "-600dpi",
                               " 600dpi",
                               "600x",
                               "600xdpi",
                               "x300dpi",
                               "600dpix",
                               "600DPI",
                               "600x300x2dpi",
                               "99999999999dpi",
                               "999999999dpcm"};
    for (const char* text : bad) {
        int x = 7;
        int y = 8;
        EXPECT_FALSE(ParseResolutionText(text, x, y)) << text;
        EXPECT_EQ(x, 7) << text;
        EXPECT_EQ(y, 8) << text;
    }
}

TEST(ResolutionText, DotsPerCentimetreRoundToNearestInch) {
    EXPECT_EQ(DpiFromDotsPerCm(118), 300);  // 299.72
    EXPECT_EQ(DpiFromDotsPerCm(236), 599);  // 599.44
    EXPECT_EQ(DpiFromDotsPerCm(0), 0);
    EXPECT_EQ(DpiFromDotsPerCm(INT_MAX), std::nullopt);
}

}  // namespace
}  // namespace drafnova
