#include "platform/shell.hpp"

#include <windows.h>

#include <shellapi.h>

#include "Func_/cp932.hpp"

namespace drafnova::platform {

bool ShellOpen(const std::string& path) {
    const std::u16string wide = Cp932ToUtf16(path);
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", reinterpret_cast<const wchar_t*>(wide.c_str()), L"", L"", SW_SHOW));
    return result > 32;
}

}  // namespace drafnova::platform
