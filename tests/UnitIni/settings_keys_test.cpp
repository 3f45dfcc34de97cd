#include "UnitIni/settings_keys.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Func_/cp932.hpp"
#include "UnitIni/ini_text.hpp"

namespace drafnova {
namespace {

using namespace std::string_literals;

TFormState Defaults(const std::string& folder) {
    TFormState state;
    state.ProgramFolder = folder;
    SetFormDefaults(state);
    return state;
}

// The value stored under key in text, or "(absent)".
std::string Stored(const std::string& text, const std::string& section, const std::string& key) {
    std::string value;
    return IniReadText(text, section, key, value, 1000) ? value : "(absent)";
}

TEST(Settings, DefaultsWithoutFile) {
    const std::string folder = Sj(u8"D:\\表\\");
    TFormState state = Defaults(folder);
    ReadSettings(state, "");
    EXPECT_EQ(state.Left, 192);
    EXPECT_EQ(state.Top, 109);
    EXPECT_EQ(state.Edit1, Sj(u8"新規図面"));
    EXPECT_EQ(state.Edit2, folder);
    EXPECT_EQ(state.Edit3, "");
    EXPECT_EQ(VersionList().at(static_cast<std::size_t>(state.ComboBox1)), "7.00");
    EXPECT_EQ(PaperList().at(static_cast<std::size_t>(state.ComboBox2)), Sj(u8"A0横"));
    EXPECT_EQ(state.ComboBox3, 0);
    for (const std::string& scale : state.ComboBoxD) EXPECT_EQ(scale, "1/1");
    EXPECT_EQ(BackColorList().at(static_cast<std::size_t>(state.RadioGroup2)), Sj(u8"白色"));
    EXPECT_TRUE(state.CheckBox1);
    EXPECT_EQ(state.Edit4, "5.0");
    EXPECT_EQ(GridUnitList().at(static_cast<std::size_t>(state.RadioGroup1)), Sj(u8"図寸"));
    EXPECT_EQ(GridOriginList().at(static_cast<std::size_t>(state.ComboBox4)), Sj(u8"画面中央"));
    for (int index : {state.ComboBox5, state.ComboBox6, state.ComboBox7, state.ComboBox8,
                      state.ComboBox9, state.ComboBox10, state.ComboBox11, state.ComboBox12}) {
        EXPECT_EQ(index, 0);
    }
    EXPECT_EQ(LineColorList()[0], "\x90\xFC\x90\x46\x82\x50");  // "線色１", full-width digit
    EXPECT_EQ(LineTypeList()[0], Sj(u8"実線"));
    EXPECT_EQ(state.Edit5, "0");
    EXPECT_EQ(state.Edit6, "0");
}

TEST(Settings, DefaultsSavedInKeyOrderWithCrLf) {
    std::string text;
    WriteSettings(Defaults(Sj(u8"D:\\表\\")), text);
    const std::string expected =
        "[Form]\r\nF1_X=192\r\nF1_Y=109\r\n"
        "[Sets]\r\n"
        "NEWF=\x90\x56\x8B\x4B\x90\x7D\x96\xCA\r\n"
        "NFLD=D:\\\x95\x5C\\\r\n"
        "DIVF=\r\nJVER=8\r\nPAPE=0\r\nLAYG=0\r\n"
        "LG_D0=1/1\r\nLG_D1=1/1\r\nLG_D2=1/1\r\nLG_D3=1/1\r\nLG_D4=1/1\r\nLG_D5=1/1\r\n"
        "LG_D6=1/1\r\nLG_D7=1/1\r\nLG_D8=1/1\r\nLG_D9=1/1\r\nLG_D10=1/1\r\nLG_D11=1/1\r\n"
        "LG_D12=1/1\r\nLG_D13=1/1\r\nLG_D14=1/1\r\nLG_D15=1/1\r\n"
        "GRON=1\r\nGRDS=5\r\nGRPO=0\r\nGRSU=0\r\nBCOL=0\r\n"
        "PAP1=0\r\nPAP2=0\r\nPAP3=0\r\nPAP4=0\r\nPAP5=0\r\nPAP6=0\r\nPAP7=0\r\nPAP8=0\r\n"
        "RINX=0\r\nRINY=0\r\n";
    EXPECT_EQ(text, expected);

    // Saving the same state again changes nothing.
    std::string again = text;
    WriteSettings(Defaults(Sj(u8"D:\\表\\")), again);
    EXPECT_EQ(again, expected);
}

// One stored value and what the window shows for it.
struct TReadCase {
    const char* key;
    std::string value;
    std::function<std::string(const TFormState&)> field;
    std::string shown;
};

std::string Show(int index) { return std::to_string(index); }

TEST(Settings, AcceptedRangesOnReading) {
    const auto version = [](const TFormState& s) { return Show(s.ComboBox1); };
    const auto grid = [](const TFormState& s) { return std::string(s.CheckBox1 ? "on" : "off"); };
    const auto pitch = [](const TFormState& s) { return s.Edit4; };
    const auto gapX = [](const TFormState& s) { return s.Edit5; };
    const auto gapY = [](const TFormState& s) { return s.Edit6; };
    const TReadCase cases[] = {
        {"JVER", "abc", version, "0"},  // not an integer reads as 0, a valid index
        {"JVER", "9", version, "8"},
        {"JVER", "-1", version, "8"},
        {"JVER", "3", version, "3"},
        {"JVER", " 3 ", version, "3"},
        {"JVER", "$3", version, "3"},
        {"PAPE", "27", [](const TFormState& s) { return Show(s.ComboBox2); }, "27"},
        {"PAPE", "28", [](const TFormState& s) { return Show(s.ComboBox2); }, "0"},
        {"LAYG", "15", [](const TFormState& s) { return Show(s.ComboBox3); }, "15"},
        {"LAYG", "16", [](const TFormState& s) { return Show(s.ComboBox3); }, "0"},
        {"GRPO", "4", [](const TFormState& s) { return Show(s.ComboBox4); }, "4"},
        {"GRPO", "5", [](const TFormState& s) { return Show(s.ComboBox4); }, "0"},
        {"GRSU", "1", [](const TFormState& s) { return Show(s.RadioGroup1); }, "1"},
        {"GRSU", "2", [](const TFormState& s) { return Show(s.RadioGroup1); }, "0"},
        {"BCOL", "2", [](const TFormState& s) { return Show(s.RadioGroup2); }, "2"},
        {"BCOL", "3", [](const TFormState& s) { return Show(s.RadioGroup2); }, "0"},
        {"PAP1", "8", [](const TFormState& s) { return Show(s.ComboBox5); }, "8"},
        {"PAP2", "9", [](const TFormState& s) { return Show(s.ComboBox6); }, "0"},
        {"PAP3", "15", [](const TFormState& s) { return Show(s.ComboBox7); }, "15"},
        {"PAP4", "16", [](const TFormState& s) { return Show(s.ComboBox8); }, "0"},
        {"PAP5", "8", [](const TFormState& s) { return Show(s.ComboBox9); }, "8"},
        {"PAP6", "8", [](const TFormState& s) { return Show(s.ComboBox10); }, "8"},
        {"PAP7", "15", [](const TFormState& s) { return Show(s.ComboBox11); }, "15"},
        {"PAP8", "-1", [](const TFormState& s) { return Show(s.ComboBox12); }, "0"},
        {"GRON", "", grid, "on"},  // empty counts as absent
        {"GRON", "abc", grid, "off"},
        {"GRON", "0", grid, "off"},
        {"GRON", "2", grid, "on"},
        {"GRON", "1", grid, "on"},
        {"GRDS", "0", pitch, "5.0"},
        {"GRDS", "-3", pitch, "5.0"},
        {"GRDS", "10000.5", pitch, "5.0"},
        {"GRDS", "abc", pitch, "5.0"},
        {"GRDS", "1E400", pitch, "5.0"},  // beyond a double reads as 0
        {"GRDS", "10000", pitch, "10000"},
        {"GRDS", "2.50", pitch, "2.5"},
        {"GRDS", "5.0", pitch, "5"},
        {"GRDS", "0.00005", pitch, "5E-5"},
        {"RINX", "abc", gapX, "0"},
        {"RINX", "100", gapX, "100"},
        {"RINX", "100.01", gapX, "0"},
        {"RINX", "-0.5", gapX, "0"},
        {"RINX", "12.50", gapX, "12.5"},
        {"RINY", "0.5", gapY, "0.5"},
        {"RINY", "101", gapY, "0"},
        {"LG_D3", "1/100", [](const TFormState& s) { return s.ComboBoxD[3]; }, "1/100"},
        {"LG_D15", Sj(u8"縮尺"), [](const TFormState& s) { return s.ComboBoxD[15]; }, Sj(u8"縮尺")},
        {"NEWF", "\"" + Sj(u8"図面") + "\"", [](const TFormState& s) { return s.Edit1; },
         Sj(u8"図面")},
        {"DIVF", Sj(u8"C:\\表\\a.jww"), [](const TFormState& s) { return s.Edit3; },
         Sj(u8"C:\\表\\a.jww")},
    };
    for (const TReadCase& c : cases) {
        TFormState state = Defaults("/p/");
        ReadSettings(state, "[Sets]\r\n"s + c.key + "=" + c.value + "\r\n");
        EXPECT_EQ(c.field(state), c.shown) << c.key << "=" << c.value;
    }
}

TEST(Settings, WindowPositionIsAlwaysTaken) {
    const struct {
        const char* x;
        const char* y;
        int left;
        int top;
    } cases[] = {{"abc", "", 0, 109}, {"-5000", "99999", -5000, 99999}, {"", "7", 192, 7}};
    for (const auto& c : cases) {
        TFormState state = Defaults("/p/");
        ReadSettings(state, "[Form]\nF1_X="s + c.x + "\nF1_Y=" + c.y + "\n");
        EXPECT_EQ(state.Left, c.left) << c.x;
        EXPECT_EQ(state.Top, c.top) << c.y;
    }
}

TEST(Settings, LongTextsComeBackCut) {
    TFormState state = Defaults("/p/");
    state.ComboBoxD[7] = "1/1234567890123456789012345";           // 27 bytes
    state.Edit2 = std::string(250, 'f') + Sj(u8"表") + "\\\\\\";  // 255 bytes
    state.Edit3 = std::string(600, 's');
    state.Edit1 = std::string(253, 'n') + Sj(u8"図");  // 255 bytes: the cut splits the character
    std::string text;
    WriteSettings(state, text);
    EXPECT_EQ(Stored(text, "Sets", "LG_D7"), state.ComboBoxD[7]);  // stored whole

    TFormState loaded = Defaults("/p/");
    ReadSettings(loaded, text);
    EXPECT_EQ(loaded.ComboBoxD[7], state.ComboBoxD[7].substr(0, 21));
    EXPECT_EQ(loaded.Edit2, state.Edit2.substr(0, 254));
    EXPECT_EQ(loaded.Edit3, state.Edit3.substr(0, 511));
    EXPECT_EQ(loaded.Edit1, state.Edit1.substr(0, 254));
}

TEST(Settings, SaveCorrectsStoredValuesOnly) {
    const struct {
        const char* pitch;
        const char* gap;
        const char* storedPitch;
        const char* storedGap;
    } cases[] = {
        {"abc", "150", "5", "0"},
        {"0", "-1", "5", "0"},
        {"10000.5", "abc", "5", "0"},
        {"10000", "100", "10000", "100"},
        {"2.50", "0.5", "2.5", "0.5"},
        {"", "", "5", "0"},
        {"0.00005", "1E-5", "5E-5", "1E-5"},
    };
    for (const auto& c : cases) {
        TFormState state = Defaults("/p/");
        state.Edit4 = c.pitch;
        state.Edit5 = c.gap;
        state.Edit6 = c.gap;
        const TFormState before = state;
        std::string text;
        WriteSettings(state, text);
        EXPECT_EQ(Stored(text, "Sets", "GRDS"), c.storedPitch) << c.pitch;
        EXPECT_EQ(Stored(text, "Sets", "RINX"), c.storedGap) << c.gap;
        EXPECT_EQ(Stored(text, "Sets", "RINY"), c.storedGap) << c.gap;
        EXPECT_EQ(state.Edit4, before.Edit4);
    }
}

TEST(Settings, EveryFieldRoundTrips) {
    TFormState state = Defaults("/p/");
    state.Left = -20;
    state.Top = 3000;
    state.Edit1 = Sj(u8"平面図");
    state.Edit2 = Sj(u8"E:\\ソ\\");  // 0x83 0x5C
    state.Edit3 = "/tmp/source.jww";
    state.ComboBox1 = 2;
    state.ComboBox2 = 27;
    state.ComboBox3 = 15;
    for (std::size_t i = 0; i < state.ComboBoxD.size(); ++i)
        state.ComboBoxD[i] = ScaleList()[i * 2];
    state.RadioGroup2 = 2;
    state.CheckBox1 = false;
    state.Edit4 = "2.5";
    state.RadioGroup1 = 1;
    state.ComboBox4 = 4;
    state.ComboBox5 = 1;
    state.ComboBox6 = 2;
    state.ComboBox7 = 3;
    state.ComboBox8 = 4;
    state.ComboBox9 = 5;
    state.ComboBox10 = 6;
    state.ComboBox11 = 7;
    state.ComboBox12 = 8;
    state.Edit5 = "10";
    state.Edit6 = "20.25";
    std::string text;
    WriteSettings(state, text);

    // What is read back saves to the same bytes, and shows the same.
    TFormState loaded = Defaults("/other/");
    ReadSettings(loaded, text);
    std::string again;
    WriteSettings(loaded, again);
    EXPECT_EQ(again, text);
    EXPECT_EQ(loaded.Edit2, state.Edit2);
    EXPECT_EQ(loaded.Edit4, "2.5");
    EXPECT_EQ(loaded.Edit6, "20.25");
    EXPECT_FALSE(loaded.CheckBox1);
}

// A file written by hand: other sections, comments, blank lines, names in
// other letter cases, quoted values, LF-only line ends.
const std::string kHandWritten =
    "; drafnova settings\n"
    "[Other]\n"
    "JVER=1\n"
    "\n"
    "[sets]\n"
    "  jver = 3\n"
    "newf='" +
    Sj(u8"配置図") +
    "'\n"
    "Lg_d2 = \"1/50\"\n"
    "; grid\n"
    "gron=0\n"
    "\n"
    "[FORM]\n"
    "f1_x=10\n"
    "\n"
    "[Tail]\n"
    "x=y\n";

TEST(Settings, HandWrittenFileIsRead) {
    TFormState state = Defaults("/p/");
    ReadSettings(state, kHandWritten);
    EXPECT_EQ(state.ComboBox1, 3);
    EXPECT_EQ(state.Edit1, Sj(u8"配置図"));
    EXPECT_EQ(state.ComboBoxD[2], "1/50");
    EXPECT_EQ(state.ComboBoxD[1], "1/1");
    EXPECT_FALSE(state.CheckBox1);
    EXPECT_EQ(state.Left, 10);
    EXPECT_EQ(state.Top, 109);
}

TEST(Settings, SavingKeepsTheOtherLines) {
    TFormState state = Defaults("/p/");
    ReadSettings(state, kHandWritten);
    std::string text = kHandWritten;
    WriteSettings(state, text);
    const std::string expected =
        "; drafnova settings\n"
        "[Other]\n"
        "JVER=1\n"
        "\n"
        "[sets]\n"
        "JVER=3\n"
        "NEWF=" +
        Sj(u8"配置図") +
        "\n"
        "LG_D2=1/50\n"
        "; grid\n"
        "GRON=0\n"
        "NFLD=/p/\r\nDIVF=\r\nPAPE=0\r\nLAYG=0\r\n"
        "LG_D0=1/1\r\nLG_D1=1/1\r\nLG_D3=1/1\r\nLG_D4=1/1\r\nLG_D5=1/1\r\n"
        "LG_D6=1/1\r\nLG_D7=1/1\r\nLG_D8=1/1\r\nLG_D9=1/1\r\nLG_D10=1/1\r\nLG_D11=1/1\r\n"
        "LG_D12=1/1\r\nLG_D13=1/1\r\nLG_D14=1/1\r\nLG_D15=1/1\r\n"
        "GRDS=5\r\nGRPO=0\r\nGRSU=0\r\nBCOL=0\r\n"
        "PAP1=0\r\nPAP2=0\r\nPAP3=0\r\nPAP4=0\r\nPAP5=0\r\nPAP6=0\r\nPAP7=0\r\nPAP8=0\r\n"
        "RINX=0\r\nRINY=0\r\n"
        "\n"
        "[FORM]\n"
        "F1_X=10\n"
        "F1_Y=109\r\n"
        "\n"
        "[Tail]\n"
        "x=y\n";
    EXPECT_EQ(text, expected);
}

TEST(Settings, HostileFileGivesDefaultsOrItsValues) {
    std::string text = "\xEF\xBB\xBF\r\n[Form]\r\nF1_X=" + std::string(1 << 20, '7') + "\r\n";
    text += "F1_Y=\x00\x01\xFF\xFE"s + "\r\n";
    text += "\x83"s + "\n";  // a lone lead byte before the line end
    text += "[Sets\r\nJVER=2\r\n";
    text += "[Sets]\r\n";
    for (int i = 0; i < 5000; ++i) text += "K" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    text += "NEWF=" + std::string(1 << 20, 'n') + "\n";
    text += "GRDS=" + std::string(100000, '9') + "\n";
    text += "binary\x00\x1A\x7F\xFF=\x80\x81\n"s;
    text +=
        "LG_D0=1/\x00"
        "5\n"s;
    text += "[\x83]\nPAPE=3\n";  // "]" taken as the second byte: no section
    text += "BCOL=2";            // no line end at the end

    TFormState state = Defaults("/p/");
    ReadSettings(state, text);
    EXPECT_EQ(state.Left, 0);   // 21 digits are no 32-bit integer
    EXPECT_EQ(state.Top, 109);  // the NUL byte ends the value at once
    EXPECT_EQ(state.ComboBox1, 8);
    EXPECT_EQ(state.Edit1, std::string(254, 'n'));
    EXPECT_EQ(state.Edit4, "5.0");  // 21 nines: above the limit
    EXPECT_EQ(state.ComboBoxD[0], "1/");
    EXPECT_EQ(state.ComboBox2, 3);
    EXPECT_EQ(state.RadioGroup2, 2);

    // Saving over it keeps its bytes and stores every key readably.
    WriteSettings(state, text);
    for (const std::string& kept :
         {"\xEF\xBB\xBF\r\n[Form]\r\n"s, "\r\n\x83\n[Sets\r\nJVER=2\r\n"s, "\nK0=0\nK1=1\n"s,
          "\nbinary\x00\x1A\x7F\xFF=\x80\x81\n"s, "\n[\x83]\nPAPE=3\n"s}) {
        EXPECT_NE(text.find(kept), std::string::npos);
    }
    TFormState loaded = Defaults("/q/");
    ReadSettings(loaded, text);
    EXPECT_EQ(loaded.Left, 0);
    EXPECT_EQ(loaded.Edit2, "/p/");
    EXPECT_EQ(loaded.ComboBox2, 3);
    EXPECT_EQ(Stored(text, "Sets", "K4999"), "4999");
}

}  // namespace
}  // namespace drafnova
