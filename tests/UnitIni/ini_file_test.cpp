#include "UnitIni/ini_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"
#include "support/temp_folder.hpp"

namespace drafnova {
namespace {

using testing::Exists;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileText;

std::string ReadFileText(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}

TEST(IniFile, MissingFileIsCreatedAndReadBack) {
    TempFolder folder;
    const std::string file = folder / Sj(u8"表示.ini");  // second byte 0x5C in the name
    std::string value = "old";
    EXPECT_FALSE(IniReadString("Sets", "NEWF", value, file, 255));
    EXPECT_EQ(value, "");

    EXPECT_TRUE(IniWriteString("Sets", "NEWF", Sj(u8"新規図面"), file));
    EXPECT_TRUE(IniWriteString("Form", "F1_X", "192", file));
    EXPECT_TRUE(IniWriteString("sets", "newf", Sj(u8"平面図"), file));
    EXPECT_EQ(ReadFileText(file),
              "[Sets]\r\nnewf=" + Sj(u8"平面図") + "\r\n[Form]\r\nF1_X=192\r\n");
    EXPECT_TRUE(IniReadString("SETS", "NEWF", value, file, 255));
    EXPECT_EQ(value, Sj(u8"平面図"));
    EXPECT_TRUE(IniReadString("Form", "F1_X", value, file, 3));
    EXPECT_EQ(value, "19");
    // No temporary file stays behind.
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{Cp932ToUtf8(Sj(u8"表示.ini"))});
}

TEST(IniFile, OtherBytesOfTheFileAreKept) {
    TempFolder folder;
    const std::string file = folder / "drafnova.ini";
    const std::string original = "; mine\n[Form]\nF1_X=1\n\n[Mine]\nkey = 'value'\n";
    WriteFileText(file, original);
    EXPECT_TRUE(IniWriteString("Form", "F1_Y", "2", file));
    EXPECT_EQ(ReadFileText(file), "; mine\n[Form]\nF1_X=1\nF1_Y=2\r\n\n[Mine]\nkey = 'value'\n");
}

TEST(IniFile, LeftoverTemporaryFileIsReplaced) {
    TempFolder folder;
    const std::string file = folder / "drafnova.ini";
    WriteFileText(file + ".tmp", "half a file from a save that did not finish");
    EXPECT_TRUE(IniWriteString("Sets", "A", "1", file));
    EXPECT_EQ(ReadFileText(file), "[Sets]\r\nA=1\r\n");
    EXPECT_FALSE(Exists(file + ".tmp"));
}

TEST(IniFile, FailuresChangeNothingAndRaiseNothing) {
    TempFolder folder;
    // A folder where the file should be: it can be neither read nor replaced.
    const std::string asFolder = folder / "drafnova.ini";
    std::filesystem::create_directory(testing::NativePath(asFolder));
    std::string value;
    EXPECT_FALSE(IniWriteString("Sets", "A", "1", asFolder));
    EXPECT_FALSE(IniReadString("Sets", "A", value, asFolder, 22));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"drafnova.ini"});

    // A folder that does not exist.
    EXPECT_FALSE(IniWriteString("Sets", "A", "1", folder / "missing/drafnova.ini"));

    // A value that would break the file's lines.
    const std::string file = folder / "ok.ini";
    WriteFileText(file, "[Sets]\r\nA=1\r\n");
    EXPECT_FALSE(IniWriteString("Sets", "A", "2\r\nB=3", file));
    EXPECT_EQ(ReadFileText(file), "[Sets]\r\nA=1\r\n");
}

TEST(IniFile, OversizedFileIsNeitherReadNorRewritten) {
    TempFolder folder;
    const std::string file = folder / "big.ini";
    WriteFileText(file, "[Sets]\r\nA=1\r\n");
    std::filesystem::resize_file(testing::NativePath(file), kMaxIniFileSize + 1);  // zero bytes
    std::string value;
    EXPECT_FALSE(IniReadString("Sets", "A", value, file, 22));
    EXPECT_FALSE(IniWriteString("Sets", "A", "2", file));
    EXPECT_EQ(std::filesystem::file_size(testing::NativePath(file)), kMaxIniFileSize + 1);
    std::ifstream in(testing::NativePath(file), std::ios::binary);
    std::string start(13, '\0');
    in.read(start.data(), 13);
    EXPECT_EQ(start, "[Sets]\r\nA=1\r\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"big.ini"});
}

}  // namespace
}  // namespace drafnova
