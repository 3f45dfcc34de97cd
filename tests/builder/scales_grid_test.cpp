#include "builder/scales_grid.hpp"

#include <gtest/gtest.h>

#include "Func_/cp932.hpp"

namespace drafnova {
namespace {

TDrawing SizedDrawing() {
    TDrawing drawing;
    SizeHeaderTables(drawing);
    return drawing;
}

TEST(Scales, RatioOfScaleTexts) {
    struct Case {
        const char* text;
        double ratio;
    };
    const Case cases[] = {
        {"1/100", 0.01},     {"1/6000", 1.0 / 6000},
        {"1/1.5", 1 / 1.5},  {"1/1", 1},
        {"3/2", 1.5},        {"2", 2},  // no slash: read as a ratio
        {"1/0", 1},                     // each part not above 0 counts as 1
        {"1/-5", 1},         {"1/abc", 1},
        {"1/", 1},           {"/100", 0.01},
        {"-3/4", 0.25},      {"", 1},
        {"abc", 1},          {"1/20000", 1.0 / 10000},  // each part at most 10000
        {"20000", 10000},    {"10000/1", 10000},
        {"1/100/2", 1},                     // "100/2" is no number
        {"1/ 50", 1.0 / 50}, {"1/50 ", 1},  // a trailing blank makes it no number
    };
    TGroupScales scales;
    for (const Case& c : cases) {
        scales[5] = c.text;
        EXPECT_DOUBLE_EQ(GroupScaleRatio(scales, 5), c.ratio) << '"' << c.text << '"';
    }
    scales.fill("1/100");
    EXPECT_EQ(GroupScaleRatio(scales, -1), 1);
    EXPECT_EQ(GroupScaleRatio(scales, 16), 1);
    EXPECT_DOUBLE_EQ(GroupScaleRatio(scales, 15), 0.01);
}

TEST(Scales, GroupScalesStoreTheDenominator) {
    TDrawing drawing = SizedDrawing();
    TGroupScales scales;
    scales[0] = "1/100";
    scales[1] = "1/6000";
    scales[2] = "1/1.5";
    scales[3] = "1/1";
    scales[4] = "2";
    scales[5] = "3/2";
    scales[6] = "1/20000";
    scales[7] = "20000";
    scales[8] = Sj(u8"１/５");  // full-width digits are no number
    ApplyGroupScales(drawing, scales);
    const double expected[16] = {100, 6000, 1.5, 1, 0.5, 2.0 / 3, 10000, 0.0001,
                                 1,   1,    1,   1, 1,   1,       1,     1};
    for (int g = 0; g < 16; ++g) {
        EXPECT_DOUBLE_EQ(drawing.LayerGroups[g].Scale, expected[g]) << "group " << g;
    }
}

TEST(WriteGroup, StateThreeMovesToTheWriteGroup) {
    TDrawing drawing = SizedDrawing();
    // As read from a source file: two groups marked, others in various states.
    const int states[16] = {2, 1, 3, 0, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    for (int g = 0; g < 16; ++g) {
        drawing.LayerGroups[g].State = states[g];
        drawing.Layers[g * 16 + 1].State = 3;
    }
    ApplyWriteGroup(drawing, 7);
    EXPECT_EQ(drawing.Header.WriteLayerGroup, 7);
    const int expected[16] = {2, 1, 2, 0, 2, 2, 2, 3, 2, 2, 2, 2, 2, 2, 2, 2};
    for (int g = 0; g < 16; ++g) {
        EXPECT_EQ(drawing.LayerGroups[g].State, expected[g]) << "group " << g;
        EXPECT_EQ(drawing.Layers[g * 16 + 1].State, 3) << "layers are not touched";
    }
}

TCreateSettings GridSettings(const char* pitch, bool realSize) {
    TCreateSettings settings;
    settings.GridPitch = pitch;
    settings.GridRealSize = realSize;
    settings.GridShow = true;
    settings.WriteGroup = 3;
    settings.GroupScale.fill("1/1");
    return settings;
}

TEST(Grid, IntervalLimitsApplyBeforeTheRealSizeConversion) {
    struct Case {
        const char* pitch;
        bool realSize;
        const char* writeScale;
        double interval;
    };
    const Case cases[] = {
        {"5.0", false, "1/100", 5},
        {"0", false, "1/1", 1e-7},
        {"", false, "1/1", 1e-7},
        {"abc", false, "1/1", 1e-7},
        {"-3", false, "1/1", 1e-7},
        {"0.0000001", false, "1/1", 1e-7},
        {"0.0000002", false, "1/1", 2e-7},
        {"2000000", false, "1/1", 1e6},
        {"1000000", false, "1/1", 1e6},
        {"999999", false, "1/1", 999999},
        {"1000", true, "1/50", 20},
        {"1000", true, "1/100", 10},
        {"0", true, "1/100", 1e-9},
        {"2000000", true, "1/100", 1e4},
        {"10", true, "2", 20},
    };
    for (const Case& c : cases) {
        TCreateSettings settings = GridSettings(c.pitch, c.realSize);
        settings.GroupScale[3] = c.writeScale;
        settings.GroupScale[0] = "1/7";  // another group's scale plays no part
        TDrawing drawing = SizedDrawing();
        ApplyGrid(drawing, settings, 420, 297);
        EXPECT_DOUBLE_EQ(drawing.Header.GridIntervalX, c.interval) << c.pitch << " " << c.realSize;
        EXPECT_DOUBLE_EQ(drawing.Header.GridIntervalY, c.interval) << c.pitch << " " << c.realSize;
        EXPECT_EQ(drawing.Header.GridMinSpacing, 5.0);
    }
}

TEST(Grid, ModeWord) {
    for (const bool show : {false, true}) {
        for (const bool realSize : {false, true}) {
            TCreateSettings settings = GridSettings("5", realSize);
            settings.GridShow = show;
            TDrawing drawing = SizedDrawing();
            ApplyGrid(drawing, settings, 297, 210);
            EXPECT_EQ(drawing.Header.GridMode, (show ? 1 : 0) + (realSize ? 10 : 0));
        }
    }
}

TEST(Grid, ReferencePoints) {
    const double points[][2] = {{0, 0},        {-210, 148.5}, {210, 148.5}, {-210, -148.5},
                                {210, -148.5}, {0, 0},        {0, 0}};
    const int origins[] = {0, 1, 2, 3, 4, 5, -1};
    for (int i = 0; i < 7; ++i) {
        TCreateSettings settings = GridSettings("5", false);
        settings.GridOrigin = origins[i];
        TDrawing drawing = SizedDrawing();
        drawing.Header.GridBaseX = 99;
        drawing.Header.GridBaseY = 99;
        ApplyGrid(drawing, settings, 420, 297);  // A3横
        EXPECT_DOUBLE_EQ(drawing.Header.GridBaseX, points[i][0]) << origins[i];
        EXPECT_DOUBLE_EQ(drawing.Header.GridBaseY, points[i][1]) << origins[i];
    }
}

}  // namespace
}  // namespace drafnova
