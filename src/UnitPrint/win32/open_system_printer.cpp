#include <memory>

#include "Func_/cp932.hpp"
#include "UnitPrint/system_printer.hpp"
#include "UnitPrint/win32/win_printer.hpp"

namespace drafnova {

std::unique_ptr<TPrinterMetrics> OpenSystemPrinter(const std::string& printerName) {
    auto printer = std::make_unique<TWinPrinter>();
    if (!printerName.empty()) {
        const std::u16string device = Cp932ToUtf16(printerName);
        printer->Choose(std::wstring(device.begin(), device.end()), nullptr);
    }
    return printer;
}

}  // namespace drafnova
