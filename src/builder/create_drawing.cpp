#include "builder/create_drawing.hpp"

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
constexpr std::string_view kForbiddenInName = "\\/:*?\"<>|";

bool IsAllowedFileName(std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (IsLeadByte(byte)) {
            ++i;  // the second byte of a double-byte character may be 0x5C or 0x7C
            continue;
        }
        if (kForbiddenInName.find(static_cast<char>(byte)) != std::string_view::npos) {
            return false;
        }
    }
    return true;
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

// Asks before an existing drawing is replaced and keeps it as the backup.
// Returns false when the command must stop.
bool ConfirmAndBackUp(const std::string& targetPath, TBuilderHost& host) {
    try {
        if (!platform::FileExists(targetPath)) return true;
        if (!host.Confirm(Sj(u8"指定したファイルが既に存在します。上書きしてもよろしいですか？"))) {
            host.FocusField(TSettingField::FileName);
            return false;
        }
        // A backup that cannot be made does not stop the command: the old
        // drawing then stays at its path until the new one replaces it.
        try {
            const std::string backupPath = BackupPathFor(targetPath);
            if (platform::FileExists(backupPath)) platform::DeleteFile(backupPath);
            platform::RenameFile(targetPath, backupPath);
        } catch (const std::exception&) {
        }
        return true;
    } catch (const std::exception&) {
        host.Beep();
        host.FocusField(TSettingField::FileName);
        return false;
    }
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
    if (!ConfirmAndBackUp(targetPath, host)) return;

    ClearDrawing(drawing);
    SizeHeaderTables(drawing);
    SetLayerDefaults(drawing, settings.WriteGroup);
    SetColorDefaults(drawing, settings.BackColor);
    SetLineTypeDefaults(drawing);
    SetTextStyleDefaults(drawing);
    SetMiscDefaults(drawing);

    // The source's header replaces every default; whether the whole header
    // could be read does not matter, the settings below apply either way.
    if (hasSource && platform::FileExists(settings.SourceFile) && IsJwwFile(settings.SourceFile)) {
        ReadJwwHeader(drawing, settings.SourceFile);
    }

    drawing.Header.Signature = std::string(kSignature);
    const TPaperSize paper = PaperSizeFor(settings.PaperIndex, printer);
    drawing.Header.PaperSize = paper.Code;
    ApplyWriteGroup(drawing, settings.WriteGroup);
    ApplyGrid(drawing, settings, paper.Width, paper.Height);
    ApplyGroupScales(drawing, settings.GroupScale);
    AddFrameLines(drawing, paper.Width, paper.Height, FrameStyle(settings), OutlineStyle(settings),
                  gapX, gapY);

    if (!SaveJww(drawing, targetPath, VersionNumberFor(settings.VersionIndex))) {
        // Nothing is left at the path; opening it would only confuse.
        throw IoError(Sj(u8"図面ファイル「") + targetPath + Sj(u8"」を作成できませんでした"));
    }
    host.OpenDocument(targetPath);
}

}  // namespace drafnova
