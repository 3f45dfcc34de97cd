#include "jwwunit/jww_file.hpp"

#include <array>
#include <exception>
#include <string_view>

#include "Func_/cp932.hpp"
#include "jwwunit/data_writer.hpp"
#include "jwwunit/header.hpp"
#include "platform/files.hpp"
#include "platform/path_text.hpp"

namespace drafnova {
namespace {

constexpr std::string_view kSignature = "JwwData.";

// Temporary files are named "~drafnova-save-N.tmp": never the name of a
// drawing, and a number of its own for each save that runs at the same time.
constexpr int kTemporaryNames = 100;

std::string TemporaryName(const std::string& folder, int number) {
    return folder + "~drafnova-save-" + std::to_string(number) + ".tmp";
}

bool SomethingAt(const std::string& path) {
    return platform::FileExists(path) || platform::DirectoryExists(path);
}

// Creates a new temporary file in the folder of path. A failure is reported
// as the failure to create path itself: that is the file the user asked for.
std::unique_ptr<platform::OutputFile> CreateTemporary(const std::string& path,
                                                      std::string& temporary) {
    const std::string folder = path.substr(0, platform::FolderLength(path));
    for (int number = 0; number < kTemporaryNames; ++number) {
        temporary = TemporaryName(folder, number);
        if (SomethingAt(temporary)) {
            continue;  // left by an earlier crash, or another save's
        }
        try {
            return std::make_unique<platform::OutputFile>(temporary,
                                                          platform::OutputFile::Mode::CreateNew);
        } catch (const platform::FileIoError& error) {
            if (SomethingAt(temporary)) {
                continue;  // another save took the name first
            }
            throw platform::FileError(platform::FileAction::Create, path, error.Reason());
        }
    }
    throw platform::FileError(platform::FileAction::Create, path,
                              Sj(u8"一時ファイルの名前がすべて使われています"));
}

}  // namespace

bool IsJwwFile(const std::string& path) {
    platform::InputFile file(path);
    try {
        std::array<char, 8> bytes{};
        file.Read(bytes.data(), bytes.size());
        std::string_view text(bytes.data(), bytes.size());
        text = text.substr(0, text.find('\0'));
        return text == kSignature;
    } catch (const IoError&) {
        return false;
    }
}

bool ReadJwwHeader(TDrawing& drawing, const std::string& path) {
    ClearHeader(drawing);
    platform::InputFile file(path);
    SizeHeaderTables(drawing);
    try {
        // Stops at the end of the header block; the data section stays unread.
        return ReadJwwHeaderBlock(file, drawing);
    } catch (const std::exception&) {
        // A file cut short or malformed: the fields read so far are kept.
        return false;
    }
}

bool SaveJww(TDrawing& drawing, const std::string& path, std::int32_t version) {
    return SaveJww(drawing, path, version, TSaveOptions{});
}

bool SaveJww(TDrawing& drawing, const std::string& path, std::int32_t version,
             const TSaveSinkFilter& filter) {
    TSaveOptions options;
    options.Filter = filter;
    return SaveJww(drawing, path, version, options);
}

bool SaveJww(TDrawing& drawing, const std::string& path, std::int32_t version,
             const TSaveOptions& options) {
    const TSaveSinkFilter& filter = options.Filter;
    std::string temporary;
    std::unique_ptr<platform::OutputFile> file = CreateTemporary(path, temporary);
    bool written = false;
    std::string reason;
    try {
        std::unique_ptr<ByteSink> filtered = filter ? filter(*file) : nullptr;
        // The writers put a few bytes per field; they are gathered here in
        // blocks, without a virtual call per field.
        BufferedSink sink(filtered ? *filtered : *file);
        WriteJwwHeader(sink, drawing, version);
        WriteJwwData(sink, drawing, version);
        sink.Flush();
        filtered.reset();
        file->Close();  // flushes and forces the bytes to the disk
        written = true;
    } catch (const platform::FileIoError& error) {
        reason = error.Reason();  // the temporary file's name would only confuse
    } catch (const std::exception& error) {
        // Reported through the result; the temporary file goes below.
        reason = error.what();
    }
    file.reset();
    if (written && !options.BackupPath.empty() && platform::FileExists(path)) {
        // The old file becomes the backup only now that the new one is whole.
        // Its result is not looked at: without a backup the old file stays
        // where it is until the new one replaces it.
        static_cast<void>(platform::ReplaceFile(path, options.BackupPath));
    }
    // Only a whole file replaces what is at path, in one rename.
    if (written) {
        if (platform::ReplaceFile(temporary, path)) return true;
        reason = platform::LastErrorText();
    }
    platform::DeleteFile(temporary);
    if (options.FailureReason != nullptr) *options.FailureReason = reason;
    return false;
}

}  // namespace drafnova
