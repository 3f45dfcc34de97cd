// The Windows printer against a real printer queue: under Wine, the queue
// "DrafnovaTest" of a print server of the tests' own (an A4 PostScript
// printer); on Windows, any installed printer of that name.

#include <windows.h>

#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Func_/error.hpp"
#include "UnitPrint/printer.hpp"
#include "UnitPrint/system_printer.hpp"
#include "UnitPrint/win32/win_printer.hpp"

namespace drafnova {
namespace {

const wchar_t kQueue[] = L"DrafnovaTest";

// True when the queue is there; a run that requires it fails instead.
bool QueueIsThere() {
    HANDLE printer = nullptr;
    if (OpenPrinterW(const_cast<wchar_t*>(kQueue), &printer, nullptr)) {
        ClosePrinter(printer);
        return true;
    }
    const char* required = std::getenv("DRAFNOVA_REQUIRE_PRINTER");
    EXPECT_FALSE(required != nullptr && *required == '1') << "the test printer queue is missing";
    return false;
}

#define SKIP_WITHOUT_QUEUE() \
    if (!QueueIsThere()) GTEST_SKIP() << "no printer queue DrafnovaTest"

// The queue's page settings with the given orientation.
std::vector<unsigned char> PageSettings(short orientation) {
    HANDLE printer = nullptr;
    EXPECT_TRUE(OpenPrinterW(const_cast<wchar_t*>(kQueue), &printer, nullptr));
    const LONG size =
        DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(kQueue), nullptr, nullptr, 0);
    std::vector<unsigned char> block(size > 0 ? static_cast<std::size_t>(size) : 0);
    auto* mode = reinterpret_cast<DEVMODEW*>(block.data());
    EXPECT_EQ(DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(kQueue), mode, nullptr,
                                  DM_OUT_BUFFER),
              IDOK);
    ClosePrinter(printer);
    mode->dmFields |= DM_ORIENTATION;
    mode->dmOrientation = orientation;
    return block;
}

struct Page {
    int printableWidth, printableHeight, dpiX, dpiY, width, height;
};

Page Measure(TPrinterMetrics& printer) {
    return {printer.PrintableWidthMM(), printer.PrintableHeightMM(), printer.PrinterDpiX(),
            printer.PrinterDpiY(),      printer.PhysicalWidthDots(), printer.PhysicalHeightDots()};
}

TEST(WinPrinterQueue, ChosenPrinterReportsItsA4Page) {
    SKIP_WITHOUT_QUEUE();
    TWinPrinter printer;
    printer.Choose(kQueue, nullptr);
    const Page page = Measure(printer);
    EXPECT_GT(page.dpiX, 0);
    EXPECT_GT(page.dpiY, 0);
    // An A4 sheet, 210 x 297 mm, whatever the resolution.
    EXPECT_NEAR(PhysicalWidthMM(printer), 210.0, 1.0);
    EXPECT_NEAR(PhysicalHeightMM(printer), 297.0, 1.0);
    EXPECT_GT(page.printableWidth, 150);
    EXPECT_LE(page.printableWidth, 210);
    EXPECT_GT(page.printableHeight, 250);
    EXPECT_LE(page.printableHeight, 297);
    EXPECT_NEAR(page.width * 25.4 / page.dpiX, 210.0, 1.0);
}

TEST(WinPrinterQueue, AnotherOrientationChangesTheNextAnswer) {
    SKIP_WITHOUT_QUEUE();
    TWinPrinter printer;
    const std::vector<unsigned char> portrait = PageSettings(DMORIENT_PORTRAIT);
    const std::vector<unsigned char> landscape = PageSettings(DMORIENT_LANDSCAPE);

    printer.Choose(kQueue, reinterpret_cast<const DEVMODEW*>(portrait.data()));
    const Page upright = Measure(printer);
    EXPECT_LT(upright.width, upright.height);

    printer.Choose(kQueue, reinterpret_cast<const DEVMODEW*>(landscape.data()));
    const Page turned = Measure(printer);
    EXPECT_EQ(turned.width, upright.height);
    EXPECT_EQ(turned.height, upright.width);
    EXPECT_EQ(turned.printableWidth, upright.printableHeight);
    EXPECT_EQ(turned.printableHeight, upright.printableWidth);
    EXPECT_NEAR(PhysicalWidthMM(printer), PhysicalHeightMM(printer) * 297.0 / 210.0, 2.0);
}

TEST(WinPrinterQueue, DefaultPrinterIsAskedWhenNoneWasChosen) {
    SKIP_WITHOUT_QUEUE();
    ASSERT_TRUE(SetDefaultPrinterW(kQueue));
    EXPECT_EQ(DefaultPrinterName(), kQueue);
    TWinPrinter chosen;
    chosen.Choose(kQueue, nullptr);
    TWinPrinter byDefault;
    const Page expected = Measure(chosen);
    const Page page = Measure(byDefault);
    EXPECT_EQ(page.width, expected.width);
    EXPECT_EQ(page.height, expected.height);
    EXPECT_EQ(page.printableWidth, expected.printableWidth);

    // The command line's printer: by name, or the default.
    const auto named = OpenSystemPrinter("DrafnovaTest");
    EXPECT_EQ(named->PhysicalWidthDots(), expected.width);
    const auto system = OpenSystemPrinter("");
    EXPECT_EQ(system->PhysicalHeightDots(), expected.height);
    EXPECT_THROW(OpenSystemPrinter("No such queue")->PrinterDpiX(), PrinterError);
}

}  // namespace
}  // namespace drafnova
