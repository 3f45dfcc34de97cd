#pragma once
// The settings file "drafnova.ini" beside the program: the window's state
// loaded when the window is shown and saved when it closes.

#include <string>
#include <string_view>

#include "UnitIni/form_state.hpp"
#include "jwtype/drawing.hpp"

namespace drafnova {

inline constexpr std::string_view kSettingsFileName = "drafnova.ini";

// What the window does when it is shown: resets the drawing (ClearHeader,
// ClearImageList), records programFolder (with its trailing separator) as
// ProgramFolder and as the drawing's ImageFolder, switches EmbedImages off,
// sets IniFileName, gives every control its default and reads the settings
// file over them. Never raises for the file; a file that cannot be read
// leaves the defaults.
void LoadSettings(TFormState& state, TDrawing& drawing, const std::string& programFolder);

// What the window does when it closes: releases the drawing (ClearImageList,
// ClearDrawing) and writes every key to IniFileName in one rewrite of the
// file. Never raises; returns whether the file was written, which the window
// ignores.
bool SaveSettings(const TFormState& state, TDrawing& drawing);

}  // namespace drafnova
