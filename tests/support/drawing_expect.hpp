#pragma once
// Field-by-field comparisons of the drawing model for GoogleTest, so that a
// failure names the field. Doubles are compared exactly: the file keeps every
// bit of them.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "jwtype/drawing.hpp"

namespace drafnova::testing {

#define DRAFNOVA_EXPECT_FIELD(field) EXPECT_EQ(expected.field, actual.field) << #field

inline void ExpectSameHeader(const THeader& expected, const THeader& actual) {
    DRAFNOVA_EXPECT_FIELD(Signature);
    DRAFNOVA_EXPECT_FIELD(Version);
    DRAFNOVA_EXPECT_FIELD(Memo);
    DRAFNOVA_EXPECT_FIELD(PaperSize);
    DRAFNOVA_EXPECT_FIELD(WriteLayerGroup);
    DRAFNOVA_EXPECT_FIELD(DimensionSettings);
    DRAFNOVA_EXPECT_FIELD(MaxDrawWidth);
    DRAFNOVA_EXPECT_FIELD(PrintOriginX);
    DRAFNOVA_EXPECT_FIELD(PrintOriginY);
    DRAFNOVA_EXPECT_FIELD(PrintScale);
    DRAFNOVA_EXPECT_FIELD(PrintRotation);
    DRAFNOVA_EXPECT_FIELD(GridMode);
    DRAFNOVA_EXPECT_FIELD(GridMinSpacing);
    DRAFNOVA_EXPECT_FIELD(GridIntervalX);
    DRAFNOVA_EXPECT_FIELD(GridIntervalY);
    DRAFNOVA_EXPECT_FIELD(GridBaseX);
    DRAFNOVA_EXPECT_FIELD(GridBaseY);
    DRAFNOVA_EXPECT_FIELD(ShadowLevel);
    DRAFNOVA_EXPECT_FIELD(ShadowLatitude);
    DRAFNOVA_EXPECT_FIELD(Shadow9to15);
    DRAFNOVA_EXPECT_FIELD(WallShadowLevel);
    DRAFNOVA_EXPECT_FIELD(SkyLevel);
    DRAFNOVA_EXPECT_FIELD(SkyRadius);
    DRAFNOVA_EXPECT_FIELD(Unit3D);
    DRAFNOVA_EXPECT_FIELD(ViewScale);
    DRAFNOVA_EXPECT_FIELD(ViewOriginX);
    DRAFNOVA_EXPECT_FIELD(ViewOriginY);
    DRAFNOVA_EXPECT_FIELD(RangeScale);
    DRAFNOVA_EXPECT_FIELD(RangeOriginX);
    DRAFNOVA_EXPECT_FIELD(RangeOriginY);
    DRAFNOVA_EXPECT_FIELD(MarkJumpScale);
    DRAFNOVA_EXPECT_FIELD(MarkJumpX);
    DRAFNOVA_EXPECT_FIELD(MarkJumpY);
    DRAFNOVA_EXPECT_FIELD(MarkJumpGroup);
    DRAFNOVA_EXPECT_FIELD(ReservedA.Values);
    DRAFNOVA_EXPECT_FIELD(ReservedA.Flag);
    DRAFNOVA_EXPECT_FIELD(ReservedB.Values);
    DRAFNOVA_EXPECT_FIELD(ReservedB.Flag);
    DRAFNOVA_EXPECT_FIELD(ParallelSpacing);
    DRAFNOVA_EXPECT_FIELD(BothSideExtension);
    DRAFNOVA_EXPECT_FIELD(DrawPointsOnScreen);
    DRAFNOVA_EXPECT_FIELD(DrawPointsOnPrint);
    DRAFNOVA_EXPECT_FIELD(DrawImagesFirst);
    DRAFNOVA_EXPECT_FIELD(ReverseDraw);
    DRAFNOVA_EXPECT_FIELD(ReverseSearch);
    DRAFNOVA_EXPECT_FIELD(ColorPrint);
    DRAFNOVA_EXPECT_FIELD(PrintByLayerOrder);
    DRAFNOVA_EXPECT_FIELD(PrintByColorOrder);
    DRAFNOVA_EXPECT_FIELD(PrintContinuous);
    DRAFNOVA_EXPECT_FIELD(PrintCommonGray);
    DRAFNOVA_EXPECT_FIELD(PrintOmitDisplayOnly);
    DRAFNOVA_EXPECT_FIELD(PrintOmitDisplayOnlyTens);
    DRAFNOVA_EXPECT_FIELD(DrawTime);
    DRAFNOVA_EXPECT_FIELD(EyeInit);
    DRAFNOVA_EXPECT_FIELD(EyeAngleH1);
    DRAFNOVA_EXPECT_FIELD(EyeAngleH2);
    DRAFNOVA_EXPECT_FIELD(EyeAngleH3);
    DRAFNOVA_EXPECT_FIELD(EyeHeight1);
    DRAFNOVA_EXPECT_FIELD(EyeDistance1);
    DRAFNOVA_EXPECT_FIELD(EyeHeight2);
    DRAFNOVA_EXPECT_FIELD(EyeDistance2);
    DRAFNOVA_EXPECT_FIELD(EyeAngleV3);
    DRAFNOVA_EXPECT_FIELD(LastLineLength);
    DRAFNOVA_EXPECT_FIELD(LastBoxWidth);
    DRAFNOVA_EXPECT_FIELD(LastBoxHeight);
    DRAFNOVA_EXPECT_FIELD(LastCircleRadius);
    DRAFNOVA_EXPECT_FIELD(SolidAnyColor);
    DRAFNOVA_EXPECT_FIELD(SolidColor);
    DRAFNOVA_EXPECT_FIELD(TextWidth);
    DRAFNOVA_EXPECT_FIELD(TextHeight);
    DRAFNOVA_EXPECT_FIELD(TextSpacing);
    DRAFNOVA_EXPECT_FIELD(TextColor);
    DRAFNOVA_EXPECT_FIELD(TextStyle);
    DRAFNOVA_EXPECT_FIELD(TextArrangeLineSpacing);
    DRAFNOVA_EXPECT_FIELD(TextArrangeCount);
    DRAFNOVA_EXPECT_FIELD(TextShiftOn);
    DRAFNOVA_EXPECT_FIELD(TextShiftX);
    DRAFNOVA_EXPECT_FIELD(TextShiftY);
    DRAFNOVA_EXPECT_FIELD(EntityCount);
    DRAFNOVA_EXPECT_FIELD(BlockDefTotal);
}

#undef DRAFNOVA_EXPECT_FIELD

// Compares one table element by element; a failure names the table, the entry
// and the field.
#define DRAFNOVA_EXPECT_ENTRY(field) \
    EXPECT_EQ(expected[i].field, actual[i].field) << table << "[" << i << "]." #field

template <typename Table, typename Check>
void ExpectSameTable(const char* table, const Table& expected, const Table& actual, Check check) {
    ASSERT_EQ(expected.size(), actual.size()) << table << " length";
    for (std::size_t i = 0; i < expected.size(); ++i) check(i);
}

inline void ExpectSameLineTypes(const char* table, const std::vector<TLineTypeNo>& expected,
                                const std::vector<TLineTypeNo>& actual) {
    ExpectSameTable(table, expected, actual, [&](std::size_t i) {
        DRAFNOVA_EXPECT_ENTRY(Pattern);
        DRAFNOVA_EXPECT_ENTRY(UnitDots);
        DRAFNOVA_EXPECT_ENTRY(Pitch);
        DRAFNOVA_EXPECT_ENTRY(PrintPitch);
    });
}

inline void ExpectSameTables(const TDrawing& expectedDrawing, const TDrawing& actualDrawing) {
    {
        const char* table = "LayerGroups";
        const auto& expected = expectedDrawing.LayerGroups;
        const auto& actual = actualDrawing.LayerGroups;
        ExpectSameTable(table, expected, actual, [&](std::size_t i) {
            DRAFNOVA_EXPECT_ENTRY(State);
            DRAFNOVA_EXPECT_ENTRY(WriteLayer);
            DRAFNOVA_EXPECT_ENTRY(Scale);
            DRAFNOVA_EXPECT_ENTRY(Protect);
            DRAFNOVA_EXPECT_ENTRY(Name);
        });
    }
    {
        const char* table = "Layers";
        const auto& expected = expectedDrawing.Layers;
        const auto& actual = actualDrawing.Layers;
        ExpectSameTable(table, expected, actual, [&](std::size_t i) {
            DRAFNOVA_EXPECT_ENTRY(State);
            DRAFNOVA_EXPECT_ENTRY(Protect);
            DRAFNOVA_EXPECT_ENTRY(Name);
        });
    }
    {
        const char* table = "ColorNos";
        const auto& expected = expectedDrawing.ColorNos;
        const auto& actual = actualDrawing.ColorNos;
        ExpectSameTable(table, expected, actual, [&](std::size_t i) {
            DRAFNOVA_EXPECT_ENTRY(ScreenColor);
            DRAFNOVA_EXPECT_ENTRY(ScreenWidth);
            DRAFNOVA_EXPECT_ENTRY(PrintColor);
            DRAFNOVA_EXPECT_ENTRY(PrintWidth);
            DRAFNOVA_EXPECT_ENTRY(PrintPointRadius);
        });
    }
    ExpectSameLineTypes("LineTypeNos", expectedDrawing.LineTypeNos, actualDrawing.LineTypeNos);
    ExpectSameLineTypes("DoubleLineTypeNos", expectedDrawing.DoubleLineTypeNos,
                        actualDrawing.DoubleLineTypeNos);
    {
        const char* table = "RandomLineNos";
        const auto& expected = expectedDrawing.RandomLineNos;
        const auto& actual = actualDrawing.RandomLineNos;
        ExpectSameTable(table, expected, actual, [&](std::size_t i) {
            DRAFNOVA_EXPECT_ENTRY(Pattern);
            DRAFNOVA_EXPECT_ENTRY(Amplitude);
            DRAFNOVA_EXPECT_ENTRY(Pitch);
            DRAFNOVA_EXPECT_ENTRY(PrintAmplitude);
            DRAFNOVA_EXPECT_ENTRY(PrintPitch);
        });
    }
    {
        const char* table = "ColorExNos";
        const auto& expected = expectedDrawing.ColorExNos;
        const auto& actual = actualDrawing.ColorExNos;
        ExpectSameTable(table, expected, actual, [&](std::size_t i) {
            DRAFNOVA_EXPECT_ENTRY(ScreenColor);
            DRAFNOVA_EXPECT_ENTRY(ScreenWidth);
            DRAFNOVA_EXPECT_ENTRY(Name);
            DRAFNOVA_EXPECT_ENTRY(PrintColor);
            DRAFNOVA_EXPECT_ENTRY(PrintWidth);
            DRAFNOVA_EXPECT_ENTRY(PrintPointRadius);
        });
    }
    {
        const char* table = "LineTypeExNos";
        const auto& expected = expectedDrawing.LineTypeExNos;
        const auto& actual = actualDrawing.LineTypeExNos;
        ExpectSameTable(table, expected, actual, [&](std::size_t i) {
            DRAFNOVA_EXPECT_ENTRY(Pattern);
            DRAFNOVA_EXPECT_ENTRY(UnitDots);
            DRAFNOVA_EXPECT_ENTRY(Pitch);
            DRAFNOVA_EXPECT_ENTRY(PrintPitch);
            DRAFNOVA_EXPECT_ENTRY(Name);
            DRAFNOVA_EXPECT_ENTRY(SegmentCount);
            DRAFNOVA_EXPECT_ENTRY(SegmentPitch);
        });
    }
    {
        const char* table = "TextStyleNos";
        const auto& expected = expectedDrawing.TextStyleNos;
        const auto& actual = actualDrawing.TextStyleNos;
        ExpectSameTable(table, expected, actual, [&](std::size_t i) {
            DRAFNOVA_EXPECT_ENTRY(Width);
            DRAFNOVA_EXPECT_ENTRY(Height);
            DRAFNOVA_EXPECT_ENTRY(Spacing);
            DRAFNOVA_EXPECT_ENTRY(Color);
        });
    }
}

#undef DRAFNOVA_EXPECT_ENTRY

}  // namespace drafnova::testing
