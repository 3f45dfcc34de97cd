#pragma once
// CP932 <-> UTF-16 at the window's edge: the core holds CP932 bytes, the
// controls and the W functions hold UTF-16.

#include <windows.h>

#include <string>
#include <string_view>

namespace drafnova {

std::wstring Wide(std::string_view cp932);
std::string Narrow(std::wstring_view wide);

// A literal of the source (UTF-8) as the window shows it.
std::wstring WideLiteral(std::u8string_view utf8);

// The whole text of a window or control.
std::wstring WindowText(HWND window);

}  // namespace drafnova
