#include "builder/paper.hpp"

#include <gtest/gtest.h>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "support/fake_printer.hpp"

namespace drafnova {
namespace {

using drafnova::testing::FakePrinter;

TEST(Paper, FixedSheets) {
    const TPaperSize expected[26] = {
        {1189, 841, 0}, {841, 1189, 8}, {841, 594, 1},   {594, 841, 0},   {594, 420, 2},
        {420, 594, 1},  {420, 297, 3},  {297, 420, 2},   {297, 210, 4},   {210, 297, 3},
        {210, 148, 4},  {148, 210, 4},  {1456, 1028, 8}, {1028, 1456, 9}, {1028, 728, 0},
        {728, 1028, 8}, {728, 514, 1},  {514, 728, 0},   {514, 364, 2},   {364, 514, 1},
        {364, 257, 3},  {257, 364, 2},  {257, 182, 4},   {182, 257, 3},   {182, 128, 4},
        {128, 182, 4},
    };
    FakePrinter printer;
    for (int i = 0; i < 26; ++i) {
        const TPaperSize paper = PaperSizeFor(i, printer);
        EXPECT_EQ(paper.Width, expected[i].Width) << "row " << i;
        EXPECT_EQ(paper.Height, expected[i].Height) << "row " << i;
        EXPECT_EQ(paper.Code, expected[i].Code) << "row " << i;
        // The fixed rows agree with the height rule too.
        EXPECT_EQ(PaperCodeForHeight(paper.Height), paper.Code) << "row " << i;
    }
    EXPECT_EQ(printer.Calls, 0) << "a fixed sheet asked the printer";
    EXPECT_THROW(PaperSizeFor(-1, printer), RangeError);
    EXPECT_THROW(PaperSizeFor(kPaperEntryCount, printer), RangeError);
}

TEST(Paper, CodeForHeightTakesTheSmallerSheetOnALimit) {
    const std::pair<double, std::int32_t> cases[] = {
        {0, 4},        {210, 4},    {210.001, 3},  {297, 3},  {297.1, 2}, {420, 2},   {594, 1},
        {594.5, 0},    {841, 0},    {1189, 8},     {1682, 9}, {2378, 10}, {3364, 11}, {7073, 12},
        {7073.01, 13}, {35366, 13}, {35366.1, 14}, {1e9, 14}, {-5, 4},
    };
    for (const auto& [height, code] : cases) {
        EXPECT_EQ(PaperCodeForHeight(height), code) << height;
    }
}

TEST(Paper, PrinterPhysicalSizeIsRoundedAgainToTenths) {
    FakePrinter printer;
    printer.DpiX = 600;
    printer.DpiY = 600;
    printer.PhysicalWidth = 4961;   // 210.02 mm
    printer.PhysicalHeight = 7016;  // 297.01 mm
    const TPaperSize paper = PaperSizeFor(kPaperPrinterPhysical, printer);
    EXPECT_DOUBLE_EQ(paper.Width, 210.0);
    EXPECT_DOUBLE_EQ(paper.Height, 297.0);
    EXPECT_EQ(paper.Code, 3);

    // At 254 pixels per inch a pixel is 0.1 mm: 297.1 mm is the next sheet.
    printer.DpiY = 254;
    printer.PhysicalHeight = 2971;
    EXPECT_DOUBLE_EQ(PaperSizeFor(kPaperPrinterPhysical, printer).Height, 297.1);
    EXPECT_EQ(PaperSizeFor(kPaperPrinterPhysical, printer).Code, 2);

    // 210.05 mm rounds half up.
    printer.DpiX = 2540;
    printer.PhysicalWidth = 21005;  // 210.05 mm
    EXPECT_DOUBLE_EQ(PaperSizeFor(kPaperPrinterPhysical, printer).Width, 210.1);
}

TEST(Paper, PrintableAreaInWholeMillimetresAndCodeByHeightOnly) {
    FakePrinter printer;
    printer.PrintableWidth = 1000;
    printer.PrintableHeight = 200;
    TPaperSize paper = PaperSizeFor(kPaperPrinterPrintable, printer);
    EXPECT_EQ(paper.Width, 1000.0);
    EXPECT_EQ(paper.Height, 200.0);
    EXPECT_EQ(paper.Code, 4);

    printer.PrintableWidth = 0;  // used as it comes
    printer.PrintableHeight = 0;
    paper = PaperSizeFor(kPaperPrinterPrintable, printer);
    EXPECT_EQ(paper.Width, 0.0);
    EXPECT_EQ(paper.Code, 4);
}

TEST(Paper, PrinterErrorPassesThrough) {
    FakePrinter printer;
    printer.DpiX = 0;
    EXPECT_THROW(PaperSizeFor(kPaperPrinterPhysical, printer), PrinterError);
    EXPECT_NO_THROW(PaperSizeFor(kPaperPrinterPrintable, printer));
}

struct Segment {
    double x1, y1, x2, y2;
};

void ExpectLine(const TEntSen& line, const Segment& s, int index) {
    EXPECT_DOUBLE_EQ(line.StartX, s.x1) << "line " << index;
    EXPECT_DOUBLE_EQ(line.StartY, s.y1) << "line " << index;
    EXPECT_DOUBLE_EQ(line.EndX, s.x2) << "line " << index;
    EXPECT_DOUBLE_EQ(line.EndY, s.y2) << "line " << index;
}

TEST(Frames, A4LandscapeWithOutline) {
    TDrawing drawing;
    drawing.Entities.Arcs.resize(1);  // other lists stay as they are
    drawing.Entities.ArcCount = 1;
    const TLineStyle frame{2, 0, 3, 4};
    const TLineStyle outline{8, 8, 15, 15};
    AddFrameLines(drawing, 297, 210, frame, outline, 10, 5);

    ASSERT_EQ(drawing.Header.EntityCount, 8);
    ASSERT_EQ(drawing.EntityOrder.size(), 8u);
    ASSERT_EQ(drawing.Entities.LineCount, 8);
    ASSERT_EQ(drawing.Entities.Lines.size(), 8u);
    EXPECT_EQ(drawing.Entities.ArcCount, 1);
    EXPECT_EQ(drawing.Entities.Arcs.size(), 1u);

    const Segment expected[8] = {
        {-148.5, 105, 148.5, 105},   {148.5, 105, 148.5, -105},   {148.5, -105, -148.5, -105},
        {-148.5, -105, -148.5, 105}, {-138.5, 100, 138.5, 100},   {138.5, 100, 138.5, -100},
        {138.5, -100, -138.5, -100}, {-138.5, -100, -138.5, 100},
    };
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(drawing.EntityOrder[i].Kind, kKindLine);
        EXPECT_EQ(drawing.EntityOrder[i].Index, i);
        ExpectLine(drawing.Entities.Lines[i], expected[i], i);
        const TEntAttr& attr = drawing.Entities.Lines[i].Attr;
        const TLineStyle& style = i < 4 ? frame : outline;
        EXPECT_EQ(attr.Group, 0);
        EXPECT_EQ(attr.LineType, style.LineType + 1);
        EXPECT_EQ(attr.Color, style.Color + 1);
        EXPECT_EQ(attr.Width, 0);
        EXPECT_EQ(attr.Layer, style.Layer);
        EXPECT_EQ(attr.LayerGroup, style.Group);
        EXPECT_EQ(attr.Flags, 0);
    }
}

TEST(Frames, OutlineOnlyWhenBothGapsArePositive) {
    const std::pair<double, double> gaps[] = {{10, 0}, {0, 5}, {0, 0}, {-1, 5}, {10, -0.5}};
    for (const auto& [gx, gy] : gaps) {
        TDrawing drawing;
        drawing.Entities.Lines.resize(12);  // a longer list from before is replaced
        AddFrameLines(drawing, 297, 210, {}, {}, gx, gy);
        EXPECT_EQ(drawing.Header.EntityCount, 4) << gx << "/" << gy;
        EXPECT_EQ(drawing.EntityOrder.size(), 4u);
        EXPECT_EQ(drawing.Entities.LineCount, 4);
        EXPECT_EQ(drawing.Entities.Lines.size(), 4u);
        ExpectLine(drawing.Entities.Lines[3], {-148.5, -105, -148.5, 105}, 3);
    }
}

TEST(Frames, OverLargeGapsAreStillDrawn) {
    TDrawing drawing;
    AddFrameLines(drawing, 297, 210, {}, {}, 200, 150);
    ASSERT_EQ(drawing.Entities.LineCount, 8);
    ExpectLine(drawing.Entities.Lines[4], {51.5, -45, -51.5, -45}, 4);
    ExpectLine(drawing.Entities.Lines[5], {-51.5, -45, -51.5, 45}, 5);
}

}  // namespace
}  // namespace drafnova
