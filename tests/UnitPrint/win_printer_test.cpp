// The Windows printer. Under Wine the machine may have no printer at all (then
// the default printer's error is checked) or the printers of a print server;
// a chosen printer that does not exist is refused either way.
#ifdef _WIN32

#include "UnitPrint/win32/win_printer.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"

namespace drafnova {
namespace {

struct Query {
    const char* name;
    std::function<int(TWinPrinter&)> ask;
};

const std::vector<Query>& Queries() {
    static const std::vector<Query> queries = {
        {"PrintableWidthMM", [](TWinPrinter& p) { return p.PrintableWidthMM(); }},
        {"PrintableHeightMM", [](TWinPrinter& p) { return p.PrintableHeightMM(); }},
        {"PrinterDpiX", [](TWinPrinter& p) { return p.PrinterDpiX(); }},
        {"PrinterDpiY", [](TWinPrinter& p) { return p.PrinterDpiY(); }},
        {"PhysicalWidthDots", [](TWinPrinter& p) { return p.PhysicalWidthDots(); }},
        {"PhysicalHeightDots", [](TWinPrinter& p) { return p.PhysicalHeightDots(); }},
    };
    return queries;
}

// The message of the PrinterError that ask raises; fails when none.
std::string PrinterErrorOf(const std::function<void()>& ask) {
    try {
        ask();
    } catch (const PrinterError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no PrinterError";
    return {};
}

bool HasDefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    return size > 0;
}

TEST(WinPrinter, ChosenPrinterThatCannotBeOpenedIsRefusedByEveryQuery) {
    TWinPrinter printer;
    printer.Choose(L"Drafnova no such printer \u56F3\u9762", nullptr);
    ASSERT_TRUE(printer.HasChoice());
    for (const Query& query : Queries()) {
        SCOPED_TRACE(query.name);
        EXPECT_EQ(PrinterErrorOf([&] { query.ask(printer); }),
                  Sj(u8"選択したプリンタは有効ではありません"));
    }
    EXPECT_EQ(PrinterErrorOf([&] { PhysicalWidthMM(printer); }),
              Sj(u8"選択したプリンタは有効ではありません"));
}

TEST(WinPrinter, WithoutChoiceTheDefaultPrinterAnswersOrIsReportedMissing) {
    TWinPrinter printer;
    EXPECT_FALSE(printer.HasChoice());
    EXPECT_EQ(printer.ChosenMode(), nullptr);
    for (const Query& query : Queries()) {
        SCOPED_TRACE(query.name);
        if (HasDefaultPrinter()) {
            EXPECT_GT(query.ask(printer), 0);
        } else {
            EXPECT_EQ(PrinterErrorOf([&] { query.ask(printer); }),
                      Sj(u8"デフォルト プリンタが存在しません"));
        }
    }
}

TEST(WinPrinter, ForgettingTheChoiceGoesBackToTheDefaultPrinter) {
    TWinPrinter printer;
    printer.Choose(L"Drafnova no such printer", nullptr);
    printer.ForgetChoice();
    EXPECT_FALSE(printer.HasChoice());
    if (HasDefaultPrinter()) {
        EXPECT_GT(printer.PrinterDpiX(), 0);
    } else {
        EXPECT_EQ(PrinterErrorOf([&] { printer.PrinterDpiX(); }),
                  Sj(u8"デフォルト プリンタが存在しません"));
    }
}

TEST(WinPrinter, ChosenPageSettingsAreKeptWithTheDriversPrivateBytes) {
    // A DEVMODE as the setup dialog hands it over, followed by private bytes.
    std::vector<unsigned char> block(sizeof(DEVMODEW) + 6, 0);
    auto* mode = reinterpret_cast<DEVMODEW*>(block.data());
    mode->dmSize = sizeof(DEVMODEW);
    mode->dmDriverExtra = 6;
    mode->dmFields = DM_ORIENTATION;
    mode->dmOrientation = DMORIENT_LANDSCAPE;
    for (int i = 0; i < 6; ++i) block[sizeof(DEVMODEW) + i] = static_cast<unsigned char>(0xA0 + i);

    TWinPrinter printer;
    printer.Choose(L"Printer", mode);
    block.assign(block.size(), 0);  // the dialog's copy is freed

    const DEVMODEW* kept = printer.ChosenMode();
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_EQ(kept->dmDriverExtra, 6);
    const auto* extra = reinterpret_cast<const unsigned char*>(kept) + kept->dmSize;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(extra[i], 0xA0 + i);
    EXPECT_EQ(printer.ChosenDevice(), L"Printer");

    // A DEVMODE too short to be one is not kept.
    DEVMODEW broken{};
    broken.dmSize = 4;
    printer.Choose(L"Printer", &broken);
    EXPECT_EQ(printer.ChosenMode(), nullptr);
}

}  // namespace
}  // namespace drafnova

#endif  // _WIN32
