#include "UnitPrint/cups/cups_printer.hpp"

namespace drafnova {

// Each figure is asked for on its own, as a device capability would be.

int TCupsPrinter::PrintableWidthMM() { return AskPage().PrintableWidthMM; }
int TCupsPrinter::PrintableHeightMM() { return AskPage().PrintableHeightMM; }
int TCupsPrinter::PrinterDpiX() { return AskPage().DpiX; }
int TCupsPrinter::PrinterDpiY() { return AskPage().DpiY; }
int TCupsPrinter::PhysicalWidthDots() { return AskPage().PhysicalWidthDots; }
int TCupsPrinter::PhysicalHeightDots() { return AskPage().PhysicalHeightDots; }

}  // namespace drafnova
