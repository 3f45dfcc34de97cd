#pragma once
// The settings of one new drawing, as the window (or the command line)
// gathers them, and the services the create command asks of its caller.

#include <array>
#include <string>

namespace drafnova {

// Index fields always lie inside their lists; texts are CP932 as typed.
struct TCreateSettings {
    std::string FileName;                    // without ".JWW"
    std::string Folder;                      // normally ends with a path separator
    std::string SourceFile;                  // drawing whose header settings are taken over
    int PaperIndex = 0;                      // 0..27
    int VersionIndex = 8;                    // 0..8, "2.20" .. "7.00"
    int WriteGroup = 0;                      // 0..15
    std::array<std::string, 16> GroupScale;  // "1/100" and the like
    bool GridShow = true;
    std::string GridPitch;      // millimetres
    bool GridRealSize = false;  // interval in real size instead of on paper
    int GridOrigin = 0;         // 0..4
    int BackColor = 0;          // 0 white, 1 black, 2 dark green
    int FrameColor = 0;         // 0..8
    int FrameLineType = 0;      // 0..8
    int FrameGroup = 0;         // 0..15
    int FrameLayer = 0;         // 0..15
    int OutlineColor = 0;
    int OutlineLineType = 0;
    int OutlineGroup = 0;
    int OutlineLayer = 0;
    std::string OutlineGapX;  // left/right inset, millimetres
    std::string OutlineGapY;  // top/bottom inset, millimetres
};

// The fields the create command may send the input focus to.
enum class TSettingField { FileName, Folder };

class TBuilderHost {
public:
    virtual ~TBuilderHost() = default;
    virtual void Beep() = 0;
    virtual void FocusField(TSettingField field) = 0;
    virtual void Inform(const std::string& text) = 0;   // CP932 text
    virtual bool Confirm(const std::string& text) = 0;  // true only for "yes"
    virtual void OpenDocument(const std::string& path) = 0;
};

}  // namespace drafnova
