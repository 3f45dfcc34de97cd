#include "UnitIni/settings_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "Func_/cp932.hpp"
#include "UnitIni/ini_file.hpp"
#include "UnitIni/ini_text.hpp"
#include "UnitIni/settings_keys.hpp"
#include "support/temp_folder.hpp"

namespace drafnova {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileText;

std::string ReadFileText(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}

// A drawing with something in every part the show and close handlers reset.
TDrawing UsedDrawing() {
    TDrawing drawing;
    drawing.Header.Memo = "memo";
    drawing.Header.GridMode = 11;
    SizeHeaderTables(drawing);
    drawing.BindImages.push_back({"a.bmp", 0, true});
    drawing.BindImageCount = 1;
    drawing.ImageFolder = "/elsewhere/";
    drawing.EmbedImages = true;
    return drawing;
}

TEST(SettingsFile, ShowWithoutFileGivesDefaultsAndResetsTheDrawing) {
    TempFolder folder;
    TDrawing drawing = UsedDrawing();
    TFormState state;
    state.Edit1 = "left over";
    LoadSettings(state, drawing, folder.Path());

    EXPECT_EQ(state.ProgramFolder, folder.Path());
    EXPECT_EQ(state.IniFileName, folder.Path() + "drafnova.ini");
    EXPECT_EQ(state.Edit1, Sj(u8"新規図面"));
    EXPECT_EQ(state.Edit2, folder.Path());
    EXPECT_EQ(state.Left, 192);
    EXPECT_EQ(drawing.Header.Memo, "");
    EXPECT_EQ(drawing.Header.GridMode, 0);
    EXPECT_TRUE(drawing.Layers.empty());
    EXPECT_TRUE(drawing.BindImages.empty());
    EXPECT_EQ(drawing.ImageFolder, folder.Path());
    EXPECT_FALSE(drawing.EmbedImages);
    EXPECT_TRUE(folder.Entries().empty());  // showing writes nothing
}

TEST(SettingsFile, CloseWritesEveryKeyAndShowReadsThemBack) {
    TempFolder folder;
    TDrawing drawing = UsedDrawing();
    TFormState state;
    LoadSettings(state, drawing, folder.Path());
    state.Left = 300;
    state.ComboBox2 = 9;
    state.Edit4 = "abc";  // stored as 5
    drawing = UsedDrawing();
    EXPECT_TRUE(SaveSettings(state, drawing));
    EXPECT_TRUE(drawing.Layers.empty());
    EXPECT_TRUE(drawing.BindImages.empty());

    std::string expected;
    WriteSettings(state, expected);
    EXPECT_EQ(ReadFileText(state.IniFileName), expected);
    EXPECT_NE(expected.find("\r\nF1_X=300\r\n"), std::string::npos);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"drafnova.ini"});

    TFormState shown;
    LoadSettings(shown, drawing, folder.Path());
    EXPECT_EQ(shown.Left, 300);
    EXPECT_EQ(shown.ComboBox2, 9);
    EXPECT_EQ(shown.Edit4, "5");
}

// Saving all keys in one rewrite gives the file that writing them one by one
// gives.
TEST(SettingsFile, OneRewriteEqualsKeyByKeyWriting) {
    TempFolder folder;
    TDrawing drawing;
    TFormState state;
    LoadSettings(state, drawing, folder.Path());
    state.Edit1 = Sj(u8"配置図");
    state.ComboBoxD[4] = "1/30";
    state.Edit6 = "150";

    // The keys and values in the order they are written, from a fresh text.
    std::string fresh;
    WriteSettings(state, fresh);
    std::vector<std::tuple<std::string, std::string, std::string>> writes;
    std::string section;
    for (std::size_t begin = 0; begin < fresh.size();) {
        const std::size_t end = fresh.find("\r\n", begin);
        const std::string line = fresh.substr(begin, end - begin);
        begin = end + 2;
        if (line.front() == '[') {
            section = line.substr(1, line.size() - 2);
        } else {
            const std::size_t equals = line.find('=');
            writes.emplace_back(section, line.substr(0, equals), line.substr(equals + 1));
        }
    }
    ASSERT_EQ(writes.size(), 39u);

    const std::string handWritten =
        "; kept\n[sets]\nnewf=old\n\n[Mine]\nx=1\n[FORM]\r\nf1_y = 5\r\n[Last]\nz=2";
    const std::string byKey = folder / "by_key.ini";
    WriteFileText(byKey, handWritten);
    for (const auto& [s, key, value] : writes) EXPECT_TRUE(IniWriteString(s, key, value, byKey));

    WriteFileText(state.IniFileName, handWritten);
    EXPECT_TRUE(SaveSettings(state, drawing));
    EXPECT_EQ(ReadFileText(state.IniFileName), ReadFileText(byKey));
}

TEST(SettingsFile, JapaneseProgramFolder) {
    TempFolder folder;
    const std::string program = folder.Path() + Sj(u8"図面ソフト") + "/";  // "ソ" ends in 0x5C
    std::filesystem::create_directory(testing::NativePath(program));
    TDrawing drawing;
    TFormState state;
    LoadSettings(state, drawing, program);
    state.Edit3 = program + Sj(u8"元図.jww");
    EXPECT_TRUE(SaveSettings(state, drawing));

    TFormState shown;
    LoadSettings(shown, drawing, program);
    EXPECT_EQ(shown.Edit2, program);
    EXPECT_EQ(shown.Edit3, program + Sj(u8"元図.jww"));
}

TEST(SettingsFile, FailedSaveIsSilent) {
    TempFolder folder;
    TDrawing drawing = UsedDrawing();
    TFormState state;
    LoadSettings(state, drawing, folder.Path() + "missing/");
    drawing = UsedDrawing();
    EXPECT_FALSE(SaveSettings(state, drawing));
    EXPECT_TRUE(drawing.BindImages.empty());  // the drawing is released all the same

    TFormState neverShown;
    EXPECT_FALSE(SaveSettings(neverShown, drawing));
    EXPECT_TRUE(folder.Entries().empty());
}

}  // namespace
}  // namespace drafnova
