// Writes the JWW header block for one of the nine versions. The comments
// number the parts of the block in file order, 1 to 34 (17a and 17b being the
// two forms of the mark jumps); the reader uses the same numbers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Func_/error.hpp"
#include "Func_/text.hpp"
#include "jwwunit/encodings.hpp"
#include "jwwunit/header.hpp"

namespace drafnova {
namespace {

constexpr std::size_t kSignatureSize = 8;
constexpr std::size_t kReservedWords = 14;          // item 7
constexpr std::int32_t kWidestOldDrawWidth = -101;  // item 10, up to 4.20

template <typename Table>
void CheckLength(const Table& table, std::size_t expected, const char* name) {
    if (table.size() != expected) {
        throw RangeError(std::string("JWW header: table ") + name + " has " +
                         std::to_string(table.size()) + " entries instead of " +
                         std::to_string(expected));
    }
}

// The eleventh switch word (item 25): from 6.00 on the tens digit carries
// PrintOmitDisplayOnlyTens, a value of 0 or below counting as 1.
std::int32_t SwitchWord(const THeader& header, std::int32_t version) {
    std::int64_t word = header.PrintOmitDisplayOnly;
    if (version >= 600) {
        const std::int64_t tens =
            header.PrintOmitDisplayOnlyTens > 0 ? header.PrintOmitDisplayOnlyTens : 1;
        word += 10 * tens;
    }
    if (word < INT32_MIN || word > INT32_MAX) {
        throw RangeError("JWW header: the print switch word does not fit in 32 bits");
    }
    return static_cast<std::int32_t>(word);
}

class HeaderWriter {
public:
    HeaderWriter(ByteSink& sink, const TDrawing& drawing, std::int32_t version)
        : sink_(sink), drawing_(drawing), header_(drawing.Header), version_(version) {}

    void Write() {
        WriteSignature();                                                     // 1
        Int(version_);                                                        // 2
        WriteJwwString(sink_, header_.Memo);                                  // 3, unchanged
        Int(header_.PaperSize);                                               // 4
        Int(header_.WriteLayerGroup);                                         // 5
        WriteLayerStates();                                                   // 6
        for (std::size_t i = 0; i < kReservedWords; ++i) Int(0);              // 7
        for (const std::int32_t word : header_.DimensionSettings) Int(word);  // 8
        Int(0);                                                               // 9
        WriteMaxDrawWidth();                                                  // 10
        WritePrintAndGrid();                                                  // 11
        WriteNames();                                                         // 12, 13
        WriteShadowAndView();                                                 // 14, 15, 16
        WriteMarkJumps();                                                     // 17a or 17b
        WritePensAndLineTypes();                                              // 18 to 23
        WriteSwitchesAndLastValues();                                         // 24 to 28
        if (version_ >= 420) WriteExtendedTables();                           // 29 to 32
        WriteTextSettings();                                                  // 33, 34
    }

private:
    void Int(std::int32_t value) { WriteInt32(sink_, value); }
    void Dbl(double value) { WriteDouble(sink_, value); }
    void Cleaned(std::string_view text) { WriteJwwString(sink_, CleanJwwText(text)); }

    // Exactly 8 bytes: a shorter Signature is padded with zero bytes, a longer
    // one gives its first 8 bytes. The builder always sets "JwwData.".
    void WriteSignature() {
        std::array<std::uint8_t, kSignatureSize> bytes{};
        FillBuf(bytes, 0, static_cast<int>(bytes.size()));
        StrToBuf(bytes, header_.Signature, static_cast<int>(bytes.size()));
        WriteBytes(sink_, bytes);
    }

    void WriteLayerStates() {
        for (std::size_t g = 0; g < kLayerGroupCount; ++g) {
            const TLayerGroup& group = drawing_.LayerGroups.at(g);
            Int(group.State);
            Int(group.WriteLayer);
            Dbl(group.Scale);
            Int(group.Protect);
            for (std::size_t l = 0; l < 16; ++l) {
                const TLayer& layer = drawing_.Layers.at(g * 16 + l);
                Int(layer.State);
                Int(layer.Protect);
            }
        }
    }

