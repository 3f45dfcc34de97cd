#pragma once
// The printer of the Linux build: a destination of the CUPS print system.
//
// The printer is the destination named when the object is made, or the
// user's default destination (the PRINTER or LPDEST variable, the user's and
// the system's lpoptions, then the default of the print server). Every query
// asks the print server anew, so a change of the default destination or of a
// destination's defaults is seen by the next query.
//
// The page is the destination's default media (the user's "media" or
// "PageSize" option first, then the printer's default media), with the
// media's margins as the unprintable border; the resolution is the user's
// "printer-resolution" or "Resolution" option, then the printer's default
// resolution; landscape is the user's "orientation-requested" or "landscape"
// option, then the printer's default orientation (4 or 5 turn the page).
// The figures then follow PageMetricsFor.
//
// No destination raises PrinterError "デフォルト プリンタが存在しません" when
// none was named, "選択したプリンタは有効ではありません" when a name was given;
// a destination whose page cannot be learnt raises the latter. A build made
// without libcups raises the first error from every query.

#include <string>
#include <utility>

#include "UnitPrint/page_metrics.hpp"
#include "UnitPrint/printer.hpp"

namespace drafnova {

class TCupsPrinter final : public TPrinterMetrics {
public:
    // printerName: CP932 text, a destination name with an optional
    // "/instance"; empty for the default destination.
    explicit TCupsPrinter(std::string printerName = {}) : printerName_(std::move(printerName)) {}

    int PrintableWidthMM() override;
    int PrintableHeightMM() override;
    int PrinterDpiX() override;
    int PrinterDpiY() override;
    int PhysicalWidthDots() override;
    int PhysicalHeightDots() override;

    const std::string& PrinterName() const { return printerName_; }

private:
    // One round of questions to the print server for the whole page.
    TPageMetrics AskPage() const;

    std::string printerName_;
};

}  // namespace drafnova
