#include "platform/files.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "platform/path_text.hpp"
#include "support/temp_folder.hpp"

namespace drafnova::platform {
namespace {

namespace fs = std::filesystem;
using drafnova::testing::TempFolder;

// The native path of the test folder, or of a UTF-8 name inside it, built
// without the converter under test for the name.
fs::path Native(const TempFolder& temp) { return drafnova::testing::NativePath(temp.Path()); }
fs::path Native(const TempFolder& temp, std::u8string_view name) {
    return Native(temp) / fs::path(name);
}

std::string ReadNative(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteNative(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void WriteWhole(const std::string& path, const std::string& bytes,
                OutputFile::Mode mode = OutputFile::Mode::Truncate) {
    OutputFile file(path, mode);
    file.Write(bytes.data(), bytes.size());
    file.Close();
}

std::string ReadWhole(const std::string& path) {
    InputFile file(path);
    std::string bytes(file.Size(), '\0');
    file.Read(bytes.data(), bytes.size());
    return bytes;
}

TEST(PathText, LastCharacterDecidesTheSeparator) {
    struct Case {
        std::string path;
        const char* separators;
        bool expected;
    };
    const std::string hyo = Sj(u8"表");  // 0x95 0x5C: its second byte is a backslash
    const Case cases[] = {
        {"", "\\/", false},
        {"C:\\", "\\/", true},
        {"C:/work/", "\\/", true},
        {"C:\\work", "\\/", false},
        {"C:\\" + hyo, "\\/", false},
        {"C:\\" + hyo + "\\", "\\/", true},
        {hyo + hyo, "\\", false},
        {"\xB1\\", "\\", true},               // half-width katakana is one byte
        {std::string("a\x95"), "\\", false},  // a lone lead byte at the end
        {"dir\\", "/", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EndsWithAnyOf(c.path, c.separators), c.expected) << c.path;
    }
}

TEST(PathText, PlatformSeparator) {
    EXPECT_TRUE(EndsWithSeparator(std::string("dir") + kPathSeparator));
    EXPECT_TRUE(EndsWithSeparator("dir/"));
    EXPECT_FALSE(EndsWithSeparator(Sj(u8"ソフト表")));
#ifdef _WIN32
    EXPECT_TRUE(EndsWithSeparator("dir\\"));
#else
    EXPECT_FALSE(EndsWithSeparator("dir\\"));
#endif
}

TEST(PathText, FolderPartEndsAtTheLastRealSeparator) {
    const std::string hyo = Sj(u8"表");
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(FolderLength("name.jww"), 0u);
    EXPECT_EQ(FolderLength(""), 0u);
    EXPECT_EQ(FolderLength("a" + sep + "b" + sep + "name.jww"), 4u);
    EXPECT_EQ(FolderLength(sep), 1u);
    // The second byte of "表" is no separator: the folder ends before it.
    EXPECT_EQ(FolderLength("a" + sep + hyo + ".jww"), 2u);
    EXPECT_EQ(FolderLength(hyo + hyo + sep + hyo), 5u);
#ifdef _WIN32
    EXPECT_EQ(FolderLength("C:name.jww"), 2u);
    EXPECT_EQ(FolderLength("C:\\work/x.jww"), 8u);
#endif
}

TEST(Files, JapaneseFolderAndFileNames) {
    TempFolder temp;
    const std::string folder = temp / (Sj(u8"図面表") + kPathSeparator);
    fs::create_directory(Native(temp, u8"図面表"));
    ASSERT_TRUE(DirectoryExists(folder));

    const std::string path = folder + Sj(u8"新規ソフト表.jww");
    WriteWhole(path, "JwwData.");

    // The name on disk is the Unicode name, not the CP932 bytes.
    const fs::path native = Native(temp, u8"図面表") / fs::path(u8"新規ソフト表.jww");
    EXPECT_TRUE(fs::is_regular_file(native));
    EXPECT_EQ(ReadNative(native), "JwwData.");
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadWhole(path), "JwwData.");
}

TEST(Files, LargeFileCrossesBufferBoundaries) {
    TempFolder temp;
    const std::string path = temp / "large.bin";
    std::string bytes(200 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
    }
    {
        OutputFile file(path);
        // Pieces of odd sizes, one of them larger than the buffer.
        std::size_t done = 0;
        for (const std::size_t piece : {1u, 7u, 70000u, 3u, 65536u}) {
            file.Write(bytes.data() + done, piece);
            done += piece;
        }
        file.Write(bytes.data() + done, bytes.size() - done);
        file.Close();
    }
    EXPECT_EQ(ReadNative(Native(temp, u8"large.bin")), bytes);

    InputFile file(path);
    EXPECT_EQ(file.Size(), bytes.size());
    std::string back;
    std::string piece;
    for (const std::size_t size : {5u, 65531u, 1u, 100000u}) {
        piece.resize(size);
        file.Read(piece.data(), size);
        back += piece;
    }
    piece.resize(file.Remaining());
    file.Read(piece.data(), piece.size());
    back += piece;
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(file.Remaining(), 0u);
}

TEST(Files, ShortReadRaises) {
    TempFolder temp;
    WriteNative(Native(temp, u8"short.bin"), "Jww");
    InputFile file(temp / "short.bin");
    EXPECT_EQ(file.Remaining(), 3u);
    char bytes[8] = {};
    EXPECT_THROW(file.Read(bytes, 8), IoError);
    char empty = 0;
    EXPECT_NO_THROW(file.Read(&empty, 0));
}

TEST(Files, OpenFailureNamesPathAndReason) {
    TempFolder temp;
    const std::string path = temp / Sj(u8"無い表.jww");
    try {
        InputFile file(path);
        FAIL() << "opened a missing file";
    } catch (const IoError& error) {
        const std::string message = error.what();
        const std::size_t at = message.find(path);
        ASSERT_NE(at, std::string::npos) << message;
        EXPECT_GT(message.size(), at + path.size() + 3) << "no reason after the path";
    }
    // A folder is no file to read.
    EXPECT_THROW(InputFile{temp.Path()}, IoError);
    // Bytes that are no CP932 character name no file.
    EXPECT_THROW(InputFile{temp / "a\x80.jww"}, IoError);
    EXPECT_THROW(OutputFile{temp / "a\x80.jww"}, IoError);
    EXPECT_FALSE(FileExists(temp / "a\x80.jww"));
    EXPECT_THROW(OutputFile{temp / (Sj(u8"無い") + kPathSeparator + "x.jww")}, IoError);
}

TEST(Files, CreateNewRefusesAnExistingFile) {
    TempFolder temp;
    const std::string path = temp / "old.jww";
    WriteWhole(path, "old contents");
    EXPECT_THROW(OutputFile(path, OutputFile::Mode::CreateNew), IoError);
    EXPECT_EQ(ReadWhole(path), "old contents");

    WriteWhole(temp / "new.jww", "new", OutputFile::Mode::CreateNew);
    EXPECT_EQ(ReadWhole(temp / "new.jww"), "new");

    WriteWhole(path, "ab");  // Truncate replaces the contents
    EXPECT_EQ(ReadWhole(path), "ab");
}

TEST(Files, FolderIsNotAFile) {
    TempFolder temp;
    fs::create_directory(Native(temp, u8"sub"));
    WriteNative(Native(temp, u8"file.jww"), "x");
    EXPECT_TRUE(DirectoryExists(temp / "sub"));
    EXPECT_FALSE(FileExists(temp / "sub"));
    EXPECT_TRUE(FileExists(temp / "file.jww"));
    EXPECT_FALSE(DirectoryExists(temp / "file.jww"));
    EXPECT_FALSE(FileExists(temp / "none.jww"));
    EXPECT_FALSE(DirectoryExists(temp / "none"));
}

TEST(Files, RenameRefusesWhereReplaceReplaces) {
    TempFolder temp;
    const std::string a = temp / "a.jww";
    const std::string b = temp / Sj(u8"表b.BAK");
    WriteWhole(a, "first");
    WriteWhole(b, "second");

    EXPECT_FALSE(RenameFile(a, b));
    EXPECT_EQ(ReadWhole(a), "first");
    EXPECT_EQ(ReadWhole(b), "second");
    EXPECT_FALSE(LastErrorText().empty());

    EXPECT_TRUE(ReplaceFile(a, b));
    EXPECT_FALSE(FileExists(a));
    EXPECT_EQ(ReadWhole(b), "first");

    EXPECT_TRUE(RenameFile(b, a));
    EXPECT_FALSE(FileExists(b));
    EXPECT_EQ(ReadWhole(a), "first");

    EXPECT_FALSE(RenameFile(temp / "none.jww", b));
    EXPECT_FALSE(ReplaceFile(temp / "none.jww", b));
}

TEST(Files, DeleteFile) {
    TempFolder temp;
    const std::string path = temp / Sj(u8"消す.jww");
    WriteWhole(path, "x");
    EXPECT_TRUE(DeleteFile(path));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(DeleteFile(path));
    EXPECT_FALSE(LastErrorText().empty());
}

TEST(Files, WriteAfterCloseRaisesAndCloseTwiceIsHarmless) {
    TempFolder temp;
    OutputFile file(temp / "closed.jww");
    file.Write("ab", 2);
    file.Close();
    EXPECT_NO_THROW(file.Close());
    EXPECT_THROW(file.Write("c", 1), IoError);
    EXPECT_EQ(ReadWhole(temp / "closed.jww"), "ab");
}

#ifndef _WIN32
// The system refuses bytes past a file size limit as it would on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(Files, RefusedBytesAreReportedByCloseAtTheLatest) {
    TempFolder temp;
    const FileSizeLimit limit(2);
    // Fewer bytes than one buffer: the failure shows when Close flushes.
    OutputFile file(temp / "small.jww");
    file.Write("abc", 3);
    EXPECT_THROW(file.Close(), IoError);

    // More than one buffer: the failure shows in Write.
    OutputFile big(temp / "big.jww");
    const std::string bytes(100 * 1024, 'x');
    EXPECT_THROW(big.Write(bytes.data(), bytes.size()), IoError);
}
#endif

TEST(Files, ProgramFolder) {
    const std::string folder = ProgramFolder();
    EXPECT_TRUE(EndsWithSeparator(folder)) << folder;
    EXPECT_TRUE(DirectoryExists(folder)) << folder;
}

}  // namespace
}  // namespace drafnova::platform
