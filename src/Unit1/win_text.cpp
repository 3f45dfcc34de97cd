#include "win_text.hpp"

#include "Func_/cp932.hpp"

namespace drafnova {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the W functions take UTF-16");

std::wstring Wide(std::string_view cp932) {
    const std::u16string text = Cp932ToUtf16(cp932);
    return std::wstring(text.begin(), text.end());
}

std::string Narrow(std::wstring_view wide) {
    const std::u16string text(wide.begin(), wide.end());
    return Utf16ToCp932(text);
}

std::wstring WideLiteral(std::u8string_view utf8) { return Wide(Sj(utf8)); }

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

}  // namespace drafnova
