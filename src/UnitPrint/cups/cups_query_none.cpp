// Built when libcups was not found: there is no print system to ask, so there
// is no default printer either.

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "UnitPrint/cups/cups_printer.hpp"

namespace drafnova {

TPageMetrics TCupsPrinter::AskPage() const {
    throw PrinterError(Sj(u8"デフォルト プリンタが存在しません"));
}

}  // namespace drafnova
