#pragma once
// What the paper list asks of the current printer. The current printer is the
// one last chosen by the user, or the system's default. Every call asks the
// printer anew, so a new choice is seen at once. Failures raise PrinterError.

namespace drafnova {

class TPrinterMetrics {
public:
    virtual ~TPrinterMetrics() = default;
    virtual int PrintableWidthMM() = 0;    // HORZSIZE, whole millimetres
    virtual int PrintableHeightMM() = 0;   // VERTSIZE
    virtual int PrinterDpiX() = 0;         // LOGPIXELSX
    virtual int PrinterDpiY() = 0;         // LOGPIXELSY
    virtual int PhysicalWidthDots() = 0;   // PHYSICALWIDTH, device pixels
    virtual int PhysicalHeightDots() = 0;  // PHYSICALHEIGHT
};

// The whole sheet in millimetres, rounded half up to 0.01 mm. A printer that
// reports 0 pixels per inch raises PrinterError.
double PhysicalWidthMM(TPrinterMetrics& printer);
double PhysicalHeightMM(TPrinterMetrics& printer);

}  // namespace drafnova
