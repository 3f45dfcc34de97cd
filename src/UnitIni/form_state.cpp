#include "UnitIni/form_state.hpp"

#include <cstddef>
#include <utility>

#include "Func_/error.hpp"

namespace drafnova {
namespace {

int CheckedIndex(int index, std::size_t count, const char* control) {
    if (index < 0 || static_cast<std::size_t>(index) >= count) {
        throw RangeError(std::string("item index outside the list of ") + control);
    }
    return index;
}

}  // namespace

void SetFormDefaults(TFormState& state) {
    std::string programFolder = std::move(state.ProgramFolder);
    std::string iniFileName = std::move(state.IniFileName);
    state = TFormState{};
    state.ProgramFolder = std::move(programFolder);
    state.IniFileName = std::move(iniFileName);
    state.Edit2 = state.ProgramFolder;
}

TCreateSettings GatherCreateSettings(const TFormState& state) {
    TCreateSettings settings;
    settings.FileName = state.Edit1;
    settings.Folder = state.Edit2;
    settings.SourceFile = state.Edit3;
    settings.PaperIndex = CheckedIndex(state.ComboBox2, kPaperCount, "ComboBox2");
    settings.VersionIndex = CheckedIndex(state.ComboBox1, kVersionCount, "ComboBox1");
    settings.WriteGroup = CheckedIndex(state.ComboBox3, kGroupCount, "ComboBox3");
    settings.GroupScale = state.ComboBoxD;
    settings.GridShow = state.CheckBox1;
    settings.GridPitch = state.Edit4;
    settings.GridRealSize = CheckedIndex(state.RadioGroup1, kGridUnitCount, "RadioGroup1") == 1;
    settings.GridOrigin = CheckedIndex(state.ComboBox4, kGridOriginCount, "ComboBox4");
    settings.BackColor = CheckedIndex(state.RadioGroup2, kBackColorCount, "RadioGroup2");
    settings.FrameColor = CheckedIndex(state.ComboBox5, kLineColorCount, "ComboBox5");
    settings.FrameLineType = CheckedIndex(state.ComboBox6, kLineTypeCount, "ComboBox6");
    settings.FrameGroup = CheckedIndex(state.ComboBox7, kGroupCount, "ComboBox7");
    settings.FrameLayer = CheckedIndex(state.ComboBox8, kGroupCount, "ComboBox8");
    settings.OutlineColor = CheckedIndex(state.ComboBox9, kLineColorCount, "ComboBox9");
    settings.OutlineLineType = CheckedIndex(state.ComboBox10, kLineTypeCount, "ComboBox10");
    settings.OutlineGroup = CheckedIndex(state.ComboBox11, kGroupCount, "ComboBox11");
    settings.OutlineLayer = CheckedIndex(state.ComboBox12, kGroupCount, "ComboBox12");
    settings.OutlineGapX = state.Edit5;
    settings.OutlineGapY = state.Edit6;
    return settings;
}

void ShowCreateSettings(TFormState& state, const TCreateSettings& settings) {
    state.Edit1 = settings.FileName;
    state.Edit2 = settings.Folder;
    state.Edit3 = settings.SourceFile;
    state.ComboBox2 = settings.PaperIndex;
    state.ComboBox1 = settings.VersionIndex;
    state.ComboBox3 = settings.WriteGroup;
    state.ComboBoxD = settings.GroupScale;
    state.CheckBox1 = settings.GridShow;
    state.Edit4 = settings.GridPitch;
    state.RadioGroup1 = settings.GridRealSize ? 1 : 0;
    state.ComboBox4 = settings.GridOrigin;
    state.RadioGroup2 = settings.BackColor;
    state.ComboBox5 = settings.FrameColor;
    state.ComboBox6 = settings.FrameLineType;
    state.ComboBox7 = settings.FrameGroup;
    state.ComboBox8 = settings.FrameLayer;
    state.ComboBox9 = settings.OutlineColor;
    state.ComboBox10 = settings.OutlineLineType;
    state.ComboBox11 = settings.OutlineGroup;
    state.ComboBox12 = settings.OutlineLayer;
    state.Edit5 = settings.OutlineGapX;
    state.Edit6 = settings.OutlineGapY;
}

}  // namespace drafnova
