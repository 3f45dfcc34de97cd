#include "builder/create_drawing.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "builder/defaults.hpp"
#include "jwwunit/jww_file.hpp"
#include "platform/files.hpp"
#include "support/fake_printer.hpp"
#include "support/recording_host.hpp"
#include "support/temp_folder.hpp"

namespace drafnova {
namespace {

using testing::Exists;
using testing::ReadFileBytes;
using testing::RecordingHost;
using testing::TempFolder;

const std::string kOverwriteQuestion =
    "Confirm:" + Sj(u8"指定したファイルが既に存在します。上書きしてもよろしいですか？");

// The settings of the window's worked example: A3 landscape, 7.00, group 0,
// every scale 1/1, grid 5.0 on paper from the centre, white, frame colour 1.
TCreateSettings ExampleSettings(const std::string& folder) {
    TCreateSettings settings;
    settings.FileName = "drawing";
    settings.Folder = folder;
    settings.PaperIndex = 6;  // A3横
    settings.VersionIndex = 8;
    settings.WriteGroup = 0;
    settings.GroupScale.fill("1/1");
    settings.GridShow = true;
    settings.GridPitch = "5.0";
    settings.GridRealSize = false;
    settings.GridOrigin = 0;
    settings.BackColor = 0;
    settings.OutlineGapX = "0";
    settings.OutlineGapY = "0";
    return settings;
}

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | bytes.at(at + static_cast<std::size_t>(i));
    return static_cast<std::int32_t>(value);
}

double DoubleAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint64_t raw = 0;
    for (int i = 7; i >= 0; --i) raw = (raw << 8) | bytes.at(at + static_cast<std::size_t>(i));
    double value = 0;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

class CreateDrawingTest : public ::testing::Test {
protected:
    void Create(const TCreateSettings& settings) {
        CreateNewDrawing(drawing, settings, host, printer);
    }
    TempFolder folder;
    TDrawing drawing;
    RecordingHost host;
    testing::FakePrinter printer;
};

TEST_F(CreateDrawingTest, WorkedExampleWritesTheListedHeaderAndFourLines) {
    Create(ExampleSettings(folder.Path()));
    const std::string path = folder / "drawing.JWW";
    ASSERT_EQ(host.Calls, std::vector<std::string>{"Open:" + path});

    TDrawing read;
    ASSERT_TRUE(ReadJwwHeader(read, path));
    const THeader& h = read.Header;
    EXPECT_EQ(h.Version, 700);
    EXPECT_EQ(h.PaperSize, 3);
    EXPECT_EQ(h.WriteLayerGroup, 0);
    for (int g = 0; g < 16; ++g) {
        EXPECT_EQ(read.LayerGroups[g].State, g == 0 ? 3 : 2) << g;
        EXPECT_EQ(read.LayerGroups[g].Scale, 1.0) << g;
    }
    EXPECT_EQ(h.GridMode, 1);
    EXPECT_EQ(h.GridMinSpacing, 5.0);
    EXPECT_EQ(h.GridIntervalX, 5.0);
    EXPECT_EQ(h.GridIntervalY, 5.0);
    EXPECT_EQ(h.GridBaseX, 0.0);
    EXPECT_EQ(h.GridBaseY, 0.0);
    EXPECT_EQ(read.ColorNos[0].ScreenColor, 0xFFFFFF);  // the white table
    EXPECT_EQ(read.ColorNos[1].ScreenColor, 12632064);
    EXPECT_EQ(read.ColorNos[1].PrintColor, 16776960);

    // The data section at 7.00 with four lines is the last 216 bytes.
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    ASSERT_GT(bytes.size(), 216u);
    std::size_t at = bytes.size() - 216;
    EXPECT_EQ(bytes[at] | (bytes[at + 1] << 8), 4);  // entity count
    at += 2;
    const double corners[5][2] = {
        {-210, 148.5}, {210, 148.5}, {210, -148.5}, {-210, -148.5}, {-210, 148.5}};
    for (int line = 0; line < 4; ++line) {
        at += line == 0 ? 14 : 2;          // new-class record, then class references
        EXPECT_EQ(Int32At(bytes, at), 0);  // group
        EXPECT_EQ(bytes[at + 4], 1);       // line type
        EXPECT_EQ(bytes[at + 5], 1);       // colour, low byte
        EXPECT_EQ(bytes[at + 6], 0);       // colour, high byte
        for (int k = 7; k < 15; ++k) EXPECT_EQ(bytes[at + k], 0) << k;  // width, layers, flags
        at += 15;
        EXPECT_EQ(DoubleAt(bytes, at), corners[line][0]);
        EXPECT_EQ(DoubleAt(bytes, at + 8), corners[line][1]);
        EXPECT_EQ(DoubleAt(bytes, at + 16), corners[line + 1][0]);
        EXPECT_EQ(DoubleAt(bytes, at + 24), corners[line + 1][1]);
        at += 32;
    }
    EXPECT_EQ(bytes.size() - at, 6u);  // block count and image count
}

TEST_F(CreateDrawingTest, EveryVersionIndexWritesItsVersion) {
    const std::int32_t expected[] = {220, 223, 225, 230, 300, 351, 420, 600, 700};
    for (int index = 0; index < 9; ++index) {
        TCreateSettings settings = ExampleSettings(folder.Path());
        settings.FileName = "v" + std::to_string(index);
        settings.VersionIndex = index;
        Create(settings);
        const auto bytes = ReadFileBytes(folder / (settings.FileName + ".JWW"));
        ASSERT_GE(bytes.size(), 12u);
        EXPECT_EQ(Int32At(bytes, 8), expected[index]) << index;
        EXPECT_EQ(VersionNumberFor(index), expected[index]);
    }
    EXPECT_EQ(VersionNumberFor(9), 700);
    EXPECT_EQ(VersionNumberFor(-1), 700);
}

TEST_F(CreateDrawingTest, BlankOrForbiddenNamesAreRefusedWithTheFocusOnTheName) {
    const std::string refused[] = {"",    " ",   Sj(u8"　　"), "\t",   " \x81\x40 ", "a/b", "a\\b",
                                   "a:b", "a*b", "a?b",        "a\"b", "a<b",        "a>b", "a|b"};
    for (const std::string& name : refused) {
        host.Calls.clear();
        TCreateSettings settings = ExampleSettings(folder.Path());
        settings.FileName = name;
        Create(settings);
        EXPECT_EQ(host.Calls, (std::vector<std::string>{"Beep", "Focus:FileName"})) << name;
    }
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(CreateDrawingTest, BlankFolderIsRefusedWithTheFocusOnTheFolder) {
    for (const std::string& text : {std::string(), std::string("  "), Sj(u8"　")}) {
        host.Calls.clear();
        TCreateSettings settings = ExampleSettings(text);
        Create(settings);
        EXPECT_EQ(host.Calls, (std::vector<std::string>{"Beep", "Focus:Folder"}));
    }
}

TEST_F(CreateDrawingTest, NamesKeepInnerBlanksDotsAndDoubleByteCharacters) {
    // 表 and ソ end in 0x5C, which is no separator inside a character.
    for (const std::string& name : {std::string("a b"), std::string("a.b"), Sj(u8"表ソ図面")}) {
        TCreateSettings settings = ExampleSettings(folder.Path());
        settings.FileName = name;
        Create(settings);
        EXPECT_TRUE(Exists(folder / (name + ".JWW"))) << name;
    }
}

TEST_F(CreateDrawingTest, FolderWithoutSeparatorGetsOne) {
    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.Folder.pop_back();  // the temporary folder without its separator
    settings.FileName = "a";
    Create(settings);
    EXPECT_TRUE(Exists(folder / "a.JWW"));

    // A folder whose last character is 表 (second byte 0x5C) ends without one.
    const std::string japanese = folder / Sj(u8"表");
    std::filesystem::create_directory(testing::NativePath(japanese));
    settings.Folder = japanese;
    Create(settings);
    EXPECT_TRUE(Exists(japanese + std::string(1, platform::kPathSeparator) + "a.JWW"));
}

TEST_F(CreateDrawingTest, OverwriteAsksAndKeepsTheOldDrawingAsBackup) {
    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.FileName = "a.b";
    testing::WriteFileText(folder / "a.b.JWW", "old drawing");
    testing::WriteFileText(folder / "a.b.BAK", "older backup");
    Create(settings);
    EXPECT_EQ(host.Calls,
              (std::vector<std::string>{kOverwriteQuestion, "Open:" + (folder / "a.b.JWW")}));
    const auto backup = ReadFileBytes(folder / "a.b.BAK");
    EXPECT_EQ(std::string(backup.begin(), backup.end()), "old drawing");
    TDrawing read;
    EXPECT_TRUE(ReadJwwHeader(read, folder / "a.b.JWW"));
}

TEST_F(CreateDrawingTest, DecliningTheQuestionChangesNothing) {
    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.FileName = "a";
    testing::WriteFileText(folder / "a.JWW", "old drawing");
    host.Answer = false;
    Create(settings);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{kOverwriteQuestion, "Focus:FileName"}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.JWW"});
    const auto kept = ReadFileBytes(folder / "a.JWW");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "old drawing");
}

TEST_F(CreateDrawingTest, NewTargetIsWrittenWithoutQuestionOrBackup) {
    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.FileName = "a";
    Create(settings);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"Open:" + (folder / "a.JWW")});
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.JWW"});
}