    void WriteMaxDrawWidth() {
        std::int32_t width = header_.MaxDrawWidth;
        if (version_ <= 420 && width < kWidestOldDrawWidth) width = kWidestOldDrawWidth;
        Int(width);
    }

    void WritePrintAndGrid() {
        Dbl(header_.PrintOriginX);
        Dbl(header_.PrintOriginY);
        Dbl(header_.PrintScale);
        Int(header_.PrintRotation);
        Int(header_.GridMode);
        Dbl(header_.GridMinSpacing);
        Dbl(header_.GridIntervalX);
        Dbl(header_.GridIntervalY);
        Dbl(header_.GridBaseX);
        Dbl(header_.GridBaseY);
    }

    void WriteNames() {
        for (const TLayer& layer : drawing_.Layers) Cleaned(layer.Name);
        for (const TLayerGroup& group : drawing_.LayerGroups) Cleaned(group.Name);
    }

    void WriteShadowAndView() {
        Dbl(header_.ShadowLevel);
        Dbl(header_.ShadowLatitude);
        Int(header_.Shadow9to15);
        Dbl(header_.WallShadowLevel);
        if (version_ >= 300) {
            Dbl(header_.SkyLevel);
            Dbl(header_.SkyRadius);
        }
        Int(header_.Unit3D);
        Dbl(header_.ViewScale);
        Dbl(header_.ViewOriginX);
        Dbl(header_.ViewOriginY);
        Dbl(header_.RangeScale);
        Dbl(header_.RangeOriginX);
        Dbl(header_.RangeOriginY);
    }

    void WriteMarkJumps() {
        if (version_ > 230) {
            for (std::size_t n = 0; n < 8; ++n) {
                Dbl(header_.MarkJumpScale.at(n));
                Dbl(header_.MarkJumpX.at(n));
                Dbl(header_.MarkJumpY.at(n));
                Int(header_.MarkJumpGroup.at(n));
            }
            for (const TReservedGroup* reserved : {&header_.ReservedA, &header_.ReservedB}) {
                for (const double value : reserved->Values) Dbl(value);
                Int(reserved->Flag);
            }
        } else {
            for (std::size_t n = 0; n < 4; ++n) {
                Dbl(header_.MarkJumpScale.at(n));
                Dbl(header_.MarkJumpX.at(n));
                Dbl(header_.MarkJumpY.at(n));
            }
        }
    }

    void WriteLineType(const TLineTypeNo& type) {
        Int(type.Pattern);
        Int(type.UnitDots);
        Int(type.Pitch);
        Int(type.PrintPitch);
    }

    void WritePensAndLineTypes() {
        for (const double spacing : header_.ParallelSpacing) Dbl(spacing);  // 18
        Dbl(header_.BothSideExtension);
        for (const TColorNo& pen : drawing_.ColorNos) {  // 19
            Int(pen.ScreenColor);
            Int(pen.ScreenWidth);
        }
        for (const TColorNo& pen : drawing_.ColorNos) {  // 20
            Int(pen.PrintColor);
            Int(pen.PrintWidth);
            Dbl(pen.PrintPointRadius);
        }
        for (const TLineTypeNo& type : drawing_.LineTypeNos) WriteLineType(type);  // 21
        for (const TRandomLineNo& line : drawing_.RandomLineNos) {                 // 22
            Int(line.Pattern);
            Int(line.Amplitude);
            Int(line.Pitch);
            Int(line.PrintAmplitude);
            Int(line.PrintPitch);
        }
        for (const TLineTypeNo& type : drawing_.DoubleLineTypeNos) WriteLineType(type);  // 23
    }

