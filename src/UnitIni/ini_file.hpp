#pragma once
// The profile (ini) file: the reading and writing rules of ini_text applied to
// a file. File names are CP932 paths. None of these routines raises: a file
// that cannot be read or written is reported by the result only.

#include <cstddef>
#include <string>
#include <string_view>

namespace drafnova {

// A settings file larger than this is not read, and so never rewritten.
inline constexpr std::size_t kMaxIniFileSize = 16u * 1024u * 1024u;

// The bytes of the file. A missing file gives an empty text and true; a file
// that exists but cannot be read whole (or is larger than kMaxIniFileSize)
// gives false.
bool LoadIniText(const std::string& fileName, std::string& text);

// Replaces the file with text as a whole: the bytes go to a new temporary
// file beside it ("<name>.tmp"), which then takes the file's place in one
// step, so that a crash or a full disk leaves the old file or the new one,
// never a part of either. A missing file is created. On failure the temporary
// file is removed and false is returned.
bool SaveIniText(const std::string& fileName, std::string_view text);

// One value of the file (IniReadText); false also when the file is missing or
// unreadable.
bool IniReadString(const std::string& section, const std::string& key, std::string& value,
                   const std::string& fileName, std::size_t bufferSize);

// Sets one value in the file (IniWriteText), rewriting it with SaveIniText.
bool IniWriteString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& fileName);

}  // namespace drafnova
