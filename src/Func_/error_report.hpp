#pragma once
// The text with which a front end reports an error that no command caught.

#include <string>
#include <string_view>

namespace drafnova {

// The message with "." appended when its last character sorts after "."
// (a letter, a digit or a Japanese character; not ".", ")" or "!"). Every
// byte that ends a two-byte character is above ".", so the last byte decides.
std::string ErrorReportText(std::string_view message);

}  // namespace drafnova
