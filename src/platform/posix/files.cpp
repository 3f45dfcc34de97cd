// The file layer on Linux: CP932 paths become UTF-8 names through the
// project's converter, so both platforms read a path the same way.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "Func_/cp932.hpp"
#include "platform/files.hpp"
#include "platform/path_text.hpp"

namespace drafnova::platform {
namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

// The native (UTF-8) form of a CP932 path; false (errno EILSEQ) for a path
// that names no file.
bool NativePath(const std::string& path, std::string& native) {
    if (IsUnusablePath(path)) {
        errno = EILSEQ;
        return false;
    }
    native = Cp932ToUtf8(path);
    return true;
}

std::string ReasonFor(int error) {
    return Utf8ToCp932(std::error_code(error, std::generic_category()).message());
}

int CloseRetrying(int fd) {
    // close(2) must not be retried on EINTR on Linux: the descriptor is gone.
    return ::close(fd);
}

}  // namespace

// ---------------------------------------------------------------- InputFile

struct InputFile::Handle {
    int fd = -1;
    std::string buffer;     // bytes read ahead
    std::size_t start = 0;  // first unread byte of buffer
};

InputFile::InputFile(const std::string& path) : handle_(std::make_unique<Handle>()), path_(path) {
    std::string native;
    if (!NativePath(path, native)) {
        throw FileError(FileAction::Open, path, UnusablePathReason());
    }
    const int fd =
        ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);  // a pipe must not block
    if (fd < 0) {
        throw FileError(FileAction::Open, path, ReasonFor(errno));
    }
    struct stat info {};
    int error = 0;
    if (::fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        error = EINVAL;  // a device or a pipe has no size to read by
    }
    if (error != 0) {
        CloseRetrying(fd);
        throw FileError(FileAction::Open, path, ReasonFor(error));
    }
    handle_->fd = fd;
    size_ = static_cast<std::uint64_t>(info.st_size);
}

InputFile::~InputFile() {
    if (handle_ && handle_->fd >= 0) {
        CloseRetrying(handle_->fd);
    }
}

std::uint64_t InputFile::Remaining() const { return size_ - position_; }

void InputFile::Read(void* data, std::size_t size) {
    if (size > Remaining()) {
        throw FileError(FileAction::ShortRead, path_, "");
    }
    auto* out = static_cast<char*>(data);
    while (size > 0) {
        Handle& h = *handle_;
        if (h.start < h.buffer.size()) {
            const std::size_t n = std::min(size, h.buffer.size() - h.start);
            std::copy_n(h.buffer.data() + h.start, n, out);
            h.start += n;
            out += n;
            size -= n;
            position_ += n;
            continue;
        }
        h.buffer.resize(kBufferSize);
        h.start = 0;
        ssize_t got = 0;
        do {
            got = ::read(h.fd, h.buffer.data(), h.buffer.size());
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            h.buffer.clear();
            throw FileError(FileAction::Read, path_, ReasonFor(errno));
        }
        h.buffer.resize(static_cast<std::size_t>(got));
        if (got == 0) {
            // The file became shorter after it was opened.
            throw FileError(FileAction::ShortRead, path_, "");
        }
    }
}

// --------------------------------------------------------------- OutputFile

struct OutputFile::Handle {
    int fd = -1;
};

OutputFile::OutputFile(const std::string& path, Mode mode)
    : handle_(std::make_unique<Handle>()), path_(path) {
    std::string native;
    if (!NativePath(path, native)) {
        throw FileError(FileAction::Create, path, UnusablePathReason());
    }
    int flags = O_WRONLY | O_CREAT | O_CLOEXEC;
    flags |= mode == Mode::CreateNew ? O_EXCL : O_TRUNC;
    int fd = -1;
    do {
        fd = ::open(native.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        throw FileError(FileAction::Create, path, ReasonFor(errno));
    }
    handle_->fd = fd;
    buffer_.reserve(kBufferSize);
}

OutputFile::~OutputFile() {
    // Reached without Close only when writing was abandoned: the bytes still
    // buffered are dropped and the caller removes the file.
    if (handle_ && handle_->fd >= 0) {
        CloseRetrying(handle_->fd);
    }
}

void OutputFile::Write(const void* data, std::size_t size) {
    if (handle_->fd < 0) {
        throw FileError(FileAction::Write, path_, ReasonFor(EBADF));
    }
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const std::size_t n = std::min(size, kBufferSize - buffer_.size());
        buffer_.append(bytes, n);
        bytes += n;
        size -= n;
        if (buffer_.size() == kBufferSize) {
            Flush();
        }
    }
}

void OutputFile::Flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t put = ::write(handle_->fd, buffer_.data() + done, buffer_.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            // write(2) taking nothing without an error means the disk is full.
            const int error = put < 0 ? errno : ENOSPC;
            buffer_.clear();
            throw FileError(FileAction::Write, path_, ReasonFor(error));
        }
        done += static_cast<std::size_t>(put);
    }
    buffer_.clear();
}

void OutputFile::Close() {
    if (handle_->fd < 0) {
        return;
    }
    Flush();
    const int fd = handle_->fd;
    handle_->fd = -1;
    int error = 0;
    if (::fsync(fd) != 0) {
        error = errno;
    }
    if (CloseRetrying(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        throw FileError(FileAction::Close, path_, ReasonFor(error));
    }
}

// ------------------------------------------------------- names and folders

bool FileExists(const std::string& path) {
    std::string native;
    struct stat info {};
    return NativePath(path, native) && ::stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
    std::string native;
    struct stat info {};
    return NativePath(path, native) && ::stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool DeleteFile(const std::string& path) {
    std::string native;
    return NativePath(path, native) && ::unlink(native.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    std::string nativeFrom;
    std::string nativeTo;
    if (!NativePath(from, nativeFrom) || !NativePath(to, nativeTo)) {
        return false;
    }
    if (::renameat2(AT_FDCWD, nativeFrom.c_str(), AT_FDCWD, nativeTo.c_str(), RENAME_NOREPLACE) ==
        0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        return false;
    }
    // A file system without the refusing rename: test first, then rename.
    struct stat info {};
    if (::lstat(nativeTo.c_str(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(nativeFrom.c_str(), nativeTo.c_str()) == 0;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
    std::string nativeFrom;
    std::string nativeTo;
    if (!NativePath(from, nativeFrom) || !NativePath(to, nativeTo)) {
        return false;
    }
    if (::rename(nativeFrom.c_str(), nativeTo.c_str()) != 0) {
        return false;
    }
    // Make the new name itself durable: sync the folder that holds it. A
    // failure here loses nothing (the old or the new file is there whole).
    const std::size_t slash = nativeTo.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : nativeTo.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        CloseRetrying(fd);
    }
    return true;
}

std::string LastErrorText() { return errno == EILSEQ ? UnusablePathReason() : ReasonFor(errno); }

std::string ProgramFolder() {
    std::string target(PATH_MAX, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", target.data(), target.size());
        if (length < 0) {
            throw FileError(FileAction::Folder, "/proc/self/exe", ReasonFor(errno));
        }
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            break;
        }
        target.resize(target.size() * 2);
    }
    const std::size_t slash = target.rfind('/');
    return Utf8ToCp932(target.substr(0, slash + 1));
}

}  // namespace drafnova::platform
