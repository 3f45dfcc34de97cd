#include "platform/path_text.hpp"

#include "Func_/cp932.hpp"
#include "Func_/text.hpp"
#include "platform/files.hpp"

namespace drafnova::platform {

bool EndsWithAnyOf(std::string_view path, std::string_view separators) {
    // Walk the characters from the start: only there is it known which bytes
    // are second bytes of double-byte characters.
    std::size_t last = std::string_view::npos;
    std::size_t lastLength = 0;
    for (std::size_t i = 0; i < path.size();) {
        const auto byte = static_cast<unsigned char>(path[i]);
        const std::size_t length = (IsLeadByte(byte) && i + 1 < path.size()) ? 2 : 1;
        last = i;
        lastLength = length;
        i += length;
    }
    return last != std::string_view::npos && lastLength == 1 &&
           separators.find(path[last]) != std::string_view::npos;
}

bool EndsWithSeparator(const std::string& path) {
#ifdef _WIN32
    return EndsWithAnyOf(path, "\\/");
#else
    return EndsWithAnyOf(path, "/");
#endif
}

bool IsUnusablePath(std::string_view path) {
    if (path.find('\0') != std::string_view::npos) {
        return true;
    }
    // No CP932 character decodes to U+FFFD, so one in the result marks bytes
    // that are not CP932.
    return Cp932ToUtf16(path).find(u'\uFFFD') != std::u16string::npos;
}

IoError FileError(FileAction action, const std::string& path, const std::string& reason) {
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
    return IoError(message);
}

std::string UnusablePathReason() { return Sj(u8"パスに使えない文字があります"); }

}  // namespace drafnova::platform
