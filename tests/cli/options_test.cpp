#include <gtest/gtest.h>

#include "Func_/cp932.hpp"
#include "cli/commands.hpp"

namespace drafnova::cli {
namespace {

TCreateSettings Apply(const std::vector<std::string>& arguments, TNewOptions* options = nullptr) {
    TCreateSettings settings;
    TNewOptions ignored;
    ApplyNewArguments(arguments, settings, options != nullptr ? *options : ignored);
    return settings;
}

TEST(CliOptions, ListOptionsTakeTheWindowsTextsAndAsciiSpellings) {
    struct Case {
        std::string option, value;
        int TCreateSettings::*field;
        int expected;
    };
    const Case cases[] = {
        {"--version", "2.20", &TCreateSettings::VersionIndex, 0},
        {"--version", "600", &TCreateSettings::VersionIndex, 7},
        {"--paper", Sj(u8"A3横"), &TCreateSettings::PaperIndex, 6},
        {"--paper", "a3p", &TCreateSettings::PaperIndex, 7},
        {"--paper", Sj(u8"プリンタ印刷可能領域"), &TCreateSettings::PaperIndex, 27},
        {"--paper", "printer-physical", &TCreateSettings::PaperIndex, 26},
        {"--write-group", "A", &TCreateSettings::WriteGroup, 10},
        {"--write-group", "f", &TCreateSettings::WriteGroup, 15},
        {"--write-group", "12", &TCreateSettings::WriteGroup, 12},
        {"--origin", Sj(u8"用紙左下"), &TCreateSettings::GridOrigin, 3},
        {"--origin", "paper-top-left", &TCreateSettings::GridOrigin, 1},
        {"--background", "dark-green", &TCreateSettings::BackColor, 2},
        {"--background", Sj(u8"黒色"), &TCreateSettings::BackColor, 1},
        {"--frame-color", Sj(u8"補助色"), &TCreateSettings::FrameColor, 8},
        {"--frame-color", "color3", &TCreateSettings::FrameColor, 2},
        {"--frame-line-type", Sj(u8"一点鎖２"), &TCreateSettings::FrameLineType, 5},
        {"--outline-line-type", "dash-dot-dot1", &TCreateSettings::OutlineLineType, 6},
        {"--frame-group", "B", &TCreateSettings::FrameGroup, 11},
        {"--frame-layer", "9", &TCreateSettings::FrameLayer, 9},
        {"--outline-color", "auxiliary", &TCreateSettings::OutlineColor, 8},
        {"--outline-group", "E", &TCreateSettings::OutlineGroup, 14},
        {"--outline-layer", "F", &TCreateSettings::OutlineLayer, 15},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Apply({c.option, c.value}).*c.field, c.expected) << c.option << " " << c.value;
        EXPECT_EQ(Apply({c.option + "=" + c.value}).*c.field, c.expected) << c.option;
    }
}

TEST(CliOptions, TextOptionsArePassedAsTyped) {
    const TCreateSettings s =
        Apply({"--name", Sj(u8"平面図 1"), "--folder", "/tmp/x", "--source", "a.jww", "--pitch",
               "abc", "--gap-x", "1e3", "--gap-y", " 5", "--scales", "1/50", "--scale", "A=1/100"});
    EXPECT_EQ(s.FileName, Sj(u8"平面図 1"));
    EXPECT_EQ(s.Folder, "/tmp/x");
    EXPECT_EQ(s.SourceFile, "a.jww");
    EXPECT_EQ(s.GridPitch, "abc");
    EXPECT_EQ(s.OutlineGapX, "1e3");
    EXPECT_EQ(s.OutlineGapY, " 5");
    EXPECT_EQ(s.GroupScale[0], "1/50");
    EXPECT_EQ(s.GroupScale[10], "1/100");
    EXPECT_EQ(s.GroupScale[15], "1/50");
}

TEST(CliOptions, SwitchesAndFlags) {
    TNewOptions options;
    const TCreateSettings s = Apply({"--grid", "off", "--unit", Sj(u8"実寸"), "--yes", "--no-open",
                                     "--save-settings", "--ini", "my.ini", "--printer", "office"},
                                    &options);
    EXPECT_FALSE(s.GridShow);
    EXPECT_TRUE(s.GridRealSize);
    EXPECT_TRUE(options.AssumeYes);
    EXPECT_FALSE(options.Open);
    EXPECT_TRUE(options.SaveSettings);
    EXPECT_EQ(options.IniFile, "my.ini");
    EXPECT_EQ(options.Printer, "office");
    EXPECT_TRUE(Apply({"--grid=on"}).GridShow);
    EXPECT_FALSE(Apply({"--unit", "drawing"}).GridRealSize);
    EXPECT_EQ(ScanNewOptions({"--name", "--ini", "--ini", "x.ini"}).IniFile, "x.ini");
}

TEST(CliOptions, MistakesAreUsageErrorsThatSayWhy) {
    const std::vector<std::vector<std::string>> wrong = {
        {"--paper", "A9"},    {"--version", "5.00"},
        {"--grid", "maybe"},  {"--scale", "1/100"},
        {"--scale", "G=1/1"}, {"--name"},
        {"--bogus", "1"},     {"stray"},
        {"--yes=no"},
    };
    for (const auto& arguments : wrong) {
        EXPECT_THROW(Apply(arguments), UsageError) << arguments[0];
    }
    try {
        Apply({"--background", "pink"});
        FAIL();
    } catch (const UsageError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("--background"), std::string::npos);
        EXPECT_NE(message.find(Sj(u8"深緑")), std::string::npos);
        EXPECT_NE(message.find("dark-green"), std::string::npos);
    }
}

}  // namespace
}  // namespace drafnova::cli
