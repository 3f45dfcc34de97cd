#include "builder/defaults.hpp"

#include <gtest/gtest.h>

#include "Func_/error.hpp"

namespace drafnova {
namespace {

TDrawing SizedDrawing() {
    TDrawing drawing;
    ClearDrawing(drawing);
    SizeHeaderTables(drawing);
    return drawing;
}

TDrawing WithColors(int backColor) {
    TDrawing drawing = SizedDrawing();
    SetColorDefaults(drawing, backColor);
    return drawing;
}

TEST(Defaults, LayerStatesMarkTheWriteGroupAndLayerZero) {
    TDrawing drawing = SizedDrawing();
    drawing.LayerGroups[3].Name = "old";
    drawing.LayerGroups[3].Protect = 1;
    drawing.Layers[200].Name = "old";
    SetLayerDefaults(drawing, 7);
    for (int g = 0; g < 16; ++g) {
        const TLayerGroup& group = drawing.LayerGroups[g];
        EXPECT_EQ(group.State, g == 7 ? 3 : 2) << "group " << g;
        EXPECT_EQ(group.WriteLayer, 0);
        EXPECT_EQ(group.Scale, 1.0);
        EXPECT_EQ(group.Protect, 0);
        EXPECT_TRUE(group.Name.empty());
        for (int l = 0; l < 16; ++l) {
            const TLayer& layer = drawing.Layers[g * 16 + l];
            EXPECT_EQ(layer.State, l == 0 ? 3 : 2) << "layer " << g << "/" << l;
            EXPECT_EQ(layer.Protect, 0);
            EXPECT_TRUE(layer.Name.empty());
        }
    }
}

TEST(Defaults, ColourIntegersOnWhite) {
    const TDrawing drawing = WithColors(0);
    EXPECT_EQ(drawing.ColorNos[0].ScreenColor, 16777215);
    EXPECT_EQ(drawing.ColorNos[0].PrintColor, 16777215);
    EXPECT_EQ(drawing.ColorNos[1].ScreenColor, 12632064);
    EXPECT_EQ(drawing.ColorNos[1].PrintColor, 16776960);
    EXPECT_EQ(drawing.ColorNos[8].ScreenColor, 255 + 128 * 65536);  // 255, 0, 128
    EXPECT_EQ(drawing.ColorNos[9].PrintColor, 128 * (1 + 256 + 65536));
}

TEST(Defaults, DarkGreenDiffersFromBlackOnlyInTheBackground) {
    const TDrawing black = WithColors(1);
    const TDrawing green = WithColors(2);
    EXPECT_EQ(black.ColorNos[0].ScreenColor, 0);
    EXPECT_EQ(green.ColorNos[0].ScreenColor, 32 * 256);
    for (int i = 0; i < 10; ++i) {
        const TColorNo& b = black.ColorNos[i];
        const TColorNo& g = green.ColorNos[i];
        if (i != 0) {
            EXPECT_EQ(b.ScreenColor, g.ScreenColor) << i;
        }
        EXPECT_EQ(b.PrintColor, g.PrintColor) << i;
        EXPECT_EQ(b.ScreenWidth, g.ScreenWidth) << i;
        EXPECT_EQ(b.PrintWidth, g.PrintWidth) << i;
        EXPECT_EQ(b.PrintPointRadius, g.PrintPointRadius) << i;
    }
    EXPECT_EQ(black.ColorNos[6].ScreenColor, 32 + 32 * 256 + 255 * 65536);
    EXPECT_EQ(black.ColorNos[2].PrintColor, 0);
}

TEST(Defaults, UnknownBackgroundTakesWhiteAndWidthsAreShared) {
    const TDrawing white = WithColors(0);
    const TDrawing black = WithColors(1);
    for (const int other : {-1, 3, 99}) {
        const TDrawing drawing = WithColors(other);
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(drawing.ColorNos[i].ScreenColor, white.ColorNos[i].ScreenColor) << other;
            EXPECT_EQ(drawing.ColorNos[i].PrintColor, white.ColorNos[i].PrintColor) << other;
        }
    }
    const std::tuple<int, int, double> widths[10] = {
        {1, 1, 1.0}, {1, 1, 0.2}, {1, 2, 0.3}, {1, 3, 0.4}, {1, 4, 0.5},
        {1, 5, 0.5}, {2, 6, 0.5}, {3, 7, 0.5}, {5, 8, 0.5}, {1, 1, 1.0},
    };
    for (int i = 0; i < 10; ++i) {
        for (const TDrawing* drawing : {&white, &black}) {
            EXPECT_EQ(drawing->ColorNos[i].ScreenWidth, std::get<0>(widths[i])) << i;
            EXPECT_EQ(drawing->ColorNos[i].PrintWidth, std::get<1>(widths[i])) << i;
            EXPECT_EQ(drawing->ColorNos[i].PrintPointRadius, std::get<2>(widths[i])) << i;
        }
    }
}

TEST(Defaults, PatternTables) {
    TDrawing drawing = SizedDrawing();
    SetLineTypeDefaults(drawing);
    const std::uint32_t patterns[8] = {0x99999999, 0xC3C3C3C3, 0xE7E7E7E7, 0xF99FF99F,
                                       0xFFF99FFF, 0xF24FF24F, 0xFFF24FFF, 0x22222222};
    const int unitDots[8] = {4, 8, 8, 16, 32, 16, 32, 4};
    for (int i = 0; i < 8; ++i) {
        const TLineTypeNo& type = drawing.LineTypeNos[i];
        EXPECT_EQ(static_cast<std::uint32_t>(type.Pattern), patterns[i]) << i;
        EXPECT_EQ(type.UnitDots, unitDots[i]) << i;
        EXPECT_EQ(type.Pitch, 1);
        EXPECT_EQ(type.PrintPitch, 10);
    }
    EXPECT_EQ(drawing.LineTypeNos[0].Pattern, -1717986919);  // 0x99999999 as a signed word

    const int random[5][4] = {
        {1, 3, 1, 5}, {1, 4, 1, 10}, {2, 5, 2, 15}, {2, 6, 2, 20}, {2, 7, 2, 25}};
    for (int i = 0; i < 5; ++i) {
        const TRandomLineNo& line = drawing.RandomLineNos[i];
        EXPECT_EQ(static_cast<std::uint32_t>(line.Pattern), 0xCCB2B32Au) << i;
        EXPECT_EQ(line.Amplitude, random[i][0]) << i;
        EXPECT_EQ(line.Pitch, random[i][1]) << i;
        EXPECT_EQ(line.PrintAmplitude, random[i][2]) << i;
        EXPECT_EQ(line.PrintPitch, random[i][3]) << i;
    }

    const std::uint32_t doublePatterns[4] = {0xFFF99FFF, 0xFFF24FFF, 0xFFFE7FFF, 0xFFFE7FFF};
    const int doublePitches[4][2] = {{2, 20}, {2, 20}, {2, 20}, {4, 40}};
    for (int i = 0; i < 4; ++i) {
        const TLineTypeNo& type = drawing.DoubleLineTypeNos[i];
        EXPECT_EQ(static_cast<std::uint32_t>(type.Pattern), doublePatterns[i]) << i;
        EXPECT_EQ(type.UnitDots, 32);
        EXPECT_EQ(type.Pitch, doublePitches[i][0]) << i;
        EXPECT_EQ(type.PrintPitch, doublePitches[i][1]) << i;
    }
}

TEST(Defaults, TextStylesAndMisc) {
    TDrawing drawing = SizedDrawing();
    SetTextStyleDefaults(drawing);
    SetMiscDefaults(drawing);
    const double sizes[10] = {2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 9.0, 10.0};
    const double spacings[10] = {0, 0, 0.5, 0.5, 0.5, 1, 1, 1, 1, 1};
    for (int i = 0; i < 10; ++i) {
        const TTextStyleNo& style = drawing.TextStyleNos[i];
        EXPECT_EQ(style.Width, sizes[i]) << i;
        EXPECT_EQ(style.Height, sizes[i]) << i;
        EXPECT_EQ(style.Spacing, spacings[i]) << i;
        EXPECT_EQ(style.Color, i / 2 + 1) << i;
    }
    const std::array<std::int32_t, 5> dimensions{2001112, 5, 50150030, 10000000, 4100};
    EXPECT_EQ(drawing.Header.DimensionSettings, dimensions);
    EXPECT_EQ(drawing.Header.MaxDrawWidth, 100);
}

TEST(Defaults, NothingElseIsTouched) {
    TDrawing drawing = SizedDrawing();
    SetLayerDefaults(drawing, 0);
    SetColorDefaults(drawing, 1);
    SetLineTypeDefaults(drawing);
    SetTextStyleDefaults(drawing);
    SetMiscDefaults(drawing);
    EXPECT_EQ(drawing.LayerGroups.size(), kLayerGroupCount);
    EXPECT_EQ(drawing.Layers.size(), kLayerCount);
    EXPECT_EQ(drawing.ColorExNos.size(), kColorExNoCount);
    EXPECT_EQ(drawing.LineTypeExNos.size(), kLineTypeExNoCount);
    for (const TColorExNo& color : drawing.ColorExNos) {
        EXPECT_EQ(color.ScreenColor, 0);
        EXPECT_EQ(color.PrintColor, 0);
        EXPECT_TRUE(color.Name.empty());
    }
    for (const TLineTypeExNo& type : drawing.LineTypeExNos) {
        EXPECT_EQ(type.Pattern, 0);
        EXPECT_TRUE(type.Name.empty());
    }
    const THeader fresh;
    EXPECT_EQ(drawing.Header.WriteLayerGroup, fresh.WriteLayerGroup);
    EXPECT_EQ(drawing.Header.GridIntervalX, fresh.GridIntervalX);
    EXPECT_EQ(drawing.Header.PaperSize, fresh.PaperSize);
    EXPECT_EQ(drawing.Header.MarkJumpGroup, fresh.MarkJumpGroup);
}

TEST(Defaults, TablesWithoutTheirLengthsRaiseInsteadOfOverrunning) {
    TDrawing drawing;  // tables empty, as after ClearHeader
    EXPECT_THROW(SetLayerDefaults(drawing, 0), RangeError);
    EXPECT_THROW(SetColorDefaults(drawing, 0), RangeError);
    EXPECT_THROW(SetLineTypeDefaults(drawing), RangeError);
    EXPECT_THROW(SetTextStyleDefaults(drawing), RangeError);
}

}  // namespace
}  // namespace drafnova
