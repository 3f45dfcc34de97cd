#include "UnitPrint/win32/win_printer.hpp"

#include <winspool.h>

#include <cstddef>
#include <cwchar>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"

namespace drafnova {
namespace {

[[noreturn]] void ThrowNoDefault() {
    throw PrinterError(Sj(u8"デフォルト プリンタが存在しません"));
}

[[noreturn]] void ThrowNotValid() {
    throw PrinterError(Sj(u8"選択したプリンタは有効ではありません"));
}

// An information context, deleted when it goes out of scope.
class TInfoContext {
public:
    TInfoContext(const std::wstring& device, const DEVMODEW* mode)
        : dc_(CreateICW(L"WINSPOOL", device.c_str(), nullptr, mode)) {
        if (dc_ == nullptr) ThrowNotValid();
    }
    ~TInfoContext() { DeleteDC(dc_); }
    TInfoContext(const TInfoContext&) = delete;
    TInfoContext& operator=(const TInfoContext&) = delete;

    int Caps(int index) const { return GetDeviceCaps(dc_, index); }

private:
    HDC dc_;
};

}  // namespace

std::wstring DefaultPrinterName() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);  // asks for the length, with the NUL
    if (size == 0) ThrowNoDefault();
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size)) ThrowNoDefault();
    name.resize(wcsnlen(name.c_str(), name.size()));
    if (name.empty()) ThrowNoDefault();
    return name;
}

void TWinPrinter::Choose(const std::wstring& device, const DEVMODEW* mode) {
    device_ = device;
    mode_.clear();
    if (mode != nullptr && mode->dmSize >= offsetof(DEVMODEW, dmFields) + sizeof(mode->dmFields)) {
        const std::size_t size = std::size_t{mode->dmSize} + mode->dmDriverExtra;
        const auto* bytes = reinterpret_cast<const unsigned char*>(mode);
        mode_.assign(bytes, bytes + size);
    }
}

void TWinPrinter::ForgetChoice() {
    device_.clear();
    mode_.clear();
}

const DEVMODEW* TWinPrinter::ChosenMode() const {
    return mode_.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(mode_.data());
}

int TWinPrinter::Ask(int index) const {
    if (HasChoice()) return TInfoContext(device_, ChosenMode()).Caps(index);
    return TInfoContext(DefaultPrinterName(), nullptr).Caps(index);
}

int TWinPrinter::PrintableWidthMM() { return Ask(HORZSIZE); }
int TWinPrinter::PrintableHeightMM() { return Ask(VERTSIZE); }
int TWinPrinter::PrinterDpiX() { return Ask(LOGPIXELSX); }
int TWinPrinter::PrinterDpiY() { return Ask(LOGPIXELSY); }
int TWinPrinter::PhysicalWidthDots() { return Ask(PHYSICALWIDTH); }
int TWinPrinter::PhysicalHeightDots() { return Ask(PHYSICALHEIGHT); }

}  // namespace drafnova
