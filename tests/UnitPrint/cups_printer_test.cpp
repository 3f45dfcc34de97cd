// The CUPS printer against a real print server of the test's own. Each test
// program (each test, under CTest) starts a cupsd in a folder under the
// working folder, adds its queues with lpadmin and points libcups at it; the
// server is stopped at the end. Where cupsd cannot run at all the tests are
// skipped with the reason. cupsd is run as the user of the tests: root in CI.

#ifndef _WIN32

#include "UnitPrint/cups/cups_printer.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "builder/paper.hpp"

#ifdef DRAFNOVA_HAVE_CUPS
#include <cups/cups.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "UnitPrint/test_cupsd.hpp"
#endif

#ifdef DRAFNOVA_HAVE_CUPS
// libcups 2.4 leaks the options of an lpoptions instance line ("Dest q/i ...")
// when it looks up the default destination and the default is that queue q:
// it adds the instance to a list of one that its caller frees as one. Only the
// sanitizer build reads this list of known leaks. Stacks end in libcups, which
// has no frame pointers, so the leak is known by the routine that allocates
// option lists; a destination or printer description left unfreed still shows
// through its other allocations.
extern "C" const char* __lsan_default_suppressions() { return "leak:cupsAddOption\n"; }
#endif

namespace drafnova {
namespace {

const std::string kNoDefault = Sj(u8"デフォルト プリンタが存在しません");
const std::string kInvalid = Sj(u8"選択したプリンタは有効ではありません");

using Query = int (TCupsPrinter::*)();
const Query kQueries[] = {&TCupsPrinter::PrintableWidthMM,  &TCupsPrinter::PrintableHeightMM,
                          &TCupsPrinter::PrinterDpiX,       &TCupsPrinter::PrinterDpiY,
                          &TCupsPrinter::PhysicalWidthDots, &TCupsPrinter::PhysicalHeightDots};

// Every one of the six queries raises PrinterError with message.
void ExpectEveryQueryRaises(TCupsPrinter& printer, const std::string& message) {
    for (Query query : kQueries) {
        try {
            (printer.*query)();
            ADD_FAILURE() << "no error for printer \"" << printer.PrinterName() << "\"";
        } catch (const PrinterError& error) {
            EXPECT_EQ(std::string(error.what()), message)
                << "printer \"" << printer.PrinterName() << "\"";
        }
    }
}

#ifndef DRAFNOVA_HAVE_CUPS

TEST(CupsPrinter, WithoutLibcupsThereIsNoDefaultPrinter) {
    TCupsPrinter printer;
    ExpectEveryQueryRaises(printer, kNoDefault);
    TCupsPrinter named("Office");
    ExpectEveryQueryRaises(named, kNoDefault);
}

#else

namespace fs = std::filesystem;
using testing_cups::TestCupsd;

struct Figures {
    int PrintableWidthMM;
    int PrintableHeightMM;
    int DpiX;
    int DpiY;
    int PhysicalWidthDots;
    int PhysicalHeightDots;
};

void ExpectFigures(TCupsPrinter& printer, const Figures& want) {
    SCOPED_TRACE("printer \"" + printer.PrinterName() + "\"");
    EXPECT_EQ(printer.PrintableWidthMM(), want.PrintableWidthMM);
    EXPECT_EQ(printer.PrintableHeightMM(), want.PrintableHeightMM);
    EXPECT_EQ(printer.PrinterDpiX(), want.DpiX);
    EXPECT_EQ(printer.PrinterDpiY(), want.DpiY);
    EXPECT_EQ(printer.PhysicalWidthDots(), want.PhysicalWidthDots);
    EXPECT_EQ(printer.PhysicalHeightDots(), want.PhysicalHeightDots);
}

// The test printer (drafnova_test.ppd) reports A4 as 595 x 842 points, that is
// 209.90 x 297.04 mm, with printable margins of 6.35 mm at the sides and 12.7 mm
// at the top and bottom, at 600 dpi across and 300 dpi along the sheet.
// Sheet: 20990 x 600 / 2540 = 4958.3 and 29704 x 300 / 2540 = 3508.3 pixels.
// Printable: 19720 -> 4658 px -> 197.19 mm; 27164 -> 3208 px -> 271.61 mm.
constexpr Figures kA4Portrait{197, 271, 600, 300, 4958, 3508};
// The same page in landscape: everything across becomes along.
constexpr Figures kA4Landscape{271, 197, 300, 600, 3508, 4958};
// A4Rotated, a sheet fed long edge first (29704 x 20990, margins 12.7 mm at the
// sides and 6.35 mm top and bottom), at the same 600 x 300 dpi: 7016 x 2479
// pixels, 27164 -> 6416 px -> 271.6 mm, 19720 -> 2329 px -> 197.2 mm.
constexpr Figures kRotatedSheet{271, 197, 600, 300, 7016, 2479};
// Letter with margins of 6.35 mm all round at 300 dpi, turned to landscape:
// 27940 x 21590 -> 3300 x 2550 px; 26670 -> 3150 px -> 266.7 mm,
// 20320 -> 2400 px -> 203.2 mm.
constexpr Figures kLetterLandscape300{266, 203, 300, 300, 3300, 2550};

fs::path TestPpd() { return fs::path(__FILE__).parent_path() / "drafnova_test.ppd"; }

// Runs the given action when the scope ends, also when an assertion leaves it.
class AtExit {
public:
    explicit AtExit(std::function<void()> action) : action_(std::move(action)) {}
    ~AtExit() { action_(); }
    AtExit(const AtExit&) = delete;
    AtExit& operator=(const AtExit&) = delete;

private:
    std::function<void()> action_;
};

class CupsPrinterTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        skipReason_.clear();
        setupError_.clear();
        server_ = std::make_unique<TestCupsd>();
        const std::string why = server_->Start(fs::current_path() / "cupsd");
        if (!why.empty()) {
            skipReason_ = "cannot run cupsd here: " + why;
            return;
        }
        // libcups reads these once, at its first call: the client sees only
        // this server, and neither the user's nor the system's lpoptions.
        setenv("CUPS_SERVER", server_->Address().c_str(), 1);
        setenv("CUPS_SERVERROOT", (server_->Folder() / "client").c_str(), 1);
        setenv("HOME", (server_->Folder() / "home").c_str(), 1);
        unsetenv("PRINTER");
        unsetenv("LPDEST");
        cupsSetServer(server_->Address().c_str());

