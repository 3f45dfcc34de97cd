#pragma once
// The main window's state as plain data: what every control holds, and the
// window's position. The window copies it to its controls when it is shown
// and back when it closes or creates a drawing; the settings file stores it.

#include <array>
#include <string>

#include "Func_/cp932.hpp"
#include "UnitIni/form_lists.hpp"
#include "builder/settings.hpp"

namespace drafnova {

// The window's designed position, used until the settings file gives one.
inline constexpr int kFormDesignLeft = 192;
inline constexpr int kFormDesignTop = 109;

// Each field bears the name of its control and starts at the control's
// default, except Edit2, whose default is ProgramFolder (SetFormDefaults).
// List and radio group fields are item indexes into the lists of form_lists.
struct TFormState {
    // Set when the window is shown, kept until it closes.
    std::string ProgramFolder;  // the program's own folder, with a trailing separator
    std::string IniFileName;    // ProgramFolder + "drafnova.ini"

    int Left = kFormDesignLeft;  // outer window frame, screen pixels
    int Top = kFormDesignTop;

    std::string Edit1 = Sj(u8"新規図面");                 // FileName
    int ComboBox1 = static_cast<int>(kVersionCount) - 1;  // VersionIndex: "7.00"
    std::string Edit2;                                    // Folder
    std::string Edit3;                                    // SourceFile
    int ComboBox2 = 0;                                    // PaperIndex: "A0横"
    int ComboBox3 = 0;                                    // WriteGroup: "0"
    std::array<std::string, kGroupCount> ComboBoxD = {
        "1/1", "1/1", "1/1", "1/1", "1/1", "1/1", "1/1", "1/1",
        "1/1", "1/1", "1/1", "1/1", "1/1", "1/1", "1/1", "1/1"};  // GroupScale, ComboBoxD0..15
    int RadioGroup2 = 0;                                          // BackColor: "白色"
    bool CheckBox1 = true;                                        // GridShow
    std::string Edit4 = "5.0";                                    // GridPitch
    int RadioGroup1 = 0;      // GridRealSize: 0 "図寸", 1 "実寸"
    int ComboBox4 = 0;        // GridOrigin: "画面中央"
    int ComboBox5 = 0;        // FrameColor: "線色１"
    int ComboBox6 = 0;        // FrameLineType: "実線"
    int ComboBox7 = 0;        // FrameGroup
    int ComboBox8 = 0;        // FrameLayer
    int ComboBox9 = 0;        // OutlineColor
    int ComboBox10 = 0;       // OutlineLineType
    int ComboBox11 = 0;       // OutlineGroup
    int ComboBox12 = 0;       // OutlineLayer
    std::string Edit5 = "0";  // OutlineGapX
    std::string Edit6 = "0";  // OutlineGapY
};

// Gives every control its default; ProgramFolder and IniFileName stay, and
// the folder field shows ProgramFolder.
void SetFormDefaults(TFormState& state);

// The settings of a new drawing, as the controls feed them. Raises RangeError
// when an index lies outside its list (the window never lets that happen).
TCreateSettings GatherCreateSettings(const TFormState& state);

// Puts settings into the controls, as if the user had chosen them (the
// command line's options, before they are saved like the window's).
void ShowCreateSettings(TFormState& state, const TCreateSettings& settings);

}  // namespace drafnova
