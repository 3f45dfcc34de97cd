#include "UnitIni/settings_file.hpp"

#include <exception>

#include "UnitIni/ini_file.hpp"
#include "UnitIni/settings_keys.hpp"

namespace drafnova {

void LoadSettings(TFormState& state, TDrawing& drawing, const std::string& programFolder) {
    ClearHeader(drawing);
    ClearImageList(drawing);
    state.ProgramFolder = programFolder;
    drawing.ImageFolder = programFolder;
    drawing.EmbedImages = false;
    state.IniFileName = programFolder + std::string(kSettingsFileName);
    SetFormDefaults(state);

    std::string text;
    if (LoadIniText(state.IniFileName, text)) ReadSettings(state, text);
}

bool SaveSettings(const TFormState& state, TDrawing& drawing) {
    ClearImageList(drawing);
    ClearDrawing(drawing);
    if (state.IniFileName.empty()) return false;
    try {
        std::string text;
        if (!LoadIniText(state.IniFileName, text)) return false;
        WriteSettings(state, text);
        return SaveIniText(state.IniFileName, text);
    } catch (const std::exception&) {
        return false;  // the window closes all the same
    }
}

}  // namespace drafnova
