#pragma once
// Paper sizes, paper codes and the frame and outline lines of a new drawing.

#include <cstdint>

#include "UnitPrint/printer.hpp"
#include "jwtype/drawing.hpp"

namespace drafnova {

inline constexpr int kPaperEntryCount = 28;
inline constexpr int kPaperPrinterPhysical = 26;
inline constexpr int kPaperPrinterPrintable = 27;

struct TPaperSize {
    double Width = 0;   // millimetres
    double Height = 0;  // millimetres
    std::int32_t Code = 0;
};

// The paper code for a sheet height in millimetres.
std::int32_t PaperCodeForHeight(double height);

// Width, height and code of a paper list entry; entries 26 and 27 ask the
// printer (and let its PrinterError pass).
TPaperSize PaperSizeFor(int paperIndex, TPrinterMetrics& printer);

// The list indexes of one rectangle's line attributes.
struct TLineStyle {
    int Color = 0;     // 0..8: colours 1..9
    int LineType = 0;  // 0..8: line types 1..9
    int Group = 0;     // 0..15
    int Layer = 0;     // 0..15
};

// Puts the 4 frame lines, and the 4 outline lines when both gaps are greater
// than 0, into the drawing's entity lists.
void AddFrameLines(TDrawing& drawing, double paperWidth, double paperHeight,
                   const TLineStyle& frame, const TLineStyle& outline, double gapX, double gapY);

}  // namespace drafnova
