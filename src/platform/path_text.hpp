#pragma once
// Platform-independent pieces of the file layer: how a CP932 path ends, and
// the messages of the I/O errors the layer raises.

#include <string>
#include <string_view>

#include "Func_/error.hpp"

namespace drafnova::platform {

// True when the last character of path is a single-byte character found in
// separators. The second byte of a double-byte character never counts: "表"
// (0x95 0x5C) does not end with a backslash.
bool EndsWithAnyOf(std::string_view path, std::string_view separators);

// True when path holds a byte sequence that is no CP932 character, or a zero
// byte: such a path names no file the user could have meant.
bool IsUnusablePath(std::string_view path);

// What the layer was doing when a file operation failed.
enum class FileAction { Open, Create, Read, ShortRead, Write, Close, Folder };

// The I/O error for a failed file operation: what failed, the path as the
// caller gave it and the system's reason, all CP932.
IoError FileError(FileAction action, const std::string& path, const std::string& reason);

// The reason given for a path that IsUnusablePath refuses.
std::string UnusablePathReason();

}  // namespace drafnova::platform
