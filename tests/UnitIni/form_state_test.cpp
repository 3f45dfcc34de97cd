#include "UnitIni/form_state.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "Func_/error.hpp"

namespace drafnova {
namespace {

TFormState Defaults(const std::string& folder) {
    TFormState state;
    state.ProgramFolder = folder;
    SetFormDefaults(state);
    return state;
}

TEST(FormState, DefaultsKeepTheProgramFolder) {
    TFormState state;
    state.ProgramFolder = "/opt/drafnova/";
    state.IniFileName = "/opt/drafnova/drafnova.ini";
    state.Edit1 = "changed";
    state.ComboBox1 = 0;
    state.ComboBoxD[9] = "1/9";
    SetFormDefaults(state);
    EXPECT_EQ(state.ProgramFolder, "/opt/drafnova/");
    EXPECT_EQ(state.IniFileName, "/opt/drafnova/drafnova.ini");
    EXPECT_EQ(state.Edit2, "/opt/drafnova/");
    EXPECT_EQ(state.Edit1, Sj(u8"新規図面"));
    EXPECT_EQ(state.ComboBox1, 8);
    EXPECT_EQ(state.ComboBoxD[9], "1/1");
}

TEST(FormState, GatherFeedsEveryField) {
    TFormState state = Defaults("/p/");
    state.Edit1 = "a";
    state.Edit2 = "b/";
    state.Edit3 = "c";
    state.ComboBox1 = 1;
    state.ComboBox2 = 2;
    state.ComboBox3 = 3;
    state.ComboBoxD[5] = "1/5";
    state.RadioGroup2 = 1;
    state.CheckBox1 = false;
    state.Edit4 = "abc";  // passed on as typed
    state.RadioGroup1 = 1;
    state.ComboBox4 = 4;
    state.ComboBox5 = 5;
    state.ComboBox6 = 6;
    state.ComboBox7 = 7;
    state.ComboBox8 = 8;
    state.ComboBox9 = 0;
    state.ComboBox10 = 1;
    state.ComboBox11 = 11;
    state.ComboBox12 = 12;
    state.Edit5 = "150";
    state.Edit6 = "6";
    const TCreateSettings s = GatherCreateSettings(state);
    EXPECT_EQ(s.FileName, "a");
    EXPECT_EQ(s.Folder, "b/");
    EXPECT_EQ(s.SourceFile, "c");
    EXPECT_EQ(s.VersionIndex, 1);
    EXPECT_EQ(s.PaperIndex, 2);
    EXPECT_EQ(s.WriteGroup, 3);
    EXPECT_EQ(s.GroupScale[5], "1/5");
    EXPECT_EQ(s.GroupScale[4], "1/1");
    EXPECT_EQ(s.BackColor, 1);
    EXPECT_FALSE(s.GridShow);
    EXPECT_EQ(s.GridPitch, "abc");
    EXPECT_TRUE(s.GridRealSize);
    EXPECT_EQ(s.GridOrigin, 4);
    EXPECT_EQ(s.FrameColor, 5);
    EXPECT_EQ(s.FrameLineType, 6);
    EXPECT_EQ(s.FrameGroup, 7);
    EXPECT_EQ(s.FrameLayer, 8);
    EXPECT_EQ(s.OutlineColor, 0);
    EXPECT_EQ(s.OutlineLineType, 1);
    EXPECT_EQ(s.OutlineGroup, 11);
    EXPECT_EQ(s.OutlineLayer, 12);
    EXPECT_EQ(s.OutlineGapX, "150");
    EXPECT_EQ(s.OutlineGapY, "6");
}

TEST(FormState, GatherRefusesAnIndexOutsideItsList) {
    const std::function<void(TFormState&)> breakers[] = {
        [](TFormState& s) { s.ComboBox1 = 9; },   [](TFormState& s) { s.ComboBox2 = 28; },
        [](TFormState& s) { s.ComboBox3 = -1; },  [](TFormState& s) { s.RadioGroup1 = 2; },
        [](TFormState& s) { s.RadioGroup2 = 3; }, [](TFormState& s) { s.ComboBox4 = 5; },
        [](TFormState& s) { s.ComboBox6 = 9; },   [](TFormState& s) { s.ComboBox12 = 16; },
    };
    for (const auto& breakState : breakers) {
        TFormState state = Defaults("/p/");
        breakState(state);
        EXPECT_THROW(GatherCreateSettings(state), RangeError);
    }
}

}  // namespace
}  // namespace drafnova