        const std::vector<std::vector<std::string> > steps = {
            QueueArguments("DrafnovaA4", {}),
            QueueArguments("DrafnovaLandscape", {"orientation-requested-default=4"}),
            QueueArguments("DrafnovaRotated", {"PageSize=A4Rotated"}),
            {"-d", "DrafnovaA4"},
        };
        for (const auto& step : steps) {
            setupError_ = server_->Lpadmin(step);
            if (!setupError_.empty()) return;
        }
    }

    static void TearDownTestSuite() {
        if (!server_) return;
        server_->Stop();
        const testing::TestSuite* suite = testing::UnitTest::GetInstance()->current_test_suite();
        if (suite && !suite->Failed()) server_->RemoveFolder();
        server_.reset();
    }

    void SetUp() override {
        if (!skipReason_.empty()) GTEST_SKIP() << skipReason_;
        ASSERT_TRUE(setupError_.empty()) << setupError_ << "\n" << server_->ErrorLog();
    }

    void TearDown() override {
        if (HasFailure() && server_) std::cerr << "cupsd log:\n" << server_->ErrorLog() << "\n";
    }

    // lpadmin's arguments that add the queue name with the test printer, or
    // give it the PPD anew, with the options given. The PPD goes with every
    // change, so that lpadmin edits the local file instead of fetching the
    // queue's copy through the server's host name.
    static std::vector<std::string> QueueArguments(const std::string& name,
                                                   const std::vector<std::string>& options) {
        std::vector<std::string> arguments{
            "-p", name, "-E", "-v", "file:///dev/null", "-P", TestPpd().string()};
        for (const std::string& option : options) {
            arguments.push_back("-o");
            arguments.push_back(option);
        }
        return arguments;
    }

    static void Lpadmin(const std::vector<std::string>& arguments) {
        const std::string error = server_->Lpadmin(arguments);
        ASSERT_TRUE(error.empty()) << error;
    }

    static fs::path UserOptionsFile() { return server_->Folder() / "home/.cups/lpoptions"; }

    static inline std::unique_ptr<TestCupsd> server_;
    static inline std::string skipReason_;
    static inline std::string setupError_;
};

TEST_F(CupsPrinterTest, DefaultDestinationGivesItsDefaultMedia) {
    TCupsPrinter printer;
    ExpectFigures(printer, kA4Portrait);
    // The whole sheet in millimetres: 4958 px at 600 dpi are 209.888 mm and
    // 3508 px at 300 dpi 297.011 mm, to the hundredth.
    EXPECT_DOUBLE_EQ(PhysicalWidthMM(printer), 209.89);
    EXPECT_DOUBLE_EQ(PhysicalHeightMM(printer), 297.01);
    TCupsPrinter landscape("DrafnovaLandscape");
    EXPECT_DOUBLE_EQ(PhysicalWidthMM(landscape), 297.01);
    EXPECT_DOUBLE_EQ(PhysicalHeightMM(landscape), 209.89);
}

TEST_F(CupsPrinterTest, NamedDestinationsGiveTheirOwnPages) {
    const struct {
        const char* name;
        Figures want;
    } cases[] = {
        {"DrafnovaA4", kA4Portrait},
        {"DrafnovaLandscape", kA4Landscape},  // orientation-requested-default 4
        {"DrafnovaRotated", kRotatedSheet},   // a landscape media needs no turn
    };
    for (const auto& c : cases) {
        TCupsPrinter printer(c.name);
        ExpectFigures(printer, c.want);
    }
}

