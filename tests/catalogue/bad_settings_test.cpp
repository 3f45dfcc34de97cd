// Bad settings files given with --ini: what is read from them, what the user
// sees, and that a file that cannot be read is never rewritten.
#ifndef _WIN32

#include <gtest/gtest.h>

#include "UnitIni/ini_file.hpp"
#include "catalogue/catalogue_support.hpp"
#include "jwwunit/jww_file.hpp"

namespace drafnova {
namespace {

using testing::RunCli;
using testing::TCliResult;
using testing::TempFolder;

class BadSettings : public ::testing::Test {
protected:
    // Creates a drawing from the settings file "bad.ini" and gives the result.
    TCliResult CreateFrom(const std::string& text, std::vector<std::string> more = {}) {
        testing::WriteFileText(folder / "bad.ini", text);
        std::vector<std::string> arguments = {"new", "--yes", "--no-open", "--ini", "bad.ini"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return RunCli(folder, arguments);
    }
    TDrawing Read(const std::string& name) {
        TDrawing drawing;
        EXPECT_TRUE(ReadJwwHeader(drawing, folder / name)) << name;
        return drawing;
    }
    TempFolder folder;
};

TEST_F(BadSettings, BinaryBytesLeaveTheKeysThatCanBeRead) {
    const std::string text = std::string("\x00\x01\xFF\xFE", 4) + "[Sets\r\n[Sets]\r\nNEWF=bin" +
                             std::string(1, '\0') + "ary\r\nJVER=\xFF\xFE\r\n\x1B[2J\r\n" +
                             "PAPE=8\r\nLAYG=\x81\r\n";
    const TCliResult result = CreateFrom(text, {"--save-settings"});
    EXPECT_EQ(result.Exit, 0) << result.Err;
    const TDrawing drawing = Read("bin.JWW");  // the name ends at the zero byte
    EXPECT_EQ(drawing.Header.PaperSize, 4);    // A4横 taken
    EXPECT_EQ(drawing.Header.Version, 220);    // "\xFF\xFE" reads as 0: the first entry
    // The lines that are no settings are kept as they were.
    const auto saved = testing::ReadFileBytes(folder / "bad.ini");
    const std::string kept(saved.begin(), saved.end());
    EXPECT_EQ(kept.substr(0, 12), text.substr(0, 12));
    EXPECT_NE(kept.find("\x1B[2J\r\n"), std::string::npos);
}

TEST_F(BadSettings, AGiantLineIsReadPastAndKept) {
    const std::string giant(2'000'000, ';');
    const TCliResult result =
        CreateFrom(giant + "\r\n[Sets]\r\nNEWF=after\r\n", {"--save-settings"});
    EXPECT_EQ(result.Exit, 0) << result.Err;
    EXPECT_EQ(Read("after.JWW").Header.Version, 700);
    const auto saved = testing::ReadFileBytes(folder / "bad.ini");
    EXPECT_TRUE(std::equal(giant.begin(), giant.end(), saved.begin()));
}

TEST_F(BadSettings, AGiantNameIsCutAndThenRefusedByTheSystem) {
    const TCliResult result = CreateFrom("[Sets]\r\nNEWF=" + std::string(100'000, 'g') + "\r\n");
    EXPECT_EQ(result.Exit, 2);
    const std::string name = std::string(254, 'g') + ".JWW";  // cut to 254 bytes
    EXPECT_EQ(result.Err, "Error: 図面ファイル「" + Cp932ToUtf8(folder.Path()) + name +
                              "」を作成できませんでした (File name too long)\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"bad.ini"});
}

TEST_F(BadSettings, ANameThatIsNoTextIsAnErrorThatSaysSo) {
    const TCliResult result = CreateFrom("[Sets]\r\nNEWF=ab\x81\r\n");
    EXPECT_EQ(result.Exit, 2);
    EXPECT_NE(result.Err.find("(パスに使えない文字があります)"), std::string::npos) << result.Err;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"bad.ini"});
}

TEST_F(BadSettings, ValuesOutOfRangeKeepTheDefaults) {
    const TCliResult result = CreateFrom(
        "[Sets]\r\nNEWF=range\r\nJVER=99\r\nPAPE=-1\r\nLAYG=16\r\nGRDS=1E400\r\n"
        "RINX=-5\r\nRINY=abc\r\nLG_D0=" +
        std::string(500, '9') + "\r\n");
    EXPECT_EQ(result.Exit, 0) << result.Err;
    const TDrawing drawing = Read("range.JWW");
    EXPECT_EQ(drawing.Header.Version, 700);
    EXPECT_EQ(drawing.Header.PaperSize, 0);  // A0
    EXPECT_EQ(drawing.Header.WriteLayerGroup, 0);
    EXPECT_EQ(drawing.Header.GridIntervalX, 5.0);
}

TEST_F(BadSettings, AFileLargerThanTheLimitIsNeitherReadNorRewritten) {
    std::string text = "[Sets]\r\nNEWF=huge\r\n";
    text += std::string(kMaxIniFileSize, ';');
    const TCliResult result = CreateFrom(text, {"--save-settings"});
    EXPECT_EQ(result.Exit, 0) << result.Err;
    EXPECT_NE(result.Err.find("Warning: the settings file could not be read: bad.ini\n"),
              std::string::npos);
    EXPECT_NE(result.Err.find("Warning: the settings could not be saved to bad.ini\n"),
              std::string::npos);
    EXPECT_EQ(Read(Sj(u8"新規図面.JWW")).Header.Version, 700);  // the defaults
    EXPECT_EQ(std::filesystem::file_size(testing::NativePath(folder / "bad.ini")), text.size());
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"bad.ini", "新規図面.JWW"}));
}

TEST_F(BadSettings, AFolderOrAMissingFolderAsTheSettingsFile) {
    std::filesystem::create_directory(testing::NativePath(folder / "settings"));
    for (const char* ini : {"settings", "nowhere/drafnova.ini"}) {
        const TCliResult result = RunCli(
            folder, {"new", "--no-open", "--ini", ini, "--save-settings", "--name", "x", "--yes"});
        EXPECT_EQ(result.Exit, 0) << result.Err;
        EXPECT_NE(result.Err.find(std::string("Warning: the settings could not be saved to ") +
                                  ini + "\n"),
                  std::string::npos)
            << result.Err;
    }
    // No temporary file of the settings is left, in the folder or beside it.
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"settings", "x.BAK", "x.JWW"}));
    EXPECT_TRUE(std::filesystem::is_empty(testing::NativePath(folder / "settings")));
}

}  // namespace
}  // namespace drafnova

#endif  // _WIN32
