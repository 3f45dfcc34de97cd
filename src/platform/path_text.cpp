#include "platform/path_text.hpp"

#include <algorithm>

#include "Func_/cp932.hpp"
#include "Func_/text.hpp"
#include "platform/files.hpp"

namespace drafnova::platform {

namespace {

#ifdef _WIN32
constexpr std::string_view kSeparators = "\\/";
constexpr std::string_view kFolderEnds = "\\/:";
#else
constexpr std::string_view kSeparators = "/";
constexpr std::string_view kFolderEnds = "/";
#endif

// Calls visit(position, length) for each character of path. Only a walk from
// the start knows which bytes are second bytes of double-byte characters.
template <typename Visit>
void ForEachCharacter(std::string_view path, Visit visit) {
    for (std::size_t i = 0; i < path.size();) {
        const auto byte = static_cast<unsigned char>(path[i]);
        const std::size_t length = (IsLeadByte(byte) && i + 1 < path.size()) ? 2 : 1;
        visit(i, length);
        i += length;
    }
}

}  // namespace

bool EndsWithAnyOf(std::string_view path, std::string_view separators) {
    bool ends = false;
    ForEachCharacter(path, [&](std::size_t at, std::size_t length) {
        ends = length == 1 && separators.find(path[at]) != std::string_view::npos;
    });
    return ends;
}

std::size_t FolderLength(std::string_view path) {
    std::size_t folder = 0;
    ForEachCharacter(path, [&](std::size_t at, std::size_t length) {
        if (length == 1 && kFolderEnds.find(path[at]) != std::string_view::npos) {
            folder = at + 1;
        }
    });
    return folder;
}

bool EndsWithSeparator(const std::string& path) { return EndsWithAnyOf(path, kSeparators); }

bool IsUnusablePath(std::string_view path) {
    if (path.find('\0') != std::string_view::npos) {
        return true;
    }
    if (std::all_of(path.begin(), path.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return false;  // plain ASCII is always a CP932 text
    }
    // No CP932 character decodes to U+FFFD, so one in the result marks bytes
    // that are not CP932.
    return Cp932ToUtf16(path).find(u'\uFFFD') != std::u16string::npos;
}

namespace {

std::string FileErrorMessage(FileAction action, const std::string& path,
                             const std::string& reason) {
    std::u8string_view what;
    switch (action) {
        case FileAction::Open:
            what = u8"ファイルを開けません";
            break;
        case FileAction::Create:
            what = u8"ファイルを作成できません";
            break;
        case FileAction::Read:
            what = u8"ファイルを読み込めません";
            break;
        case FileAction::ShortRead:
            what = u8"ファイルが途中で終わっています";
            break;
        case FileAction::Write:
            what = u8"ファイルに書き込めません";
            break;
        case FileAction::Close:
            what = u8"ファイルを閉じられません";
            break;
        case FileAction::Folder:
            what = u8"フォルダを調べられません";
            break;
    }
    std::string message = Sj(what) + ": " + path;
    if (!reason.empty()) {
        message += " (" + reason + ")";
    }
    return message;
}

}  // namespace

FileIoError::FileIoError(FileAction action, const std::string& path, const std::string& reason)
    : IoError(FileErrorMessage(action, path, reason)), action_(action), reason_(reason) {}

std::string UnusablePathReason() { return Sj(u8"パスに使えない文字があります"); }

}  // namespace drafnova::platform