TEST_F(CupsPrinterTest, ChangesAreSeenByTheNextQuery) {
    Lpadmin(QueueArguments("DrafnovaChanging", {}));
    TCupsPrinter printer("DrafnovaChanging");
    TCupsPrinter standard;
    ASSERT_EQ(printer.PhysicalWidthDots(), kA4Portrait.PhysicalWidthDots);

    Lpadmin(QueueArguments("DrafnovaChanging", {"orientation-requested-default=5"}));
    ExpectFigures(printer, kA4Landscape);  // reverse landscape turns the page too
    Lpadmin(QueueArguments("DrafnovaChanging", {"orientation-requested-default=6"}));
    ExpectFigures(printer, kA4Portrait);  // reverse portrait does not

    Lpadmin(QueueArguments("DrafnovaChanging", {"Resolution=300dpi"}));
    EXPECT_EQ(printer.PrinterDpiX(), 300);
    EXPECT_EQ(printer.PhysicalWidthDots(), 2479);  // 20990 x 300 / 2540 = 2479.1

    // Another default destination is the default printer at once.
    AtExit restore([] { server_->Lpadmin({"-d", "DrafnovaA4"}); });
    Lpadmin({"-d", "DrafnovaLandscape"});
    ExpectFigures(standard, kA4Landscape);
}

TEST_F(CupsPrinterTest, UserDefaultsComeBeforeThePrinters) {
    // What the user set with lpoptions, for the destination and for an
    // instance of it; the instance is named as "queue/instance".
    fs::create_directories(UserOptionsFile().parent_path());
    AtExit removeOptions([] { fs::remove(UserOptionsFile()); });
    {
        std::ofstream options(UserOptionsFile());
        options << "Dest DrafnovaA4/letter media=na_letter_8.5x11in Resolution=300dpi "
                   "orientation-requested=5\n"
                << "Dest DrafnovaRotated landscape PageSize=A4\n";
    }
    TCupsPrinter instance("DrafnovaA4/letter");
    ExpectFigures(instance, kLetterLandscape300);
    TCupsPrinter standard;  // the destination itself keeps the printer's defaults
    ExpectFigures(standard, kA4Portrait);
    TCupsPrinter rotated("DrafnovaRotated");  // A4 chosen by the user, turned by "landscape"
    ExpectFigures(rotated, kA4Landscape);
}

TEST_F(CupsPrinterTest, PrinterPaperEntriesTakeTheQueuesPage) {
    struct Case {
        const char* printer;
        int paperIndex;
        TPaperSize want;
    };
    const Case cases[] = {
        // The sheet to the tenth of a millimetre, the code from its height.
        {"DrafnovaA4", kPaperPrinterPhysical, {209.9, 297.0, 3}},
        {"DrafnovaLandscape", kPaperPrinterPhysical, {297.0, 209.9, 4}},
        // The printable area in whole millimetres.
        {"DrafnovaA4", kPaperPrinterPrintable, {197, 271, 3}},
        {"DrafnovaLandscape", kPaperPrinterPrintable, {271, 197, 4}},
    };
    for (const Case& c : cases) {
        TCupsPrinter printer(c.printer);
        const TPaperSize paper = PaperSizeFor(c.paperIndex, printer);
        EXPECT_DOUBLE_EQ(paper.Width, c.want.Width) << c.printer << " " << c.paperIndex;
        EXPECT_DOUBLE_EQ(paper.Height, c.want.Height) << c.printer << " " << c.paperIndex;
        EXPECT_EQ(paper.Code, c.want.Code) << c.printer << " " << c.paperIndex;
    }
}

TEST_F(CupsPrinterTest, UnknownNamesAreNotValidPrinters) {
    for (const std::string& name : {std::string("NoSuchPrinter"), Sj(u8"存在しないプリンタ"),
                                    std::string("/instance"), std::string("DrafnovaA4 ")}) {
        TCupsPrinter printer(name);
        ExpectEveryQueryRaises(printer, kInvalid);
    }
}

TEST_F(CupsPrinterTest, NoDefaultDestination) {
    // A print server without any queue, then no print server at all.
    TestCupsd empty;
    const std::string why = empty.Start(fs::current_path() / "cupsd");
    ASSERT_TRUE(why.empty()) << why;
    AtExit restore([] { cupsSetServer(server_->Address().c_str()); });
    cupsSetServer(empty.Address().c_str());

    TCupsPrinter standard;
    TCupsPrinter named("DrafnovaA4");
    ExpectEveryQueryRaises(standard, kNoDefault);
    ExpectEveryQueryRaises(named, kInvalid);

    empty.Stop();
    ExpectEveryQueryRaises(standard, kNoDefault);
    ExpectEveryQueryRaises(named, kInvalid);
    if (!HasFailure()) empty.RemoveFolder();
}

#endif  // DRAFNOVA_HAVE_CUPS

}  // namespace
}  // namespace drafnova

#endif  // _WIN32
