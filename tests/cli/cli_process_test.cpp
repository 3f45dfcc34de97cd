// drafnova-cli as a user runs it: a process with arguments, no terminal on
// its input, exit code and messages checked.
#ifndef _WIN32

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Func_/cp932.hpp"
#include "jwwunit/jww_file.hpp"
#include "support/temp_folder.hpp"

extern char** environ;

namespace drafnova {
namespace {

using testing::Exists;
using testing::TempFolder;

struct Result {
    int Exit = -1;
    std::string Out;  // UTF-8
    std::string Err;  // UTF-8
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the program in folder (a UTF-8 path) with UTF-8 arguments and no
// terminal on standard input.
Result RunCli(const std::string& folder, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), DRAFNOVA_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const std::string out = folder + "/.stdout", err = folder + "/.stderr";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    // The child starts in folder; no display, so nothing is opened.
    // The print server is one that is not there (nothing listens on the
    // discard port of this machine): the printer system has no printer.
    std::vector<std::string> env = {"PATH=/usr/bin:/bin", "LANG=C.UTF-8", "CUPS_SERVER=127.0.0.1:9",
                                    "HOME=" + folder};
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    const std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    std::filesystem::current_path(previous);
    posix_spawn_file_actions_destroy(&actions);
    Result result;
    if (spawned != 0) return result;
    int status = 0;
    waitpid(child, &status, 0);
    result.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Out = Slurp(out);
    result.Err = Slurp(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

std::string Utf8(const std::string& cp932) { return Cp932ToUtf8(cp932); }

class CliProcessTest : public ::testing::Test {
protected:
    std::string Here() const { return Utf8(folder.Path()); }
    TempFolder folder;
};

TEST_F(CliProcessTest, DefaultDrawingIsWrittenThenTheOverwriteIsDeclinedWithoutATerminal) {
    Result first = RunCli(Here(), {"new", "--ini", "none.ini"});
    ASSERT_EQ(first.Exit, 0) << first.Err;
    const std::string drawing = folder / Sj(u8"新規図面.JWW");
    EXPECT_TRUE(Exists(drawing));
    EXPECT_NE(first.Err.find("新規図面.JWW"), std::string::npos) << first.Err;
    const auto before = testing::ReadFileBytes(drawing);

    Result second = RunCli(Here(), {"new", "--ini", "none.ini", "--version", "2.20"});
    EXPECT_EQ(second.Exit, 1);
    EXPECT_NE(second.Err.find("上書きしてもよろしいですか"), std::string::npos) << second.Err;
    EXPECT_EQ(testing::ReadFileBytes(drawing), before);
    EXPECT_FALSE(Exists(folder / Sj(u8"新規図面.BAK")));

    Result third = RunCli(Here(), {"new", "--ini", "none.ini", "--yes", "--version", "2.20"});
    EXPECT_EQ(third.Exit, 0) << third.Err;
    EXPECT_EQ(testing::ReadFileBytes(folder / Sj(u8"新規図面.BAK")), before);
}

TEST_F(CliProcessTest, JapaneseFolderAndNameWorkEndToEnd) {
    std::filesystem::create_directory(testing::NativePath(folder / Sj(u8"図面フォルダ表")));
    Result result = RunCli(Here(), {"new", "--ini", "none.ini", "--folder", "図面フォルダ表",
                                    "--name", "一階平面図", "--paper", "A3横"});
    ASSERT_EQ(result.Exit, 0) << result.Err;
    const std::string path = folder / Sj(u8"図面フォルダ表/一階平面図.JWW");
    ASSERT_TRUE(Exists(path));
    TDrawing read;
    ASSERT_TRUE(ReadJwwHeader(read, path));
    EXPECT_EQ(read.Header.PaperSize, 3);

    Result info = RunCli(Here(), {"info", "図面フォルダ表/一階平面図.JWW"});
    EXPECT_EQ(info.Exit, 0) << info.Err;
    EXPECT_NE(info.Out.find("Version: 7.00"), std::string::npos) << info.Out;
    EXPECT_NE(info.Out.find("Paper code: 3"), std::string::npos) << info.Out;
    EXPECT_NE(info.Out.find("  1  #00C0C0 1; #00FFFF 1 0.2\n"), std::string::npos) << info.Out;
}

TEST_F(CliProcessTest, RefusedNameAndBadValuesSayWhatIsWrong) {
    Result refused = RunCli(Here(), {"new", "--ini", "none.ini", "--name", "a/b"});
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_NE(refused.Err.find("file name"), std::string::npos) << refused.Err;
    Result blank = RunCli(Here(), {"new", "--ini", "none.ini", "--folder", "　"});
    EXPECT_EQ(blank.Exit, 1);
    EXPECT_NE(blank.Err.find("folder"), std::string::npos) << blank.Err;
    Result unknown = RunCli(Here(), {"new", "--paper", "A9"});
    EXPECT_EQ(unknown.Exit, 2);
    EXPECT_NE(unknown.Err.find("A4縦"), std::string::npos) << unknown.Err;
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{});
}

TEST_F(CliProcessTest, MissingFolderAndBadFilesEndInErrorsThatNameThem) {
    Result missing = RunCli(Here(), {"new", "--ini", "none.ini", "--folder", "nowhere"});
    EXPECT_EQ(missing.Exit, 2);
    EXPECT_NE(missing.Err.find("nowhere"), std::string::npos) << missing.Err;

    testing::WriteFileText(folder / "notes.txt", "hello");
    Result notJww = RunCli(Here(), {"info", "notes.txt"});
    EXPECT_EQ(notJww.Exit, 2);
    EXPECT_NE(notJww.Err.find("not a JWW drawing"), std::string::npos) << notJww.Err;
    Result absent = RunCli(Here(), {"info", "absent.jww"});
    EXPECT_EQ(absent.Exit, 2);
}

TEST_F(CliProcessTest, PrinterPaperWithoutAPrinterEndsInThePrinterError) {
    for (const char* paper : {"printer-physical", "プリンタ印刷可能領域"}) {
        Result result = RunCli(Here(), {"new", "--ini", "none.ini", "--paper", paper});
        EXPECT_EQ(result.Exit, 2) << paper;
        EXPECT_NE(result.Err.find("デフォルト プリンタが存在しません"), std::string::npos)
            << result.Err;
        Result named =
            RunCli(Here(), {"new", "--ini", "none.ini", "--paper", paper, "--printer", "office"});
        EXPECT_EQ(named.Exit, 2) << paper;
        EXPECT_NE(named.Err.find("選択したプリンタは有効ではありません"), std::string::npos)
            << named.Err;
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{});
}

TEST_F(CliProcessTest, InfoAsJson) {
    ASSERT_EQ(
        RunCli(Here(), {"new", "--ini", "none.ini", "--name", "j", "--write-group", "C"}).Exit, 0);
    Result info = RunCli(Here(), {"info", "--json", "j.JWW"});
    ASSERT_EQ(info.Exit, 0) << info.Err;
    EXPECT_EQ(info.Out.front(), '{');
    EXPECT_NE(info.Out.find("\"version\": 700"), std::string::npos) << info.Out;
    EXPECT_NE(info.Out.find("\"writeLayerGroup\": 12"), std::string::npos) << info.Out;
    EXPECT_NE(info.Out.find("{\"group\": 12, \"state\": 3"), std::string::npos) << info.Out;
}

TEST_F(CliProcessTest, SettingsFileIsLoadedAndSavedLikeTheWindowDoes) {
    testing::WriteFileText(folder / "my.ini",
                           "[Sets]\r\nNEWF=from-ini\r\nJVER=7\r\nLG_D3=1/30\r\n");
    Result result = RunCli(Here(), {"new", "--ini", "my.ini", "--paper", "A4L", "--save-settings"});
    ASSERT_EQ(result.Exit, 0) << result.Err;
    TDrawing read;
    ASSERT_TRUE(ReadJwwHeader(read, folder / "from-ini.JWW"));
    EXPECT_EQ(read.Header.Version, 600);
    EXPECT_EQ(read.LayerGroups[3].Scale, 30.0);
    EXPECT_EQ(read.Header.PaperSize, 4);
    const auto saved = testing::ReadFileBytes(folder / "my.ini");
    const std::string text(saved.begin(), saved.end());
    EXPECT_NE(text.find("NEWF=from-ini\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("PAPE=8\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("RINY=0\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace drafnova

#endif  // _WIN32
