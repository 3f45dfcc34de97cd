#include <cmath>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "UnitPrint/printer.hpp"

namespace drafnova {
namespace {

// A sheet of dots device pixels at dpi pixels per inch, in millimetres rounded
// half up to whole hundredths (2540 hundredths of a millimetre to the inch).
double DotsToMM(int dots, int dpi) {
    if (dpi <= 0) {
        // Without a resolution there is no size: the printer is unusable.
        throw PrinterError(Sj(u8"選択したプリンタは有効ではありません"));
    }
    const long double hundredths = static_cast<long double>(dots) * 2540.0L / dpi + 0.5L;
    return static_cast<double>(std::trunc(hundredths)) / 100.0;
}

}  // namespace

double PhysicalWidthMM(TPrinterMetrics& printer) {
    return DotsToMM(printer.PhysicalWidthDots(), printer.PrinterDpiX());
}

double PhysicalHeightMM(TPrinterMetrics& printer) {
    return DotsToMM(printer.PhysicalHeightDots(), printer.PrinterDpiY());
}

}  // namespace drafnova
