#include <memory>

#include "UnitPrint/cups/cups_printer.hpp"
#include "UnitPrint/system_printer.hpp"

namespace drafnova {

std::unique_ptr<TPrinterMetrics> OpenSystemPrinter(const std::string& printerName) {
    return std::make_unique<TCupsPrinter>(printerName);
}

}  // namespace drafnova
