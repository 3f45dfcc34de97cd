#pragma once
// Device figures of a printer page worked out from the page's description in
// physical units: the sheet, its unprintable margins and the resolution. Print
// systems that describe pages this way (CUPS and IPP printers) do not report
// device pixels; these routines give the figures a raster device of that
// resolution reports for the same page.

#include <optional>
#include <string_view>

namespace drafnova {

// A page as the print system describes it. Lengths are in hundredths of a
// millimetre and resolutions in pixels per inch, both as the media is fed: X
// across the sheet, Y along it. Landscape turns the page a quarter, so that
// the length of the sheet becomes the width of the page.
struct TPrinterPage {
    int SheetWidth = 0;
    int SheetLength = 0;
    int MarginLeft = 0;
    int MarginRight = 0;
    int MarginTop = 0;
    int MarginBottom = 0;
    int ResolutionX = 0;  // 0 when the printer does not say
    int ResolutionY = 0;
    bool Landscape = false;
};

// The six figures of TPrinterMetrics for one page, width across the page as
// it is printed (after the turn for landscape).
struct TPageMetrics {
    int PrintableWidthMM = 0;
    int PrintableHeightMM = 0;
    int DpiX = 0;
    int DpiY = 0;
    int PhysicalWidthDots = 0;
    int PhysicalHeightDots = 0;
};

// Whole device pixels are what a raster device can address, so each length is
// first cut down to whole pixels (sheet and printable area alike), and the
// printable area in pixels is then cut down to whole millimetres. The printable
// area is the sheet less the margins, never below 0. A page without a
// resolution has no pixels: its pixel figures are 0 and the printable area is
// its length cut down to whole millimetres. Negative lengths or resolutions,
// and figures that do not fit an int, raise PrinterError "選択したプリンタは
// 有効ではありません".
TPageMetrics PageMetricsFor(const TPrinterPage& page);

// Pixels per centimetre as pixels per inch, rounded to the nearest; nothing
// when the result does not fit an int.
std::optional<int> DpiFromDotsPerCm(int perCm);

// Reads a resolution as print options write it: "600dpi", "600x300dpi",
// "118dpcm" or "118dpc" (pixels per centimetre, given in pixels per inch
// rounded to the nearest). False, with the outputs untouched, for anything else.
bool ParseResolutionText(std::string_view text, int& dpiX, int& dpiY);

}  // namespace drafnova
