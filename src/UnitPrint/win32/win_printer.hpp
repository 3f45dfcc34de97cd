#pragma once
// The printer of the Windows build: GetDeviceCaps on an information context.
//
// The current printer is the one last chosen in the printer-setup dialog (its
// device name and page settings, kept here as copies), else the system's
// default printer. Every query opens a new information context, so a new
// choice, or a new default, is seen by the next query.
//
// No default printer raises PrinterError "デフォルト プリンタが存在しません";
// a printer that cannot be opened raises "選択したプリンタは有効ではありません".

#include <windows.h>

#include <string>
#include <vector>

#include "UnitPrint/printer.hpp"

namespace drafnova {

class TWinPrinter final : public TPrinterMetrics {
public:
    // Makes device (with the page settings of mode, when given) the current
    // printer. mode is copied with its driver's private bytes.
    void Choose(const std::wstring& device, const DEVMODEW* mode);
    // The default printer is current again.
    void ForgetChoice();

    bool HasChoice() const { return !device_.empty(); }
    const std::wstring& ChosenDevice() const { return device_; }
    // The chosen page settings, nullptr when none were given.
    const DEVMODEW* ChosenMode() const;

    int PrintableWidthMM() override;
    int PrintableHeightMM() override;
    int PrinterDpiX() override;
    int PrinterDpiY() override;
    int PhysicalWidthDots() override;
    int PhysicalHeightDots() override;

private:
    // One device capability of the current printer.
    int Ask(int index) const;

    std::wstring device_;
    std::vector<unsigned char> mode_;  // a DEVMODEW and its private bytes
};

// The name of the system's default printer; raises PrinterError when there
// is none.
std::wstring DefaultPrinterName();

}  // namespace drafnova
