// Reads the JWW header block into the drawing model. The layout is the
// writer's, with these differences: the reserved words are discarded, strings
// are stored as read, MaxDrawWidth is stored as read, the eleventh switch word
// is always split into its units and tens, and what the file's version does not
// carry is left as it was.

#include <cstddef>
#include <cstdint>
#include <string>

#include "jwwunit/encodings.hpp"
#include "jwwunit/header.hpp"

namespace drafnova {
namespace {

constexpr std::size_t kSignatureSize = 8;
constexpr std::size_t kReservedWords = 14;  // item 7
constexpr std::int32_t kOldestVersion = 220;

class HeaderReader {
public:
    HeaderReader(ByteSource& source, TDrawing& drawing)
        : source_(source), drawing_(drawing), header_(drawing.Header) {}

    bool Read() {
        header_.Signature = ReadBytes(source_, kSignatureSize);  // 1, not compared
        header_.Version = Int();                                 // 2
        if (header_.Version < kOldestVersion) return false;
        version_ = header_.Version;
        header_.Memo = Str();                                               // 3
        header_.PaperSize = Int();                                          // 4
        header_.WriteLayerGroup = Int();                                    // 5
        ReadLayerStates();                                                  // 6
        for (std::size_t i = 0; i < kReservedWords; ++i) Int();             // 7, discarded
        for (std::int32_t& word : header_.DimensionSettings) word = Int();  // 8
        Int();                                                              // 9, discarded
        header_.MaxDrawWidth = Int();                                       // 10, as read
        ReadPrintAndGrid();                                                 // 11
        ReadNames();                                                        // 12, 13
        ReadShadowAndView();                                                // 14, 15, 16
        ReadMarkJumps();                                                    // 17a or 17b
        ReadPensAndLineTypes();                                             // 18 to 23
        ReadSwitchesAndLastValues();                                        // 24 to 28
        if (version_ >= 420) ReadExtendedTables();                          // 29 to 32
        ReadTextSettings();                                                 // 33, 34
        return true;
    }

private:
    std::int32_t Int() { return ReadInt32(source_); }
    double Dbl() { return ReadDouble(source_); }
    std::string Str() { return ReadJwwString(source_); }

    void ReadLayerStates() {
        for (std::size_t g = 0; g < kLayerGroupCount; ++g) {
            TLayerGroup& group = drawing_.LayerGroups.at(g);
            group.State = Int();
            group.WriteLayer = Int();
            group.Scale = Dbl();
            group.Protect = Int();
            for (std::size_t l = 0; l < 16; ++l) {
                TLayer& layer = drawing_.Layers.at(g * 16 + l);
                layer.State = Int();
                layer.Protect = Int();
            }
        }
    }

    void ReadPrintAndGrid() {
        header_.PrintOriginX = Dbl();
        header_.PrintOriginY = Dbl();
        header_.PrintScale = Dbl();
        header_.PrintRotation = Int();
        header_.GridMode = Int();
        header_.GridMinSpacing = Dbl();
        header_.GridIntervalX = Dbl();
        header_.GridIntervalY = Dbl();
        header_.GridBaseX = Dbl();
        header_.GridBaseY = Dbl();
    }

    void ReadNames() {
        for (TLayer& layer : drawing_.Layers) layer.Name = Str();
        for (TLayerGroup& group : drawing_.LayerGroups) group.Name = Str();
    }

    void ReadShadowAndView() {
        header_.ShadowLevel = Dbl();
        header_.ShadowLatitude = Dbl();
        header_.Shadow9to15 = Int();
        header_.WallShadowLevel = Dbl();
        if (version_ >= 300) {
            header_.SkyLevel = Dbl();
            header_.SkyRadius = Dbl();
        }
        header_.Unit3D = Int();
        header_.ViewScale = Dbl();
        header_.ViewOriginX = Dbl();
        header_.ViewOriginY = Dbl();
        header_.RangeScale = Dbl();
        header_.RangeOriginX = Dbl();
        header_.RangeOriginY = Dbl();
    }

    void ReadMarkJumps() {
        if (version_ > 230) {
            for (std::size_t n = 0; n < 8; ++n) {
                header_.MarkJumpScale.at(n) = Dbl();
                header_.MarkJumpX.at(n) = Dbl();
                header_.MarkJumpY.at(n) = Dbl();
                header_.MarkJumpGroup.at(n) = Int();
            }
            for (TReservedGroup* reserved : {&header_.ReservedA, &header_.ReservedB}) {
                for (double& value : reserved->Values) value = Dbl();
                reserved->Flag = Int();
            }
        } else {
            for (std::size_t n = 0; n < 4; ++n) {
                header_.MarkJumpScale.at(n) = Dbl();
                header_.MarkJumpX.at(n) = Dbl();
                header_.MarkJumpY.at(n) = Dbl();
            }
        }
    }

