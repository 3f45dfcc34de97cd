#pragma once
// The layer in place of the operating system's file services. Every path is a
// code page 932 text, as the core holds it; the layer turns it into the
// platform's own form (UTF-8 on Linux, UTF-16 with the W functions on Windows).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "jwwunit/byte_io.hpp"

// <windows.h>, when included first, names these after its W functions.
#ifdef _WIN32
#undef DeleteFile
#undef ReplaceFile
#endif

namespace drafnova::platform {

// The separator the platform puts between folder and name.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// True when the character may end a folder text (lead-byte aware: the second
// byte of a double-byte character never counts).
bool EndsWithSeparator(const std::string& path);

// The file read whole through a buffer. Opening raises IoError naming the
// path and the system's reason; reads raise IoError when the file is short.
class InputFile final : public ByteSource {
public:
    explicit InputFile(const std::string& path);
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    void Read(void* data, std::size_t size) override;
    std::uint64_t Remaining() const override;
    std::uint64_t Size() const { return size_; }

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    std::string path_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

// A new file written through a buffer of tens of kilobytes. Creating raises
// IoError; Write and Close raise IoError when the system refuses the bytes.
// A file that was never closed is closed (without a report) by the destructor.
class OutputFile final : public ByteSink {
public:
    enum class Mode { Truncate, CreateNew };
    explicit OutputFile(const std::string& path, Mode mode = Mode::Truncate);
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(const void* data, std::size_t size) override;
    // Flushes, forces the bytes to the disk and closes.
    void Close();

private:
    void Flush();
    struct Handle;
    std::unique_ptr<Handle> handle_;
    std::string path_;
    std::string buffer_;
};

bool FileExists(const std::string& path);  // a file, not a folder
bool DirectoryExists(const std::string& path);
bool DeleteFile(const std::string& path);
// Renames; fails when something exists at to.
bool RenameFile(const std::string& from, const std::string& to);
// Renames, replacing a file at to in one step (the last step of a safe save).
bool ReplaceFile(const std::string& from, const std::string& to);

// The system's reason for the last failed call, as CP932 text.
std::string LastErrorText();

// The folder holding the running program, with a trailing separator.
std::string ProgramFolder();

}  // namespace drafnova::platform
