#include "cli/commands.hpp"

#include <filesystem>
#include <functional>
#include <iostream>
#include <span>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "UnitIni/form_lists.hpp"
#include "UnitIni/form_state.hpp"
#include "UnitIni/ini_file.hpp"
#include "UnitIni/settings_file.hpp"
#include "UnitIni/settings_keys.hpp"
#include "UnitPrint/system_printer.hpp"
#include "builder/create_drawing.hpp"
#include "cli/cli_host.hpp"
#include "cli/info.hpp"
#include "cli/terminal.hpp"
#include "jwwunit/jww_file.hpp"
#include "platform/files.hpp"

namespace drafnova::cli {
namespace {

// ASCII spellings accepted beside the window's own list texts, by list index.
using TAliases = std::vector<std::vector<std::string>>;

const TAliases kVersionAliases = {{"220"}, {"223"}, {"225"}, {"230"}, {"300"},
                                  {"351"}, {"420"}, {"600"}, {"700"}};
const TAliases kPaperAliases = {{"A0L"},
                                {"A0P"},
                                {"A1L"},
                                {"A1P"},
                                {"A2L"},
                                {"A2P"},
                                {"A3L"},
                                {"A3P"},
                                {"A4L"},
                                {"A4P"},
                                {"A5L"},
                                {"A5P"},
                                {"B0L"},
                                {"B0P"},
                                {"B1L"},
                                {"B1P"},
                                {"B2L"},
                                {"B2P"},
                                {"B3L"},
                                {"B3P"},
                                {"B4L"},
                                {"B4P"},
                                {"B5L"},
                                {"B5P"},
                                {"B6L"},
                                {"B6P"},
                                {"printer-physical"},
                                {"printer-printable"}};
const TAliases kGroupAliases = {{"0", "00"}, {"1", "01"}, {"2", "02"}, {"3", "03"},
                                {"4", "04"}, {"5", "05"}, {"6", "06"}, {"7", "07"},
                                {"8", "08"}, {"9", "09"}, {"10"},      {"11"},
                                {"12"},      {"13"},      {"14"},      {"15"}};
const TAliases kLineTypeAliases = {{"solid"},         {"dotted1"},       {"dotted2"},
                                   {"dotted3"},       {"dash-dot1"},     {"dash-dot2"},
                                   {"dash-dot-dot1"}, {"dash-dot-dot2"}, {"auxiliary"}};
const TAliases kColorAliases = {{"color1", "1"}, {"color2", "2"}, {"color3", "3"},
                                {"color4", "4"}, {"color5", "5"}, {"color6", "6"},
                                {"color7", "7"}, {"color8", "8"}, {"auxiliary", "aux"}};
const TAliases kOriginAliases = {{"center", "centre"},
                                 {"paper-top-left"},
                                 {"paper-top-right"},
                                 {"paper-bottom-left"},
                                 {"paper-bottom-right"}};
const TAliases kUnitAliases = {{"drawing"}, {"real"}};
const TAliases kBackColorAliases = {{"white"}, {"black"}, {"dark-green", "green"}};

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The index of value in a window list, by its text or an ASCII spelling.
template <std::size_t N>
int Choose(const std::string& option, const std::string& value,
           const std::array<std::string, N>& texts, const TAliases& aliases) {
    for (std::size_t i = 0; i < N; ++i) {
        if (value == texts[i]) return static_cast<int>(i);
        if (EqualsIgnoringAsciiCase(value, texts[i])) return static_cast<int>(i);
        for (const std::string& alias : aliases.at(i)) {
            if (EqualsIgnoringAsciiCase(value, alias)) return static_cast<int>(i);
        }
    }
    std::string accepted;
    for (std::size_t i = 0; i < N; ++i) {
        accepted += "\n  " + texts[i];
        for (const std::string& alias : aliases.at(i)) accepted += ", " + alias;
    }
    throw UsageError(option + ": " + Sj(u8"unknown value \"") + value + Sj(u8"\"; accepted:") +
                     accepted);
}

bool OnOff(const std::string& option, const std::string& value) {
    if (EqualsIgnoringAsciiCase(value, "on") || value == "1") return true;
    if (EqualsIgnoringAsciiCase(value, "off") || value == "0") return false;
    throw UsageError(option + ": expected on or off, not \"" + value + "\"");
}

// One option that sets a field of the settings from its value.
struct TSettingOption {
    const char* Name;
    std::function<void(TCreateSettings&, const std::string& option, const std::string& value)>
        Apply;
};

const std::vector<TSettingOption>& SettingOptions() {
    using S = TCreateSettings;
    using V = const std::string&;
    static const std::vector<TSettingOption> options = {
        {"--name", [](S& s, V, V v) { s.FileName = v; }},
        {"--folder", [](S& s, V, V v) { s.Folder = v; }},
        {"--source", [](S& s, V, V v) { s.SourceFile = v; }},
        {"--version",
         [](S& s, V o, V v) { s.VersionIndex = Choose(o, v, VersionList(), kVersionAliases); }},
        {"--paper",
         [](S& s, V o, V v) { s.PaperIndex = Choose(o, v, PaperList(), kPaperAliases); }},
        {"--write-group",
         [](S& s, V o, V v) { s.WriteGroup = Choose(o, v, GroupList(), kGroupAliases); }},
        {"--scales", [](S& s, V, V v) { s.GroupScale.fill(v); }},
        {"--scale",
         [](S& s, V o, V v) {
             const auto equals = v.find('=');
             if (equals == std::string::npos) {
                 throw UsageError(o + ": expected GROUP=SCALE, for example A=1/100");
             }
             const int group = Choose(o, v.substr(0, equals), GroupList(), kGroupAliases);
             s.GroupScale[static_cast<std::size_t>(group)] = v.substr(equals + 1);
         }},
        {"--grid", [](S& s, V o, V v) { s.GridShow = OnOff(o, v); }},
        {"--pitch", [](S& s, V, V v) { s.GridPitch = v; }},
        {"--unit",
         [](S& s, V o, V v) { s.GridRealSize = Choose(o, v, GridUnitList(), kUnitAliases) == 1; }},
        {"--origin",
         [](S& s, V o, V v) { s.GridOrigin = Choose(o, v, GridOriginList(), kOriginAliases); }},
        {"--background",
         [](S& s, V o, V v) { s.BackColor = Choose(o, v, BackColorList(), kBackColorAliases); }},
        {"--frame-color",
         [](S& s, V o, V v) { s.FrameColor = Choose(o, v, LineColorList(), kColorAliases); }},
        {"--frame-line-type",
         [](S& s, V o, V v) { s.FrameLineType = Choose(o, v, LineTypeList(), kLineTypeAliases); }},
        {"--frame-group",
         [](S& s, V o, V v) { s.FrameGroup = Choose(o, v, GroupList(), kGroupAliases); }},
        {"--frame-layer",
         [](S& s, V o, V v) { s.FrameLayer = Choose(o, v, GroupList(), kGroupAliases); }},
        {"--outline-color",
         [](S& s, V o, V v) { s.OutlineColor = Choose(o, v, LineColorList(), kColorAliases); }},
        {"--outline-line-type",
         [](S& s, V o, V v) {
             s.OutlineLineType = Choose(o, v, LineTypeList(), kLineTypeAliases);
         }},
        {"--outline-group",
         [](S& s, V o, V v) { s.OutlineGroup = Choose(o, v, GroupList(), kGroupAliases); }},
        {"--outline-layer",
         [](S& s, V o, V v) { s.OutlineLayer = Choose(o, v, GroupList(), kGroupAliases); }},
        {"--gap-x", [](S& s, V, V v) { s.OutlineGapX = v; }},
        {"--gap-y", [](S& s, V, V v) { s.OutlineGapY = v; }},
    };
    return options;
}

// Walks "--name value" and "--name=value" pairs; flags take no value.
template <typename OnOption>
void WalkOptions(const std::vector<std::string>& arguments, OnOption onOption) {
    static const std::vector<std::string> kFlags = {"--yes", "--no-open", "--save-settings",
                                                    "--help"};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::string value;
        bool hasValue = false;
        if (name.rfind("--", 0) != 0) {
            throw UsageError("unexpected argument \"" + name + "\" (see --help)");
        }
        const auto equals = name.find('=');
        if (equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasValue = true;
        }
        const bool isFlag = std::find(kFlags.begin(), kFlags.end(), name) != kFlags.end();
        if (!isFlag && !hasValue) {
            if (i + 1 >= arguments.size()) throw UsageError(name + ": a value must follow");
            value = arguments[++i];
        } else if (isFlag && hasValue) {
            throw UsageError(name + " takes no value");
        }
        onOption(name, value);
    }
}

const char kNewHelp[] =
    "Usage: drafnova-cli new [options]\n"
    "Creates a new JWW drawing. Options not given keep the settings file's values\n"
    "(drafnova.ini beside the program, or --ini FILE), else the window's defaults.\n"
    "\n"
    "  --name TEXT             file name without .JWW (default 新規図面)\n"
    "  --folder DIR            target folder (default: the current folder)\n"
    "  --source FILE           take the header settings of this JWW drawing\n"
    "  --version V             2.20 2.23 2.25 2.30 3.00 3.51 4.20 6.00 7.00\n"
    "  --paper P               A0横 A0縦 ... B6縦 プリンタ物理サイズ プリンタ印刷可能領域\n"
    "                          (or A0L A0P ... B6P printer-physical printer-printable)\n"
    "  --printer NAME          printer whose paper the two printer sizes measure\n"
    "  --write-group G         layer group 0..9 A..F that receives new drawing\n"
    "  --scale G=S             scale of layer group G, for example A=1/100\n"
    "  --scales S              the same scale for all 16 groups\n"
    "  --grid on|off           grid shown\n"
    "  --pitch MM              grid interval\n"
    "  --unit U                図寸 (drawing) or 実寸 (real)\n"
    "  --origin O              画面中央 用紙左上 用紙右上 用紙左下 用紙右下 (center,\n"
    "                          paper-top-left, paper-top-right, paper-bottom-left,\n"
    "                          paper-bottom-right)\n"
    "  --background B          白色 黒色 深緑 (white, black, dark-green)\n"
    "  --frame-color C         線色１..線色８ 補助色 (color1..color8, auxiliary)\n"
    "  --frame-line-type T     実線 点線１ 点線２ 点線３ 一点鎖１ 一点鎖２ 二点鎖１ 二点鎖２\n"
    "                          補助線種 (solid dotted1 dotted2 dotted3 dash-dot1\n"
    "                          dash-dot2 dash-dot-dot1 dash-dot-dot2 auxiliary)\n"
    "  --frame-group G, --frame-layer L          paper frame layer group and layer\n"
    "  --outline-color C, --outline-line-type T, --outline-group G, --outline-layer L\n"
    "  --gap-x MM, --gap-y MM  outline inset; the outline is drawn when both are > 0\n"
    "  --yes                   overwrite an existing drawing without asking\n"
    "  --no-open               do not open the new drawing\n"
    "  --ini FILE              settings file to start from\n"
    "  --save-settings         write the settings back to the settings file\n"
    "\n"
    "Exit codes: 0 written, 1 refused or declined, 2 error.\n";

const char kInfoHelp[] =
    "Usage: drafnova-cli info [--json] FILE\n"
    "Shows the header settings of a JWW drawing: version, paper code, write layer\n"
    "group, each layer group's state, scale and name, grid and pens.\n";

const char kHelp[] =
    "Usage: drafnova-cli COMMAND [options]\n"
    "  new     create a new JWW drawing (drafnova-cli new --help)\n"
    "  info    show the header settings of a JWW drawing (drafnova-cli info --help)\n";

std::string CurrentFolder() {
    const std::u8string utf8 = std::filesystem::current_path().u8string();
    std::string folder = Utf8ToCp932(std::string(utf8.begin(), utf8.end()));
    if (!platform::EndsWithSeparator(folder)) folder += platform::kPathSeparator;
    return folder;
}

// The settings to start from, as the window would show them: the defaults
// (with the current folder as the target folder), then the settings file.
TFormState StartingState(const std::string& iniFile) {
    TFormState state;
    state.ProgramFolder = platform::ProgramFolder();
    state.IniFileName =
        iniFile.empty() ? state.ProgramFolder + std::string(kSettingsFileName) : iniFile;
    SetFormDefaults(state);
    state.Edit2 = CurrentFolder();
    std::string text;
    if (!LoadIniText(state.IniFileName, text)) {
        Err(Sj(u8"Warning: the settings file could not be read: ") + state.IniFileName + "\n");
    } else {
        ReadSettings(state, text);
    }
    return state;
}

int RunNew(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help") {
            std::cout << kNewHelp;  // UTF-8 already
            return kExitWritten;
        }
    }
    TNewOptions options = ScanNewOptions(arguments);
    TFormState state = StartingState(options.IniFile);
    TCreateSettings settings = GatherCreateSettings(state);
    ApplyNewArguments(arguments, settings, options);

    TDrawing drawing;
    if (options.SaveSettings) {
        ShowCreateSettings(state, settings);
        if (!SaveSettings(state, drawing)) {
            Err(Sj(u8"Warning: the settings could not be saved to ") + state.IniFileName + "\n");
        }
    }
    TCliHost host(options.AssumeYes, options.Open);
    const auto printer = OpenSystemPrinter(options.Printer);
    CreateNewDrawing(drawing, settings, host, *printer);
    if (host.Written()) return kExitWritten;
    if (host.Beeped() && host.Focused() == TSettingField::FileName) {
        Err(Sj(u8"Refused: the file name is empty, only blanks, or holds \\ / : * ? \" < > |\n"));
    } else if (host.Beeped() && host.Focused() == TSettingField::Folder) {
        Err(Sj(u8"Refused: the folder is empty or only blanks\n"));
    } else {
        Err(Sj(u8"Not written: the existing drawing was kept\n"));
    }
    return kExitRefused;
}

