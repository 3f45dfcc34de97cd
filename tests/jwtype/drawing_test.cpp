#include "jwtype/drawing.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "support/drawing_expect.hpp"
#include "support/sample_drawing.hpp"

namespace drafnova {
namespace {

using testing::ExpectSameHeader;
using testing::MakeSampleDrawing;

void ExpectEmptyLists(const TEntityLists& lists) {
    EXPECT_TRUE(lists.Lines.empty());
    EXPECT_TRUE(lists.Arcs.empty());
    EXPECT_TRUE(lists.Points.empty());
    EXPECT_TRUE(lists.Texts.empty());
    EXPECT_TRUE(lists.Dimensions.empty());
    EXPECT_TRUE(lists.Solids.empty());
    EXPECT_TRUE(lists.BlockInserts.empty());
    EXPECT_EQ(lists.LineCount, 0);
    EXPECT_EQ(lists.ArcCount, 0);
    EXPECT_EQ(lists.PointCount, 0);
    EXPECT_EQ(lists.TextCount, 0);
    EXPECT_EQ(lists.DimensionCount, 0);
    EXPECT_EQ(lists.SolidCount, 0);
    EXPECT_EQ(lists.BlockInsertCount, 0);
}

void ExpectEmptyTables(const TDrawing& drawing) {
    EXPECT_TRUE(drawing.LayerGroups.empty());
    EXPECT_TRUE(drawing.Layers.empty());
    EXPECT_TRUE(drawing.ColorNos.empty());
    EXPECT_TRUE(drawing.LineTypeNos.empty());
    EXPECT_TRUE(drawing.RandomLineNos.empty());
    EXPECT_TRUE(drawing.DoubleLineTypeNos.empty());
    EXPECT_TRUE(drawing.ColorExNos.empty());
    EXPECT_TRUE(drawing.LineTypeExNos.empty());
    EXPECT_TRUE(drawing.TextStyleNos.empty());
}

TEST(ClearHeader, GivesEveryHeaderFieldItsResetValue) {
    TDrawing drawing = MakeSampleDrawing();
    drawing.Header.Version = 600;
    ClearHeader(drawing);
    const THeader& header = drawing.Header;

    // The values the model names one by one.
    EXPECT_EQ(header.PrintScale, 1.0);
    EXPECT_EQ(header.GridMinSpacing, 1.0);
    EXPECT_EQ(header.GridIntervalX, 1.0);
    EXPECT_EQ(header.GridIntervalY, 1.0);
    EXPECT_EQ(header.ViewScale, 1.0);
    EXPECT_EQ(header.RangeScale, 1.0);
    for (std::size_t n = 0; n < 8; ++n) {
        EXPECT_EQ(header.MarkJumpScale.at(n), 1.0) << "mark jump " << n + 1;
        EXPECT_EQ(header.MarkJumpX.at(n), 0.0) << "mark jump " << n + 1;
        EXPECT_EQ(header.MarkJumpY.at(n), 0.0) << "mark jump " << n + 1;
        EXPECT_EQ(header.MarkJumpGroup.at(n), -1) << "mark jump " << n + 1;
    }
    EXPECT_EQ(header.Signature, "");
    EXPECT_EQ(header.Version, 0);
    EXPECT_EQ(header.Memo, "");
    EXPECT_EQ(header.MaxDrawWidth, 0);
    EXPECT_EQ(header.DimensionSettings, (std::array<std::int32_t, 5>{}));
    EXPECT_EQ(header.PrintOmitDisplayOnly, 0);
    EXPECT_EQ(header.PrintOmitDisplayOnlyTens, 0);

    // Every other field: 0 or empty, as a fresh record has it, except the two
    // counts of the data section.
    THeader expected;
    expected.EntityCount = 8;
    expected.BlockDefTotal = 0;
    ExpectSameHeader(expected, header);
}

TEST(ClearHeader, KeepsEntityCountAndBlockDefTotal) {
    TDrawing drawing = MakeSampleDrawing();
    drawing.Header.EntityCount = 42;
    drawing.Header.BlockDefTotal = 3;
    ClearHeader(drawing);
    EXPECT_EQ(drawing.Header.EntityCount, 42);
    EXPECT_EQ(drawing.Header.BlockDefTotal, 3);
}

TEST(ClearHeader, EmptiesTablesEntityListsAndBlockDefinitions) {
    TDrawing drawing = MakeSampleDrawing();
    ClearHeader(drawing);
    ExpectEmptyTables(drawing);
    EXPECT_TRUE(drawing.EntityOrder.empty());
    ExpectEmptyLists(drawing.Entities);
    EXPECT_TRUE(drawing.BlockDefs.empty());
    EXPECT_EQ(drawing.BlockDefCount, 0);
}

TEST(ClearHeader, LeavesTheImageList) {
    TDrawing drawing = MakeSampleDrawing();
    drawing.ImageFolder = "/tmp/";
    ClearHeader(drawing);
    EXPECT_EQ(drawing.BindImages.size(), 2U);
    EXPECT_EQ(drawing.BindImageCount, 2);
    EXPECT_EQ(drawing.ImageFolder, "/tmp/");
}

TEST(ClearDrawing, ReleasesBlockDefinitionsAndResetsTheHeader) {
    TDrawing drawing = MakeSampleDrawing();
    drawing.Header.EntityCount = 9;
    ClearDrawing(drawing);
    EXPECT_TRUE(drawing.BlockDefs.empty());
    EXPECT_EQ(drawing.BlockDefCount, 0);
    EXPECT_TRUE(drawing.EntityOrder.empty());
    ExpectEmptyLists(drawing.Entities);
    ExpectEmptyTables(drawing);
    THeader expected;
    expected.EntityCount = 9;
    ExpectSameHeader(expected, drawing.Header);
}

TEST(ClearImageList, EmptiesOnlyTheImageList) {
    TDrawing drawing = MakeSampleDrawing();
    ClearImageList(drawing);
    EXPECT_TRUE(drawing.BindImages.empty());
    EXPECT_EQ(drawing.BindImageCount, 0);
    EXPECT_EQ(drawing.Header.Signature, "JwwData.");
    EXPECT_EQ(drawing.Layers.size(), kLayerCount);
    EXPECT_EQ(drawing.Entities.LineCount, 2);
}

TEST(SizeHeaderTables, GivesTheFixedLengths) {
    TDrawing drawing;
    SizeHeaderTables(drawing);
    EXPECT_EQ(drawing.LayerGroups.size(), 16U);
    EXPECT_EQ(drawing.Layers.size(), 256U);
    EXPECT_EQ(drawing.ColorNos.size(), 10U);
    EXPECT_EQ(drawing.LineTypeNos.size(), 8U);
    EXPECT_EQ(drawing.RandomLineNos.size(), 5U);
    EXPECT_EQ(drawing.DoubleLineTypeNos.size(), 4U);
    EXPECT_EQ(drawing.ColorExNos.size(), 257U);
    EXPECT_EQ(drawing.LineTypeExNos.size(), 33U);
    EXPECT_EQ(drawing.TextStyleNos.size(), 10U);
}

TEST(SizeHeaderTables, EveryElementIsZeroEvenAfterAFilledDrawing) {
    TDrawing drawing = MakeSampleDrawing();
    SizeHeaderTables(drawing);
    TDrawing zero;
    zero.LayerGroups.resize(kLayerGroupCount);
    zero.Layers.resize(kLayerCount);
    zero.ColorNos.resize(kColorNoCount);
    zero.LineTypeNos.resize(kLineTypeNoCount);
    zero.RandomLineNos.resize(kRandomLineNoCount);
    zero.DoubleLineTypeNos.resize(kDoubleLineTypeNoCount);
    zero.ColorExNos.resize(kColorExNoCount);
    zero.LineTypeExNos.resize(kLineTypeExNoCount);
    zero.TextStyleNos.resize(kTextStyleNoCount);
    testing::ExpectSameTables(zero, drawing);
    EXPECT_EQ(drawing.LayerGroups[0].Scale, 0.0);
    EXPECT_EQ(drawing.Layers[255].Name, "");
    EXPECT_EQ(drawing.LineTypeExNos[32].SegmentPitch, (std::array<double, 10>{}));
}

TEST(SampleDrawing, IsCompleteAndConsistent) {
    const TDrawing drawing = MakeSampleDrawing();
    EXPECT_EQ(drawing.Header.Signature, "JwwData.");
    EXPECT_EQ(drawing.Header.EntityCount, static_cast<std::int32_t>(drawing.EntityOrder.size()));
    EXPECT_EQ(drawing.Layers.size(), kLayerCount);
    EXPECT_EQ(drawing.BlockDefCount, static_cast<std::int32_t>(drawing.BlockDefs.size()));
    EXPECT_EQ(drawing.BindImageCount, static_cast<std::int32_t>(drawing.BindImages.size()));
    // No header field sits at its reset value, apart from the ones that do
    // so on purpose (Version, and the counts the reset keeps).
    const THeader fresh;
    EXPECT_NE(drawing.Header.PrintScale, fresh.PrintScale);
    EXPECT_NE(drawing.Header.MarkJumpGroup, fresh.MarkJumpGroup);
    EXPECT_NE(drawing.Header.TextShiftY, fresh.TextShiftY);
}

}  // namespace
}  // namespace drafnova