    void WriteSwitchesAndLastValues() {
        Int(header_.DrawPointsOnScreen);  // 24
        Int(header_.DrawPointsOnPrint);
        Int(header_.DrawImagesFirst);
        Int(header_.ReverseDraw);
        Int(header_.ReverseSearch);
        Int(header_.ColorPrint);
        Int(header_.PrintByLayerOrder);
        Int(header_.PrintByColorOrder);
        Int(header_.PrintContinuous);
        Int(header_.PrintCommonGray);
        Int(SwitchWord(header_, version_));  // 25
        if (version_ >= 223) {               // 26
            Int(header_.DrawTime);
            Int(header_.EyeInit);
            Int(header_.EyeAngleH1);
            Int(header_.EyeAngleH2);
            Int(header_.EyeAngleH3);
            Dbl(header_.EyeHeight1);
            Dbl(header_.EyeDistance1);
            Dbl(header_.EyeHeight2);
            Dbl(header_.EyeDistance2);
            Dbl(header_.EyeAngleV3);
        }
        if (version_ >= 225) {  // 27
            Dbl(header_.LastLineLength);
            Dbl(header_.LastBoxWidth);
            Dbl(header_.LastBoxHeight);
            Dbl(header_.LastCircleRadius);
        }
        if (version_ >= 230) {  // 28
            Int(header_.SolidAnyColor);
            Int(header_.SolidColor);
        }
    }

    void WriteExtendedTables() {
        for (const TColorExNo& pen : drawing_.ColorExNos) {  // 29
            Int(pen.ScreenColor);
            Int(pen.ScreenWidth);
        }
        for (const TColorExNo& pen : drawing_.ColorExNos) {  // 30
            Cleaned(pen.Name);
            Int(pen.PrintColor);
            Int(pen.PrintWidth);
            Dbl(pen.PrintPointRadius);
        }
        for (const TLineTypeExNo& type : drawing_.LineTypeExNos) {  // 31
            Int(type.Pattern);
            Int(type.UnitDots);
            Int(type.Pitch);
            Int(type.PrintPitch);
        }
        for (const TLineTypeExNo& type : drawing_.LineTypeExNos) {  // 32
            Cleaned(type.Name);
            Int(type.SegmentCount);
            for (const double pitch : type.SegmentPitch) Dbl(pitch);
        }
    }

    void WriteTextSettings() {
        for (const TTextStyleNo& style : drawing_.TextStyleNos) {  // 33
            Dbl(style.Width);
            Dbl(style.Height);
            Dbl(style.Spacing);
            Int(style.Color);
        }
        Dbl(header_.TextWidth);  // 34
        Dbl(header_.TextHeight);
        Dbl(header_.TextSpacing);
        Int(header_.TextColor);
        Int(header_.TextStyle);
        Dbl(header_.TextArrangeLineSpacing);
        Dbl(header_.TextArrangeCount);
        Int(header_.TextShiftOn);
        for (const double shift : header_.TextShiftX) Dbl(shift);
        for (const double shift : header_.TextShiftY) Dbl(shift);
    }

    ByteSink& sink_;
    const TDrawing& drawing_;
    const THeader& header_;
    const std::int32_t version_;
};

}  // namespace

void CheckHeaderTableLengths(const TDrawing& drawing) {
    CheckLength(drawing.LayerGroups, kLayerGroupCount, "LayerGroups");
    CheckLength(drawing.Layers, kLayerCount, "Layers");
    CheckLength(drawing.ColorNos, kColorNoCount, "ColorNos");
    CheckLength(drawing.LineTypeNos, kLineTypeNoCount, "LineTypeNos");
    CheckLength(drawing.RandomLineNos, kRandomLineNoCount, "RandomLineNos");
    CheckLength(drawing.DoubleLineTypeNos, kDoubleLineTypeNoCount, "DoubleLineTypeNos");
    CheckLength(drawing.ColorExNos, kColorExNoCount, "ColorExNos");
    CheckLength(drawing.LineTypeExNos, kLineTypeExNoCount, "LineTypeExNos");
    CheckLength(drawing.TextStyleNos, kTextStyleNoCount, "TextStyleNos");
}

void WriteJwwHeader(ByteSink& sink, const TDrawing& drawing, std::int32_t version) {
    // Checked before the first byte, so that a refused header writes nothing.
    if (!IsJwwVersion(version)) {
        throw RangeError("JWW header: no version " + std::to_string(version) +
                         " to write (2.20 to 7.00)");
    }
    CheckHeaderTableLengths(drawing);
    HeaderWriter(sink, drawing, version).Write();
}

}  // namespace drafnova
