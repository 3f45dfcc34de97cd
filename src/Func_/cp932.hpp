#pragma once
// The project's one converter between code page 932 (Shift-JIS) and Unicode.
// Every text in the core is CP932; conversions happen only at the edges
// (window, terminal, paths, the Unicode strings of newer JWW files) and for the
// Japanese literals written in the source, which are UTF-8.

#include <string>
#include <string_view>

namespace drafnova {

// A character that has no CP932 form becomes "?".
std::string Utf16ToCp932(std::u16string_view text);
std::string Utf8ToCp932(std::string_view text);

// A byte sequence that is no CP932 character becomes U+FFFD.
std::u16string Cp932ToUtf16(std::string_view text);
std::string Cp932ToUtf8(std::string_view text);

// A Japanese literal of the source as CP932 bytes: Sj(u8"新規図面").
std::string Sj(std::u8string_view utf8);

}  // namespace drafnova
