#include "UnitPrint/page_metrics.hpp"

#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"

namespace drafnova {
namespace {

// Hundredths of a millimetre in an inch.
constexpr std::int64_t kHundredthsPerInch = 2540;

[[noreturn]] void RaiseUnusablePage() {
    throw PrinterError(Sj(u8"選択したプリンタは有効ではありません"));
}

int CheckedInt(std::int64_t value) {
    if (value < 0 || value > std::numeric_limits<int>::max()) RaiseUnusablePage();
    return static_cast<int>(value);
}

// Whole pixels of a length at a resolution; all figures are non-negative, so
// the integer division truncates.
int Dots(std::int64_t hundredths, int dpi) {
    return CheckedInt(hundredths * dpi / kHundredthsPerInch);
}

// Whole millimetres of the printable length: through whole pixels when the
// resolution is known, else straight from the hundredths.
int PrintableMM(std::int64_t hundredths, int dpi) {
    if (dpi == 0) return CheckedInt(hundredths / 100);
    const std::int64_t dots = Dots(hundredths, dpi);
    return CheckedInt(dots * kHundredthsPerInch / (std::int64_t{dpi} * 100));
}

}  // namespace

TPageMetrics PageMetricsFor(const TPrinterPage& page) {
    for (int value : {page.SheetWidth, page.SheetLength, page.MarginLeft, page.MarginRight,
                      page.MarginTop, page.MarginBottom, page.ResolutionX, page.ResolutionY}) {
        if (value < 0) RaiseUnusablePage();
    }
    std::int64_t width = page.SheetWidth;
    std::int64_t height = page.SheetLength;
    std::int64_t printableWidth = width - page.MarginLeft - page.MarginRight;
    std::int64_t printableHeight = height - page.MarginTop - page.MarginBottom;
    int dpiX = page.ResolutionX;
    int dpiY = page.ResolutionY;
    if (page.Landscape) {
        std::swap(width, height);
        std::swap(printableWidth, printableHeight);
        std::swap(dpiX, dpiY);
    }
    if (printableWidth < 0) printableWidth = 0;
    if (printableHeight < 0) printableHeight = 0;

    TPageMetrics metrics;
    metrics.DpiX = dpiX;
    metrics.DpiY = dpiY;
    metrics.PhysicalWidthDots = Dots(width, dpiX);
    metrics.PhysicalHeightDots = Dots(height, dpiY);
    metrics.PrintableWidthMM = PrintableMM(printableWidth, dpiX);
    metrics.PrintableHeightMM = PrintableMM(printableHeight, dpiY);
    return metrics;
}

std::optional<int> DpiFromDotsPerCm(int perCm) {
    const std::int64_t perInch = (std::int64_t{perCm} * 254 + (perCm < 0 ? -50 : 50)) / 100;
    if (perInch < std::numeric_limits<int>::min() || perInch > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(perInch);
}

bool ParseResolutionText(std::string_view text, int& dpiX, int& dpiY) {
    const char* p = text.data();
    const char* const end = text.data() + text.size();
    auto readNumber = [&](int& value) {
        if (p == end || *p < '0' || *p > '9') return false;  // no sign, no blank
        const auto [next, error] = std::from_chars(p, end, value);
        if (error != std::errc()) return false;
        p = next;
        return true;
    };
    int x = 0;
    if (!readNumber(x)) return false;
    int y = x;
    if (p != end && *p == 'x' && (++p, !readNumber(y))) return false;

    const std::string_view unit(p, static_cast<std::size_t>(end - p));
    if (unit == "dpi") {
        dpiX = x;
        dpiY = y;
        return true;
    }
    if (unit == "dpcm" || unit == "dpc") {
        const std::optional<int> inchX = DpiFromDotsPerCm(x);
        const std::optional<int> inchY = DpiFromDotsPerCm(y);
        if (!inchX || !inchY) return false;
        dpiX = *inchX;
        dpiY = *inchY;
        return true;
    }
    return false;
}

}  // namespace drafnova
