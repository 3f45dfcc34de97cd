#pragma once
// Platform-independent pieces of the file layer: how a CP932 path ends, and
// the messages of the I/O errors the layer raises.

#include <cstddef>
#include <string>
#include <string_view>

#include "Func_/error.hpp"

namespace drafnova::platform {

// True when the last character of path is a single-byte character found in
// separators. The second byte of a double-byte character never counts: "表"
// (0x95 0x5C) does not end with a backslash.
bool EndsWithAnyOf(std::string_view path, std::string_view separators);

// The length of the folder part of path, up to and including its last
// separator (on Windows also a drive's colon); 0 when path is a bare name.
// Lead-byte aware like EndsWithAnyOf.
std::size_t FolderLength(std::string_view path);

// True when path holds a byte sequence that is no CP932 character, or a zero
// byte: such a path names no file the user could have meant.
bool IsUnusablePath(std::string_view path);

// What the layer was doing when a file operation failed.
enum class FileAction { Open, Create, Read, ShortRead, Write, Close, Folder };

// The I/O error of a failed file operation. Its message says what failed,
// names the path as the caller gave it and gives the system's reason, all
// CP932; the parts stay available to a caller that reports the failure in
// other terms.
class FileIoError : public IoError {
public:
    FileIoError(FileAction action, const std::string& path, const std::string& reason);
    FileAction Action() const { return action_; }
    const std::string& Reason() const { return reason_; }

private:
    FileAction action_;
    std::string reason_;
};

inline FileIoError FileError(FileAction action, const std::string& path,
                             const std::string& reason) {
    return {action, path, reason};
}

// The reason given for a path that IsUnusablePath refuses.
std::string UnusablePathReason();

}  // namespace drafnova::platform