TEST_F(CreateDrawingTest, MissingSourceGivesTheNoticeAndTheDefaults) {
    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.SourceFile = folder / "missing.jww";
    settings.BackColor = 1;
    Create(settings);
    ASSERT_EQ(host.Calls.size(), 2u);
    EXPECT_EQ(host.Calls[0], "Inform:" + Sj(u8"指定した設定流用図面ファイルは存在しません。"));
    TDrawing read;
    ASSERT_TRUE(ReadJwwHeader(read, folder / "drawing.JWW"));
    EXPECT_EQ(read.ColorNos[0].ScreenColor, 0);  // black background table
    EXPECT_EQ(read.Header.DimensionSettings[0], 2001112);
}

TEST_F(CreateDrawingTest, SourceThatIsNoDrawingIsPassedOverSilently) {
    testing::WriteFileText(folder / "notes.txt", "JwwDatX. not a drawing");
    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.SourceFile = folder / "notes.txt";
    Create(settings);
    EXPECT_EQ(host.Calls, std::vector<std::string>{"Open:" + (folder / "drawing.JWW")});
    TDrawing read;
    ASSERT_TRUE(ReadJwwHeader(read, folder / "drawing.JWW"));
    EXPECT_EQ(read.ColorNos[0].ScreenColor, 0xFFFFFF);
}

