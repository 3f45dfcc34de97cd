#pragma once
// The header record of a drawing: every setting the JWW header block carries,
// in declared order, with the value ClearHeader leaves in it.

#include <array>
#include <cstdint>
#include <string>

namespace drafnova {

// One of the two reserved groups carried from a file read to the file written.
struct TReservedGroup {
    std::array<double, 3> Values{};
    std::int32_t Flag = 0;
};

struct THeader {
    std::string Signature;     // 8 single-byte characters, "JwwData." before a save
    std::int32_t Version = 0;  // version of the file that was read, 0 if none
    std::string Memo;
    std::int32_t PaperSize = 0;
    std::int32_t WriteLayerGroup = 0;
    std::array<std::int32_t, 5> DimensionSettings{};
    std::int32_t MaxDrawWidth = 0;
    double PrintOriginX = 0;
    double PrintOriginY = 0;
    double PrintScale = 1.0;
    std::int32_t PrintRotation = 0;
    std::int32_t GridMode = 0;  // 1 shown, plus 10 when the interval is real size
    double GridMinSpacing = 1.0;
    double GridIntervalX = 1.0;
    double GridIntervalY = 1.0;
    double GridBaseX = 0;
    double GridBaseY = 0;
    double ShadowLevel = 0;
    double ShadowLatitude = 0;
    std::int32_t Shadow9to15 = 0;
    double WallShadowLevel = 0;
    double SkyLevel = 0;
    double SkyRadius = 0;
    std::int32_t Unit3D = 0;
    double ViewScale = 1.0;
    double ViewOriginX = 0;
    double ViewOriginY = 0;
    double RangeScale = 1.0;
    double RangeOriginX = 0;
    double RangeOriginY = 0;
    // Mark jumps 1..8 are held at positions 0..7.
    std::array<double, 8> MarkJumpScale{1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0};
    std::array<double, 8> MarkJumpX{};
    std::array<double, 8> MarkJumpY{};
    std::array<std::int32_t, 8> MarkJumpGroup{-1, -1, -1, -1, -1, -1, -1, -1};
    TReservedGroup ReservedA;
    TReservedGroup ReservedB;
    std::array<double, 10> ParallelSpacing{};  // spacings 1..10 at 0..9
    double BothSideExtension = 0;
    std::int32_t DrawPointsOnScreen = 0;
    std::int32_t DrawPointsOnPrint = 0;
    std::int32_t DrawImagesFirst = 0;
    std::int32_t ReverseDraw = 0;
    std::int32_t ReverseSearch = 0;
    std::int32_t ColorPrint = 0;
    std::int32_t PrintByLayerOrder = 0;
    std::int32_t PrintByColorOrder = 0;
    std::int32_t PrintContinuous = 0;
    std::int32_t PrintCommonGray = 0;
    std::int32_t PrintOmitDisplayOnly = 0;
    std::int32_t PrintOmitDisplayOnlyTens = 0;
    std::int32_t DrawTime = 0;
    std::int32_t EyeInit = 0;
    std::int32_t EyeAngleH1 = 0;
    std::int32_t EyeAngleH2 = 0;
    std::int32_t EyeAngleH3 = 0;
    double EyeHeight1 = 0;
    double EyeDistance1 = 0;
    double EyeHeight2 = 0;
    double EyeDistance2 = 0;
    double EyeAngleV3 = 0;
    double LastLineLength = 0;
    double LastBoxWidth = 0;
    double LastBoxHeight = 0;
    double LastCircleRadius = 0;
    std::int32_t SolidAnyColor = 0;
    std::int32_t SolidColor = 0;
    double TextWidth = 0;
    double TextHeight = 0;
    double TextSpacing = 0;
    std::int32_t TextColor = 0;
    std::int32_t TextStyle = 0;
    double TextArrangeLineSpacing = 0;
    double TextArrangeCount = 0;
    std::int32_t TextShiftOn = 0;
    std::array<double, 3> TextShiftX{};  // left, centre, right
    std::array<double, 3> TextShiftY{};  // bottom, centre, top
    // Not reset by ClearHeader: set by the builder for the data section.
    std::int32_t EntityCount = 0;
    std::int32_t BlockDefTotal = 0;
};

}  // namespace drafnova