    void ReadLineType(TLineTypeNo& type) {
        type.Pattern = Int();
        type.UnitDots = Int();
        type.Pitch = Int();
        type.PrintPitch = Int();
    }

    void ReadPensAndLineTypes() {
        for (double& spacing : header_.ParallelSpacing) spacing = Dbl();  // 18
        header_.BothSideExtension = Dbl();
        for (TColorNo& pen : drawing_.ColorNos) {  // 19
            pen.ScreenColor = Int();
            pen.ScreenWidth = Int();
        }
        for (TColorNo& pen : drawing_.ColorNos) {  // 20
            pen.PrintColor = Int();
            pen.PrintWidth = Int();
            pen.PrintPointRadius = Dbl();
        }
        for (TLineTypeNo& type : drawing_.LineTypeNos) ReadLineType(type);  // 21
        for (TRandomLineNo& line : drawing_.RandomLineNos) {                // 22
            line.Pattern = Int();
            line.Amplitude = Int();
            line.Pitch = Int();
            line.PrintAmplitude = Int();
            line.PrintPitch = Int();
        }
        for (TLineTypeNo& type : drawing_.DoubleLineTypeNos) ReadLineType(type);  // 23
    }

    // Items 24 to 28: 44 bytes, plus 60 from 2.23, 32 from 2.25, 8 from 2.30.
    void ReadSwitchesAndLastValues() {
        header_.DrawPointsOnScreen = Int();  // 24
        header_.DrawPointsOnPrint = Int();
        header_.DrawImagesFirst = Int();
        header_.ReverseDraw = Int();
        header_.ReverseSearch = Int();
        header_.ColorPrint = Int();
        header_.PrintByLayerOrder = Int();
        header_.PrintByColorOrder = Int();
        header_.PrintContinuous = Int();
        header_.PrintCommonGray = Int();
        // 25, split whatever the version; C++ division truncates toward zero
        // and the remainder takes the sign of the word (-7 gives 0 and -7).
        const std::int32_t word = Int();
        header_.PrintOmitDisplayOnlyTens = word / 10;
        header_.PrintOmitDisplayOnly = word % 10;
        if (version_ >= 223) {  // 26
            header_.DrawTime = Int();
            header_.EyeInit = Int();
            header_.EyeAngleH1 = Int();
            header_.EyeAngleH2 = Int();
            header_.EyeAngleH3 = Int();
            header_.EyeHeight1 = Dbl();
            header_.EyeDistance1 = Dbl();
            header_.EyeHeight2 = Dbl();
            header_.EyeDistance2 = Dbl();
            header_.EyeAngleV3 = Dbl();
        }
        if (version_ >= 225) {  // 27
            header_.LastLineLength = Dbl();
            header_.LastBoxWidth = Dbl();
            header_.LastBoxHeight = Dbl();
            header_.LastCircleRadius = Dbl();
        }
        if (version_ >= 230) {  // 28
            header_.SolidAnyColor = Int();
            header_.SolidColor = Int();
        }
    }

    void ReadExtendedTables() {
        for (TColorExNo& pen : drawing_.ColorExNos) {  // 29
            pen.ScreenColor = Int();
            pen.ScreenWidth = Int();
        }
        for (TColorExNo& pen : drawing_.ColorExNos) {  // 30
            pen.Name = Str();
            pen.PrintColor = Int();
            pen.PrintWidth = Int();
            pen.PrintPointRadius = Dbl();
        }
        for (TLineTypeExNo& type : drawing_.LineTypeExNos) {  // 31
            type.Pattern = Int();
            type.UnitDots = Int();
            type.Pitch = Int();
            type.PrintPitch = Int();
        }
        for (TLineTypeExNo& type : drawing_.LineTypeExNos) {  // 32
            type.Name = Str();
            type.SegmentCount = Int();
            for (double& pitch : type.SegmentPitch) pitch = Dbl();
        }
    }

    void ReadTextSettings() {
        for (TTextStyleNo& style : drawing_.TextStyleNos) {  // 33
            style.Width = Dbl();
            style.Height = Dbl();
            style.Spacing = Dbl();
            style.Color = Int();
        }
        header_.TextWidth = Dbl();  // 34
        header_.TextHeight = Dbl();
        header_.TextSpacing = Dbl();
        header_.TextColor = Int();
        header_.TextStyle = Int();
        header_.TextArrangeLineSpacing = Dbl();
        header_.TextArrangeCount = Dbl();
        header_.TextShiftOn = Int();
        for (double& shift : header_.TextShiftX) shift = Dbl();
        for (double& shift : header_.TextShiftY) shift = Dbl();
    }

    ByteSource& source_;
    TDrawing& drawing_;
    THeader& header_;
    std::int32_t version_ = 0;
};

}  // namespace

bool ReadJwwHeaderBlock(ByteSource& source, TDrawing& drawing) {
    // Checked first, so that no table is ever indexed past its end.
    CheckHeaderTableLengths(drawing);
    return HeaderReader(source, drawing).Read();
}

}  // namespace drafnova
