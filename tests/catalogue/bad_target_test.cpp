// Bad names, folders and targets for "new": what the user sees, and that the
// drawing already there and its backup are intact and no partial or
// temporary file is left, whatever happened.
#ifndef _WIN32

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "catalogue/catalogue_support.hpp"
#include "jwwunit/jww_file.hpp"

namespace drafnova {
namespace {

using testing::RunCli;
using testing::TCliResult;

constexpr char kRefusedName[] =
    "Refused: the file name is empty, only blanks, holds \\ / : * ? \" < > | or a control "
    "character, or is a device name such as CON or NUL\n";
constexpr char kRefusedFolder[] = "Refused: the folder is empty or only blanks\n";

// A folder holding a drawing "old.JWW" and its backup "old.BAK".
class BadTarget : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(New({"--name", "old"}).Exit, 0);
        testing::WriteFileText(folder / "old.BAK", "older backup");
        before = testing::RecordFolder(folder);
    }
    TCliResult New(std::vector<std::string> more, long fileSizeLimit = 0) {
        std::vector<std::string> arguments = {"new", "--no-open", "--ini", "none.ini"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return RunCli(folder, arguments, fileSizeLimit);
    }
    // Nothing in the folder changed.
    void ExpectUnchanged() {
        const testing::TFolderRecord after = testing::RecordFolder(folder);
        EXPECT_FALSE(testing::HoldsTemporaryFiles(after));
        EXPECT_EQ(after, before);
    }
    testing::TempFolder folder;
    testing::TFolderRecord before;
};

TEST_F(BadTarget, NamesOfBlanksSeparatorsAndForbiddenCharactersAreRefused) {
    const std::vector<std::string> names = {"",
                                            " ",
                                            "　　",
                                            " 　 ",
                                            "\t",
                                            "/",
                                            "//",
                                            "a/b",
                                            "a\\b",
                                            "..\\x",
                                            "a:b",
                                            "a*b",
                                            "a?b",
                                            "a\"b",
                                            "a<b",
                                            "a>b",
                                            "a|b",
                                            "a\x01"
                                            "b",
                                            "CON",
                                            "nul",
                                            "Com1.x",
                                            "LPT9 "};
    for (const std::string& name : names) {
        const TCliResult result = New({"--yes", "--name", name});
        EXPECT_EQ(result.Exit, 1) << name;
        EXPECT_EQ(result.Err, kRefusedName) << name;
    }
    ExpectUnchanged();
}

TEST_F(BadTarget, FoldersOfBlanksAreRefused) {
    for (const char* name : {"", " ", "　", "\t \t"}) {
        const TCliResult result = New({"--yes", "--folder", name});
        EXPECT_EQ(result.Exit, 1) << name;
        EXPECT_EQ(result.Err, kRefusedFolder) << name;
    }
    ExpectUnchanged();
}

TEST_F(BadTarget, FoldersThatAreNotThereOrNotFoldersEndInAnError) {
    const struct {
        std::string Folder;
        std::string Reason;
    } rows[] = {
        {"nowhere", "No such file or directory"},
        {"nowhere/deeper/", "No such file or directory"},
        {"old.JWW/", "Not a directory"},
        {"old.BAK", "Not a directory"},
    };
    for (const auto& row : rows) {
        const TCliResult result = New({"--yes", "--folder", row.Folder, "--name", "x"});
        EXPECT_EQ(result.Exit, 2) << row.Folder;
        const std::string path = row.Folder + (row.Folder.ends_with('/') ? "" : "/") + "x.JWW";
        EXPECT_EQ(result.Err,
                  "Error: ファイルを作成できません: " + path + " (" + row.Reason + ")\n")
            << row.Folder;
    }
    ExpectUnchanged();
}

TEST_F(BadTarget, ANameTooLongForTheSystemEndsInAnError) {
    const std::string name(300, 'n');
    const TCliResult result = New({"--yes", "--name", name});
    EXPECT_EQ(result.Exit, 2);
    EXPECT_EQ(result.Err, "Error: 図面ファイル「" + Cp932ToUtf8(folder.Path()) + name +
                              ".JWW」を作成できませんでした (File name too long)\n");
    ExpectUnchanged();
}

TEST_F(BadTarget, ATargetThatIsAFolderIsLeftAlone) {
    std::filesystem::create_directory(testing::NativePath(folder / "plan.JWW"));
    testing::WriteFileText(folder / "plan.JWW/inside.txt", "kept");
    before = testing::RecordFolder(folder);
    const TCliResult result = New({"--yes", "--name", "plan"});
    EXPECT_EQ(result.Exit, 2);
    EXPECT_EQ(result.Err, "Error: 図面ファイル「" + Cp932ToUtf8(folder / "plan.JWW") +
                              "」を作成できませんでした (Is a directory)\n");
    ExpectUnchanged();
}

TEST_F(BadTarget, ATargetThatCannotBeWrittenKeepsTheDrawingAndItsBackup) {
    // The system refuses every byte of a file past 1 KiB, as a full disk would.
    const TCliResult result = New({"--yes", "--name", "old"}, 1024);
    EXPECT_EQ(result.Exit, 2);
    EXPECT_EQ(result.Err, "Error: 図面ファイル「" + Cp932ToUtf8(folder / "old.JWW") +
                              "」を作成できませんでした (File too large)\n");
    ExpectUnchanged();
}

TEST_F(BadTarget, WithoutATerminalAnExistingDrawingIsNotOverwritten) {
    const TCliResult result = New({"--name", "old"});
    EXPECT_EQ(result.Exit, 1);
    EXPECT_EQ(result.Err,
              "指定したファイルが既に存在します。上書きしてもよろしいですか？ (no terminal to "
              "answer on: not overwritten; --yes overwrites)\nNot written: the existing drawing "
              "was kept\n");
    ExpectUnchanged();
}

TEST_F(BadTarget, AReadOnlyDrawingBecomesTheBackupWhenOverwritten) {
    // Permission bits do not stop a rename, as root or not: the read-only
    // drawing is kept whole as the backup, the older backup goes.
    const auto native = testing::NativePath(folder / "old.JWW");
    ASSERT_EQ(::chmod(native.c_str(), 0444), 0);
    const std::string oldDrawing = before.at("old.JWW");
    const TCliResult result = New({"--yes", "--name", "old", "--version", "2.20"});
    EXPECT_EQ(result.Exit, 0) << result.Err;
    const testing::TFolderRecord after = testing::RecordFolder(folder);
    EXPECT_EQ(after.at("old.BAK"), oldDrawing);
    EXPECT_EQ(after.size(), 2u);
    struct stat info {};
    ASSERT_EQ(::stat(testing::NativePath(folder / "old.BAK").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
    TDrawing drawing;
    ASSERT_TRUE(ReadJwwHeader(drawing, folder / "old.JWW"));
    EXPECT_EQ(drawing.Header.Version, 220);
}

TEST_F(BadTarget, ALeftoverTemporaryFileOfACrashIsLeftAloneAndNotReused) {
    testing::WriteFileText(folder / "~drafnova-save-0.tmp", "left by a crash");
    before = testing::RecordFolder(folder);
    const TCliResult result = New({"--yes", "--name", "new"});
    EXPECT_EQ(result.Exit, 0) << result.Err;
    testing::TFolderRecord after = testing::RecordFolder(folder);
    ASSERT_EQ(after.erase("new.JWW"), 1u);
    EXPECT_EQ(after, before);
}

TEST_F(BadTarget, ABackupNameTakenByAFolderIsPassedOver) {
    // The old drawing cannot become the backup; having been told to
    // overwrite, the command replaces it, and the folder stays as it was.
    std::filesystem::remove(testing::NativePath(folder / "old.BAK"));
    std::filesystem::create_directory(testing::NativePath(folder / "old.BAK"));
    const TCliResult result = New({"--yes", "--name", "old", "--version", "3.00"});
    EXPECT_EQ(result.Exit, 0) << result.Err;
    EXPECT_TRUE(std::filesystem::is_directory(testing::NativePath(folder / "old.BAK")));
    EXPECT_FALSE(testing::HoldsTemporaryFiles(testing::RecordFolder(folder)));
    TDrawing drawing;
    ASSERT_TRUE(ReadJwwHeader(drawing, folder / "old.JWW"));
    EXPECT_EQ(drawing.Header.Version, 300);
}

}  // namespace
}  // namespace drafnova

#endif  // _WIN32