int RunInfo(const std::vector<std::string>& arguments) {
    bool json = false;
    std::string path;
    for (const std::string& argument : arguments) {
        if (argument == "--help") {
            std::cout << kInfoHelp;
            return kExitWritten;
        }
        if (argument == "--json") {
            json = true;
        } else if (argument.rfind("--", 0) == 0 || !path.empty()) {
            throw UsageError("info: unexpected argument \"" + argument + "\" (see --help)");
        } else {
            path = argument;
        }
    }
    if (path.empty()) throw UsageError("info: name the JWW file (see --help)");
    if (!platform::FileExists(path)) throw IoError(path + Sj(u8": no such file"));
    TDrawing drawing;
    if (!IsJwwFile(path)) throw IoError(path + Sj(u8": not a JWW drawing"));
    if (!ReadJwwHeader(drawing, path)) {
        throw IoError(path + Sj(u8": the header of the drawing could not be read whole"));
    }
    if (json) {
        std::cout << HeaderAsJson(drawing, path);
    } else {
        Out(DescribeHeader(drawing, path));
    }
    return kExitWritten;
}

}  // namespace

TNewOptions ScanNewOptions(const std::vector<std::string>& arguments) {
    TNewOptions options;
    WalkOptions(arguments, [&](const std::string& name, const std::string& value) {
        if (name == "--ini") options.IniFile = value;
    });
    return options;
}

void ApplyNewArguments(const std::vector<std::string>& arguments, TCreateSettings& settings,
                       TNewOptions& options) {
    WalkOptions(arguments, [&](const std::string& name, const std::string& value) {
        if (name == "--yes") {
            options.AssumeYes = true;
        } else if (name == "--no-open") {
            options.Open = false;
        } else if (name == "--save-settings") {
            options.SaveSettings = true;
        } else if (name == "--ini") {
            options.IniFile = value;
        } else if (name == "--printer") {
            options.Printer = value;
        } else {
            for (const TSettingOption& option : SettingOptions()) {
                if (name == option.Name) {
                    option.Apply(settings, name, value);
                    return;
                }
            }
            throw UsageError("unknown option " + name + " (see --help)");
        }
    });
}

int Run(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "help") {
        std::cout << kHelp;
        return arguments.empty() ? kExitError : kExitWritten;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (arguments[0] == "new") return RunNew(rest);
    if (arguments[0] == "info") return RunInfo(rest);
    throw UsageError("unknown command \"" + arguments[0] + "\" (see --help)");
}

}  // namespace drafnova::cli
