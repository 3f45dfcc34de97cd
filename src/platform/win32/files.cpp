// The file layer on Windows: CP932 paths become UTF-16 through the project's
// converter and go to the W functions, so a Japanese name (or one whose
// second byte is a backslash) is right whatever the system code page.

#include "platform/files.hpp"

#include <algorithm>
#include <cstring>
#include <string>

#include "Func_/cp932.hpp"
#include "platform/path_text.hpp"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// <windows.h> names these after the W functions; the layer's own routines
// keep their names.
#undef DeleteFile
#undef ReplaceFile

namespace drafnova::platform {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

// The native (UTF-16) form of a CP932 path; false (last error
// ERROR_NO_UNICODE_TRANSLATION) for a path that names no file.
bool NativePath(const std::string& path, std::wstring& native) {
    if (IsUnusablePath(path)) {
        ::SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return false;
    }
    const std::u16string wide = Cp932ToUtf16(path);
    native.assign(wide.begin(), wide.end());
    return true;
}

std::string ReasonFor(DWORD error) {
    if (error == ERROR_NO_UNICODE_TRANSLATION) {
        return UnusablePathReason();
    }
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::u16string reason;
    if (length > 0 && text != nullptr) {
        reason.assign(text, text + length);
    }
    if (text != nullptr) {
        ::LocalFree(text);
    }
    while (!reason.empty() &&
           (reason.back() == u'\r' || reason.back() == u'\n' || reason.back() == u' ')) {
        reason.pop_back();
    }
    if (reason.empty()) {
        return "error " + std::to_string(error);
    }
    return Utf16ToCp932(reason);
}

}  // namespace

// ---------------------------------------------------------------- InputFile

struct InputFile::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
    std::string buffer;     // bytes read ahead
    std::size_t start = 0;  // first unread byte of buffer
};

InputFile::InputFile(const std::string& path) : handle_(std::make_unique<Handle>()), path_(path) {
    std::wstring native;
    if (!NativePath(path, native)) {
        throw FileError(FileAction::Open, path, UnusablePathReason());
    }
    const HANDLE file = ::CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw FileError(FileAction::Open, path, ReasonFor(::GetLastError()));
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart < 0) {
        const DWORD error = ::GetLastError();
        ::CloseHandle(file);
        throw FileError(FileAction::Open, path, ReasonFor(error));
    }
    handle_->file = file;
    size_ = static_cast<std::uint64_t>(size.QuadPart);
}

InputFile::~InputFile() {
    if (handle_ && handle_->file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle_->file);
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
            std::memcpy(out, h.buffer.data() + h.start, n);
            h.start += n;
            out += n;
            size -= n;
            position_ += n;
            continue;
        }
        h.buffer.resize(kBufferSize);
        h.start = 0;
        DWORD got = 0;
        if (!::ReadFile(h.file, h.buffer.data(), static_cast<DWORD>(h.buffer.size()), &got,
                        nullptr)) {
            const DWORD error = ::GetLastError();
            h.buffer.clear();
            throw FileError(FileAction::Read, path_, ReasonFor(error));
        }
        h.buffer.resize(got);
        if (got == 0) {
            // The file became shorter after it was opened.
            throw FileError(FileAction::ShortRead, path_, "");
        }
    }
}

// --------------------------------------------------------------- OutputFile

struct OutputFile::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
};

OutputFile::OutputFile(const std::string& path, Mode mode)
    : handle_(std::make_unique<Handle>()), path_(path) {
    std::wstring native;
    if (!NativePath(path, native)) {
        throw FileError(FileAction::Create, path, UnusablePathReason());
    }
    const DWORD disposition = mode == Mode::CreateNew ? CREATE_NEW : CREATE_ALWAYS;
    const HANDLE file = ::CreateFileW(native.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw FileError(FileAction::Create, path, ReasonFor(::GetLastError()));
    }
    handle_->file = file;
    buffer_.reserve(kBufferSize);
}

OutputFile::~OutputFile() {
    // Reached without Close only when writing was abandoned: the bytes still
    // buffered are dropped and the caller removes the file.
    if (handle_ && handle_->file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle_->file);
    }
}

void OutputFile::Write(const void* data, std::size_t size) {
    if (handle_->file == INVALID_HANDLE_VALUE) {
        throw FileError(FileAction::Write, path_, ReasonFor(ERROR_INVALID_HANDLE));
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
        DWORD put = 0;
        const BOOL ok = ::WriteFile(handle_->file, buffer_.data() + done,
                                    static_cast<DWORD>(buffer_.size() - done), &put, nullptr);
        if (!ok || put == 0) {
            const DWORD error = ok ? static_cast<DWORD>(ERROR_DISK_FULL) : ::GetLastError();
            buffer_.clear();
            throw FileError(FileAction::Write, path_, ReasonFor(error));
        }
        done += put;
    }
    buffer_.clear();
}

void OutputFile::Close() {
    if (handle_->file == INVALID_HANDLE_VALUE) {
        return;
    }
    Flush();
    const HANDLE file = handle_->file;
    handle_->file = INVALID_HANDLE_VALUE;
    DWORD error = 0;
    if (!::FlushFileBuffers(file)) {
        error = ::GetLastError();
    }
    if (!::CloseHandle(file) && error == 0) {
        error = ::GetLastError();
    }
    if (error != 0) {
        throw FileError(FileAction::Close, path_, ReasonFor(error));
    }
}

// ------------------------------------------------------- names and folders

namespace {

DWORD AttributesOf(const std::string& path) {
    std::wstring native;
    if (!NativePath(path, native)) {
        return INVALID_FILE_ATTRIBUTES;
    }
    return ::GetFileAttributesW(native.c_str());
}

bool Move(const std::string& from, const std::string& to, DWORD flags) {
    std::wstring nativeFrom;
    std::wstring nativeTo;
    return NativePath(from, nativeFrom) && NativePath(to, nativeTo) &&
           ::MoveFileExW(nativeFrom.c_str(), nativeTo.c_str(), flags) != 0;
}

}  // namespace

bool FileExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DeleteFile(const std::string& path) {
    std::wstring native;
    return NativePath(path, native) && ::DeleteFileW(native.c_str()) != 0;
}

bool RenameFile(const std::string& from, const std::string& to) { return Move(from, to, 0); }

bool ReplaceFile(const std::string& from, const std::string& to) {
    return Move(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

std::string LastErrorText() { return ReasonFor(::GetLastError()); }

std::string ProgramFolder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            throw FileError(FileAction::Folder, "", ReasonFor(::GetLastError()));
        }
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);  // cut short: try a larger buffer
    }
    const std::size_t slash = name.find_last_of(L"\\/");
    const std::wstring folder = name.substr(0, slash + 1);
    return Utf16ToCp932(std::u16string(folder.begin(), folder.end()));
}

}  // namespace drafnova::platform
