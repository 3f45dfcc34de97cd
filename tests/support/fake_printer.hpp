#pragma once
// A printer for tests: reports whatever the test puts into its fields and
// counts how often it was asked; or has no default printer at all.

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "UnitPrint/printer.hpp"

namespace drafnova::testing {

class FakePrinter final : public TPrinterMetrics {
public:
    int PrintableWidth = 0;
    int PrintableHeight = 0;
    int DpiX = 600;
    int DpiY = 600;
    int PhysicalWidth = 0;
    int PhysicalHeight = 0;
    int Calls = 0;
    bool NoPrinter = false;  // every question raises the no-default-printer error

    int PrintableWidthMM() override { return Count(PrintableWidth); }
    int PrintableHeightMM() override { return Count(PrintableHeight); }
    int PrinterDpiX() override { return Count(DpiX); }
    int PrinterDpiY() override { return Count(DpiY); }
    int PhysicalWidthDots() override { return Count(PhysicalWidth); }
    int PhysicalHeightDots() override { return Count(PhysicalHeight); }

private:
    int Count(int value) {
        ++Calls;
        if (NoPrinter) throw PrinterError(Sj(u8"デフォルト プリンタが存在しません"));
        return value;
    }
};

}  // namespace drafnova::testing
