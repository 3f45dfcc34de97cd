#pragma once
// The profile (ini) text: reading a value and writing one, as pure routines
// over the bytes of the whole file. The file itself is handled by ini_file.
//
// The text is CP932. A line ends with LF or CR LF (both are read; the lines
// this code writes end with CR LF). A line whose first non-blank character is
// "[" and that holds a "]" opens a section named by the text between them; a
// line holding "=" is a key line, key before the first "=", value after it.
// Section and key names are compared with their surrounding blanks and tabs
// removed and without regard to the case of ASCII letters (the second byte of
// a two-byte character is compared exactly). Only the first section of a name
// and, in it, the first line of a key count. Any other line (a comment, a
// blank line, a "[" line without "]") is kept but never matched.

#include <cstddef>
#include <string>
#include <string_view>

namespace drafnova {

// The value of key in section. It is the text after the first "=" without
// leading and trailing blanks and tabs, without one pair of enclosing double
// or single quotes, ending at a NUL byte if it holds one, and cut to
// bufferSize - 1 bytes (cut on bytes, even inside a two-byte character).
// Returns true only when at least one byte is returned: a missing section or
// key and an empty value all give false and an empty value.
bool IniReadText(std::string_view text, std::string_view section, std::string_view key,
                 std::string& value, std::size_t bufferSize);

// Sets key in section to value within text. The key's line is replaced in
// place (keeping its own line end); a new key goes after the last non-blank
// line of its section, so that blank lines before the next section stay
// where they are; a missing section is appended at the end of the text, and
// an empty text gets its first section. Every other byte is kept. The value
// is written exactly as given.
// Returns false, leaving text as it was, for what could not be read back as
// written: a section name holding "]", a key name that is empty, begins with
// "[" or holds "=", a name with blanks or tabs at either end, and any name or
// value holding a CR, LF or NUL byte.
bool IniWriteText(std::string& text, std::string_view section, std::string_view key,
                  std::string_view value);

}  // namespace drafnova
