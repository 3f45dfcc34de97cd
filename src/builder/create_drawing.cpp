#include "builder/create_drawing.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "Func_/text.hpp"
#include "builder/defaults.hpp"
#include "builder/paper.hpp"
#include "builder/scales_grid.hpp"
#include "jwwunit/jww_file.hpp"
#include "platform/files.hpp"

namespace drafnova {
namespace {

constexpr std::string_view kExtension = ".JWW";
constexpr std::string_view kBackupExtension = ".BAK";
constexpr std::string_view kSignature = "JwwData.";

// Characters Windows refuses in a file name, and the separators of both
// platforms: a name holding one would write somewhere else or fail late.
// Control characters are refused too (Windows forbids them in names).
constexpr std::string_view kForbiddenInName = "\\/:*?\"<>|";

// Names Windows keeps for devices, whatever follows them after a dot:
// "CON.JWW" names the console, not a file.
constexpr std::array<std::string_view, 22> kDeviceNames = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

bool IsDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return std::find(kDeviceNames.begin(), kDeviceNames.end(), stem) != kDeviceNames.end();
}

bool IsAllowedFileName(std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (IsLeadByte(byte)) {
            ++i;  // the second byte of a double-byte character may be 0x5C or 0x7C
            continue;
        }
        if (byte < 0x20 ||
            kForbiddenInName.find(static_cast<char>(byte)) != std::string_view::npos) {
            return false;
        }
    }
    return !IsDeviceName(name);
}

std::string TargetPathFor(const TCreateSettings& settings) {
    std::string path = settings.Folder;
    if (!platform::EndsWithSeparator(path)) path += platform::kPathSeparator;
    path += settings.FileName;
    path += kExtension;
    return path;
}

std::string BackupPathFor(const std::string& targetPath) {
    return targetPath.substr(0, targetPath.size() - kExtension.size()) +
           std::string(kBackupExtension);
}

enum class TOverwrite { Stop, NewFile, Replace };

// Asks before an existing drawing is replaced. The old drawing becomes the
// backup only when the new one has been written whole (SaveJww), so that a
// run that ends early or fails leaves the drawing and its backup as they were.
TOverwrite ConfirmOverwrite(const std::string& targetPath, TBuilderHost& host) {
    try {
        if (!platform::FileExists(targetPath)) return TOverwrite::NewFile;
        if (!host.Confirm(Sj(u8"指定したファイルが既に存在します。上書きしてもよろしいですか？"))) {
            host.FocusField(TSettingField::FileName);
            return TOverwrite::Stop;
        }
        return TOverwrite::Replace;
    } catch (const std::exception&) {
        host.Beep();
        host.FocusField(TSettingField::FileName);
        return TOverwrite::Stop;
    }
}

// The fixed table lengths and the defaults of a new drawing.
void StartFromDefaults(TDrawing& drawing, const TCreateSettings& settings) {
    ClearDrawing(drawing);
    SizeHeaderTables(drawing);
    SetLayerDefaults(drawing, settings.WriteGroup);
    SetColorDefaults(drawing, settings.BackColor);
    SetLineTypeDefaults(drawing);
    SetTextStyleDefaults(drawing);
    SetMiscDefaults(drawing);
}

TLineStyle FrameStyle(const TCreateSettings& settings) {
    return {settings.FrameColor, settings.FrameLineType, settings.FrameGroup, settings.FrameLayer};
}

TLineStyle OutlineStyle(const TCreateSettings& settings) {
    return {settings.OutlineColor, settings.OutlineLineType, settings.OutlineGroup,
            settings.OutlineLayer};
}

}  // namespace

std::int32_t VersionNumberFor(int versionIndex) {
    constexpr std::array<std::int32_t, 9> kNumbers = {220, 223, 225, 230, 300, 351, 420, 600, 700};
    if (versionIndex < 0 || versionIndex >= static_cast<int>(kNumbers.size())) return 700;
    return kNumbers[static_cast<std::size_t>(versionIndex)];
}

void CreateNewDrawing(TDrawing& drawing, const TCreateSettings& settings, TBuilderHost& host,
                      TPrinterMetrics& printer) {
    if (DeleteBlanks(settings.FileName).empty() || !IsAllowedFileName(settings.FileName)) {
        host.Beep();
        host.FocusField(TSettingField::FileName);
        return;
    }
    if (DeleteBlanks(settings.Folder).empty()) {
        host.Beep();
        host.FocusField(TSettingField::Folder);
        return;
    }
    const bool hasSource = !settings.SourceFile.empty();
    if (hasSource && !platform::FileExists(settings.SourceFile)) {
        host.Inform(Sj(u8"指定した設定流用図面ファイルは存在しません。"));
    }
    const double gapX = TextToFloat(settings.OutlineGapX);
    const double gapY = TextToFloat(settings.OutlineGapY);

    const std::string targetPath = TargetPathFor(settings);
    const TOverwrite overwrite = ConfirmOverwrite(targetPath, host);
    if (overwrite == TOverwrite::Stop) return;

    StartFromDefaults(drawing, settings);

    // The source's header replaces every default. A header that cannot be
    // read whole (cut short, or older than 2.20) would leave zero pens and
    // empty tables: the drawing is then made from the defaults, and the user
    // is told that the source was not used.
    if (hasSource && platform::FileExists(settings.SourceFile) && IsJwwFile(settings.SourceFile) &&
        !ReadJwwHeader(drawing, settings.SourceFile)) {
        StartFromDefaults(drawing, settings);
        host.Inform(
            Sj(u8"指定した設定流用図面ファイルを読み込めませんでした。既定の設定で作成します。"));
    }

    drawing.Header.Signature = std::string(kSignature);
    const TPaperSize paper = PaperSizeFor(settings.PaperIndex, printer);
    drawing.Header.PaperSize = paper.Code;
    ApplyWriteGroup(drawing, settings.WriteGroup);
    ApplyGrid(drawing, settings, paper.Width, paper.Height);
    ApplyGroupScales(drawing, settings.GroupScale);
    AddFrameLines(drawing, paper.Width, paper.Height, FrameStyle(settings), OutlineStyle(settings),
                  gapX, gapY);

    TSaveOptions save;
    std::string reason;
    save.FailureReason = &reason;
    if (overwrite == TOverwrite::Replace) save.BackupPath = BackupPathFor(targetPath);
    if (!SaveJww(drawing, targetPath, VersionNumberFor(settings.VersionIndex), save)) {
        // Nothing new is at the path (the old drawing, if any, is where it
        // was); opening it would only confuse.
        std::string message =
            Sj(u8"図面ファイル「") + targetPath + Sj(u8"」を作成できませんでした");
        if (!reason.empty()) message += " (" + reason + ")";
        throw IoError(message);
    }
    host.OpenDocument(targetPath);
}

}  // namespace drafnova
