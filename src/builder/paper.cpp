#include "builder/paper.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "Func_/error.hpp"

namespace drafnova {
namespace {

// Sheet heights, smallest first, and the code of each; heights above the last
// limit take kLargestCode.
struct TCodeLimit {
    double Height;
    std::int32_t Code;
};
constexpr std::array<TCodeLimit, 11> kCodeLimits{{
    {210, 4},
    {297, 3},
    {420, 2},
    {594, 1},
    {841, 0},
    {1189, 8},
    {1682, 9},
    {2378, 10},
    {3364, 11},
    {7073, 12},
    {35366, 13},
}};
constexpr std::int32_t kLargestCode = 14;

// The fixed sheets of the paper list, entries 0 to 25. Entries 0 to 11 carry
// their code; from 12 on the code follows from the height.
constexpr std::array<TPaperSize, 26> kSheets{{
    {1189, 841, 0},   // A0横
    {841, 1189, 8},   // A0縦
    {841, 594, 1},    // A1横
    {594, 841, 0},    // A1縦
    {594, 420, 2},    // A2横
    {420, 594, 1},    // A2縦
    {420, 297, 3},    // A3横
    {297, 420, 2},    // A3縦
    {297, 210, 4},    // A4横
    {210, 297, 3},    // A4縦
    {210, 148, 4},    // A5横: no sheet of its own, A4's code
    {148, 210, 4},    // A5縦
    {1456, 1028, 0},  // B0横
    {1028, 1456, 0},  // B0縦
    {1028, 728, 0},   // B1横
    {728, 1028, 0},   // B1縦
    {728, 514, 0},    // B2横
    {514, 728, 0},    // B2縦
    {514, 364, 0},    // B3横
    {364, 514, 0},    // B3縦
    {364, 257, 0},    // B4横
    {257, 364, 0},    // B4縦
    {257, 182, 0},    // B5横
    {182, 257, 0},    // B5縦
    {182, 128, 0},    // B6横
    {128, 182, 0},    // B6縦
}};

constexpr int kFirstCodeByHeight = 12;

// A value rounded half up to 0.1 mm.
double RoundToTenth(double value) { return std::trunc(value * 10 + 0.5) / 10; }

TEntAttr AttrFor(const TLineStyle& style) {
    TEntAttr attr;
    attr.Group = 0;
    attr.LineType = static_cast<std::uint8_t>(style.LineType + 1);
    attr.Color = static_cast<std::uint16_t>(style.Color + 1);
    attr.Width = 0;
    attr.Layer = static_cast<std::uint16_t>(style.Layer);
    attr.LayerGroup = static_cast<std::uint16_t>(style.Group);
    attr.Flags = 0;
    return attr;
}

// The four edges of the rectangle from (left, top) to (right, bottom),
// clockwise from the top-left corner.
void SetRectangle(TEntSen* lines, const TEntAttr& attr, double left, double top, double right,
                  double bottom) {
    struct TCorner {
        double X;
        double Y;
    };
    const std::array<TCorner, 5> corners = {
        {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}}};
    for (std::size_t i = 0; i < 4; ++i) {
        lines[i].Attr = attr;
        lines[i].StartX = corners[i].X;
        lines[i].StartY = corners[i].Y;
        lines[i].EndX = corners[i + 1].X;
        lines[i].EndY = corners[i + 1].Y;
    }
}

}  // namespace

std::int32_t PaperCodeForHeight(double height) {
    const auto limit = std::find_if(kCodeLimits.begin(), kCodeLimits.end(),
                                    [height](const TCodeLimit& l) { return height <= l.Height; });
    return limit != kCodeLimits.end() ? limit->Code : kLargestCode;
}

TPaperSize PaperSizeFor(int paperIndex, TPrinterMetrics& printer) {
    TPaperSize paper;
    if (paperIndex >= 0 && paperIndex < static_cast<int>(kSheets.size())) {
        paper = kSheets[static_cast<std::size_t>(paperIndex)];
    } else if (paperIndex == kPaperPrinterPhysical) {
        paper.Width = RoundToTenth(PhysicalWidthMM(printer));
        paper.Height = RoundToTenth(PhysicalHeightMM(printer));
    } else if (paperIndex == kPaperPrinterPrintable) {
        paper.Width = printer.PrintableWidthMM();
        paper.Height = printer.PrintableHeightMM();
    } else {
        throw RangeError("paper index " + std::to_string(paperIndex) + " outside the paper list");
    }
    if (paperIndex >= kFirstCodeByHeight) {
        paper.Code = PaperCodeForHeight(paper.Height);
    }
    return paper;
}

void AddFrameLines(TDrawing& drawing, double paperWidth, double paperHeight,
                   const TLineStyle& frame, const TLineStyle& outline, double gapX, double gapY) {
    const int count = (gapX > 0 && gapY > 0) ? 8 : 4;
    TEntityLists& lists = drawing.Entities;

    drawing.Header.EntityCount = count;
    drawing.EntityOrder.assign(static_cast<std::size_t>(count), TEntIndex{});
    for (int i = 0; i < count; ++i) {
        drawing.EntityOrder[static_cast<std::size_t>(i)] = {kKindLine, i};
    }
    lists.LineCount = count;
    lists.Lines.assign(static_cast<std::size_t>(count), TEntSen{});

    const double halfW = paperWidth / 2;
    const double halfH = paperHeight / 2;
    SetRectangle(lists.Lines.data(), AttrFor(frame), -halfW, halfH, halfW, -halfH);
    if (count == 8) {
        // Gaps are used as given: one larger than half the paper makes the
        // outline cross over itself, and it is still drawn.
        SetRectangle(lists.Lines.data() + 4, AttrFor(outline), -halfW + gapX, halfH - gapY,
                     halfW - gapX, -halfH + gapY);
    }
}

}  // namespace drafnova
