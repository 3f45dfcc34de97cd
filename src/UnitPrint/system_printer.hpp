#pragma once
// The current printer of the command line: the printer system's default, or
// the printer named by the user.

#include <memory>
#include <string>

#include "UnitPrint/printer.hpp"

namespace drafnova {

// The backend of this build for printerName (CP932; empty: the default
// printer). Asking it raises PrinterError when the printer cannot be found
// or asked.
std::unique_ptr<TPrinterMetrics> OpenSystemPrinter(const std::string& printerName);

}  // namespace drafnova
