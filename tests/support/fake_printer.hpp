#pragma once
// A printer for tests: reports whatever the test puts into its fields and
// counts how often it was asked.

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

    int PrintableWidthMM() override { return Count(PrintableWidth); }
    int PrintableHeightMM() override { return Count(PrintableHeight); }
    int PrinterDpiX() override { return Count(DpiX); }
    int PrinterDpiY() override { return Count(DpiY); }
    int PhysicalWidthDots() override { return Count(PhysicalWidth); }
    int PhysicalHeightDots() override { return Count(PhysicalHeight); }

private:
    int Count(int value) {
        ++Calls;
        return value;
    }
};

}  // namespace drafnova::testing