TEST_F(CreateDrawingTest, SourceGivesItsSettingsWhileTheWindowGivesPaperGridScalesAndLines) {
    // A source drawing with its own pens, line types, text styles and names.
    TDrawing source;
    SizeHeaderTables(source);
    SetLayerDefaults(source, 5);
    source.Header.Signature = "JwwData.";
    source.ColorNos[3].ScreenColor = 0x123456;
    source.LineTypeNos[2].Pattern = 0x0F0F0F0F;
    source.TextStyleNos[4].Height = 42.5;
    source.Layers[17].Name = Sj(u8"壁");
    source.LayerGroups[2].Name = Sj(u8"平面図");
    source.LayerGroups[2].Scale = 250;
    source.Header.PaperSize = 0;
    source.Header.GridIntervalX = 99;
    ASSERT_TRUE(SaveJww(source, folder / "source.jww", 600));

    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.SourceFile = folder / "source.jww";
    settings.WriteGroup = 7;
    settings.GroupScale[2] = "1/100";
    settings.BackColor = 2;  // no effect with a source
    Create(settings);

    TDrawing read;
    ASSERT_TRUE(ReadJwwHeader(read, folder / "drawing.JWW"));
    EXPECT_EQ(read.ColorNos[3].ScreenColor, 0x123456);
    EXPECT_EQ(read.ColorNos[0].ScreenColor, 0);  // the source had no pens of its own
    EXPECT_EQ(read.LineTypeNos[2].Pattern, 0x0F0F0F0F);
    EXPECT_EQ(read.TextStyleNos[4].Height, 42.5);
    EXPECT_EQ(read.Layers[17].Name, Sj(u8"壁"));
    EXPECT_EQ(read.LayerGroups[2].Name, Sj(u8"平面図"));
    EXPECT_EQ(read.LayerGroups[2].Scale, 100.0);
    EXPECT_EQ(read.Header.PaperSize, 3);
    EXPECT_EQ(read.Header.WriteLayerGroup, 7);
    EXPECT_EQ(read.LayerGroups[5].State, 2);
    EXPECT_EQ(read.LayerGroups[7].State, 3);
    EXPECT_EQ(read.Header.GridIntervalX, 5.0);
    EXPECT_EQ(drawing.Header.EntityCount, 4);
}

TEST_F(CreateDrawingTest, MissingFolderEndsInAnErrorThatNamesItAndOpensNothing) {
    TCreateSettings settings = ExampleSettings(folder / "no such folder");
    try {
        Create(settings);
        FAIL() << "no error";
    } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find("no such folder"), std::string::npos)
            << error.what();
    }
    EXPECT_TRUE(host.Calls.empty());
    EXPECT_TRUE(folder.Entries().empty());
}

#ifndef _WIN32
TEST_F(CreateDrawingTest, FailedWriteLeavesNoFileKeepsTheBackupAndOpensNothing) {
    testing::WriteFileText(folder / "a.JWW", "old drawing");
    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.FileName = "a";
    {
        // The system refuses every byte past the first 64, as on a full disk.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_THROW(Create(settings), IoError);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(host.Calls, std::vector<std::string>{kOverwriteQuestion});
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.BAK"});
    const auto backup = ReadFileBytes(folder / "a.BAK");
    EXPECT_EQ(std::string(backup.begin(), backup.end()), "old drawing");
}
#endif

TEST_F(CreateDrawingTest, PrinterErrorEndsTheCommandBeforeAnythingIsWritten) {
    printer.NoPrinter = true;
    TCreateSettings settings = ExampleSettings(folder.Path());
    settings.PaperIndex = 26;
    EXPECT_THROW(Create(settings), PrinterError);
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_TRUE(host.Calls.empty());
}

}  // namespace
}  // namespace drafnova
