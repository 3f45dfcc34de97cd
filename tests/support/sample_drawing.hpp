#pragma once
// A complete, non-trivial drawing for the tests of every module: each header
// field and each table element holds its own value (none equal to its reset
// value), the names mix Japanese, blanks, control bytes and "^m", and the
// entity lists, block definitions and image list hold a few records.
//
//   TDrawing drawing = MakeSampleDrawing();       // header, tables, entities
//   FillSampleHeader(drawing.Header);             // only the header record
//   FillSampleTables(drawing);                    // sized and filled tables
//   AddSampleEntities(drawing);                   // entities, blocks, images

#include <cstddef>
#include <cstdint>
#include <string>

#include "Func_/cp932.hpp"
#include "jwtype/drawing.hpp"

namespace drafnova::testing {

// Hands out distinct values: 1, 2, 3, ... as integers, and n + 0.25 (or a
// negative value for every third) as doubles, so that two fields never hold
// the same value by chance and every double has a fraction.
class SampleValues {
public:
    std::int32_t Int() { return ++next_; }
    double Dbl() {
        ++next_;
        const double value = next_ + 0.25;
        return next_ % 3 == 0 ? -value : value;
    }

private:
    std::int32_t next_ = 0;
};

// The header record: every field that has a reset value is given another one.
// Signature "JwwData.", Version 0 (a writer writes the version it is asked
// for), MaxDrawWidth -150 (clamped to -101 up to 4.20),
// PrintOmitDisplayOnly 3 with PrintOmitDisplayOnlyTens 2 (written as 23 from
// 6.00 on, as 3 before), EntityCount and BlockDefTotal left as they are.
inline void FillSampleHeader(THeader& header, SampleValues& v) {
    header.Signature = "JwwData.";
    header.Version = 0;
    header.Memo = Sj(u8"サンプル図面のメモ") + "\tline^m2";  // the memo is never cleaned
    header.PaperSize = 2;
    header.WriteLayerGroup = 5;
    for (std::int32_t& word : header.DimensionSettings) word = v.Int();
    header.MaxDrawWidth = -150;
    header.PrintOriginX = v.Dbl();
    header.PrintOriginY = v.Dbl();
    header.PrintScale = v.Dbl();
    header.PrintRotation = v.Int();
    header.GridMode = 11;
    header.GridMinSpacing = v.Dbl();
    header.GridIntervalX = v.Dbl();
    header.GridIntervalY = v.Dbl();
    header.GridBaseX = v.Dbl();
    header.GridBaseY = v.Dbl();
    header.ShadowLevel = v.Dbl();
    header.ShadowLatitude = v.Dbl();
    header.Shadow9to15 = v.Int();
    header.WallShadowLevel = v.Dbl();
    header.SkyLevel = v.Dbl();
    header.SkyRadius = v.Dbl();
    header.Unit3D = v.Int();
    header.ViewScale = v.Dbl();
    header.ViewOriginX = v.Dbl();
    header.ViewOriginY = v.Dbl();
    header.RangeScale = v.Dbl();
    header.RangeOriginX = v.Dbl();
    header.RangeOriginY = v.Dbl();
    for (std::size_t n = 0; n < 8; ++n) {
        header.MarkJumpScale.at(n) = v.Dbl();
        header.MarkJumpX.at(n) = v.Dbl();
        header.MarkJumpY.at(n) = v.Dbl();
        header.MarkJumpGroup.at(n) = static_cast<std::int32_t>(n) * 2;  // 0, 2, ..., 14
    }
    for (TReservedGroup* reserved : {&header.ReservedA, &header.ReservedB}) {
        for (double& value : reserved->Values) value = v.Dbl();
        reserved->Flag = v.Int();
    }
    for (double& spacing : header.ParallelSpacing) spacing = v.Dbl();
    header.BothSideExtension = v.Dbl();
    header.DrawPointsOnScreen = v.Int();
    header.DrawPointsOnPrint = v.Int();
    header.DrawImagesFirst = v.Int();
    header.ReverseDraw = v.Int();
    header.ReverseSearch = v.Int();
    header.ColorPrint = v.Int();
    header.PrintByLayerOrder = v.Int();
    header.PrintByColorOrder = v.Int();
    header.PrintContinuous = v.Int();
    header.PrintCommonGray = v.Int();
    header.PrintOmitDisplayOnly = 3;
    header.PrintOmitDisplayOnlyTens = 2;
    header.DrawTime = v.Int();
    header.EyeInit = v.Int();
    header.EyeAngleH1 = v.Int();
    header.EyeAngleH2 = v.Int();
    header.EyeAngleH3 = v.Int();
    header.EyeHeight1 = v.Dbl();
    header.EyeDistance1 = v.Dbl();
    header.EyeHeight2 = v.Dbl();
    header.EyeDistance2 = v.Dbl();
    header.EyeAngleV3 = v.Dbl();
    header.LastLineLength = v.Dbl();
    header.LastBoxWidth = v.Dbl();
    header.LastBoxHeight = v.Dbl();
    header.LastCircleRadius = v.Dbl();
    header.SolidAnyColor = v.Int();
    header.SolidColor = 0x00FF8040;
    header.TextWidth = v.Dbl();
    header.TextHeight = v.Dbl();
    header.TextSpacing = v.Dbl();
    header.TextColor = v.Int();
    header.TextStyle = v.Int();
    header.TextArrangeLineSpacing = v.Dbl();
    header.TextArrangeCount = v.Dbl();
    header.TextShiftOn = v.Int();
    for (double& shift : header.TextShiftX) shift = v.Dbl();
    for (double& shift : header.TextShiftY) shift = v.Dbl();
}

inline void FillSampleHeader(THeader& header) {
    SampleValues values;
    FillSampleHeader(header, values);
}

// A name for entry index of a table: mostly Japanese or ASCII text; some are
// empty, some are control bytes only (written as one blank), some carry "^m"
// or a tab (removed when written), one is 300 bytes long (the 16-bit length).
inline std::string SampleName(const char* prefix, std::size_t index) {
    switch (index % 7) {
        case 0:
            return prefix + std::to_string(index) + Sj(u8"番");
        case 1:
            return Sj(u8"図面") + std::to_string(index);
        case 2:
            return "";
        case 3:
            return "\t\r\n";
        case 4:
            return "A^mB" + std::to_string(index) + "\t";
        case 5:
            return index == 5 ? std::string(300, 'x') : Sj(u8"タ") + "m" + std::to_string(index);
        default:
            return Sj(u8"　全角 ") + std::to_string(index);
    }
}

// Sizes the nine tables and gives every element distinct values.
inline void FillSampleTables(TDrawing& drawing, SampleValues& v) {
    SizeHeaderTables(drawing);
    for (std::size_t g = 0; g < drawing.LayerGroups.size(); ++g) {
        TLayerGroup& group = drawing.LayerGroups[g];
        group.State = g == 5 ? 3 : 2;
        group.WriteLayer = static_cast<std::int32_t>(15 - g);
        group.Scale = 50.0 * static_cast<double>(g + 1);
        group.Protect = v.Int();
        group.Name = SampleName("G", g);
    }
    for (std::size_t i = 0; i < drawing.Layers.size(); ++i) {
        TLayer& layer = drawing.Layers[i];
        layer.State = i % 16 == 10 ? 3 : 2;
        layer.Protect = v.Int();
        layer.Name = SampleName("L", i);
    }
    for (TColorNo& pen : drawing.ColorNos) {
        pen.ScreenColor = v.Int();
        pen.ScreenWidth = v.Int();
        pen.PrintColor = v.Int();
        pen.PrintWidth = v.Int();
        pen.PrintPointRadius = v.Dbl();
    }
    for (auto* table : {&drawing.LineTypeNos, &drawing.DoubleLineTypeNos}) {
        for (TLineTypeNo& type : *table) {
            type.Pattern = v.Int() | static_cast<std::int32_t>(0x80000000u);  // all 32 bits
            type.UnitDots = v.Int();
            type.Pitch = v.Int();
            type.PrintPitch = v.Int();
        }
    }
    for (TRandomLineNo& line : drawing.RandomLineNos) {
        line.Pattern = v.Int();
        line.Amplitude = v.Int();
        line.Pitch = v.Int();
        line.PrintAmplitude = v.Int();
        line.PrintPitch = v.Int();
    }
    for (std::size_t i = 0; i < drawing.ColorExNos.size(); ++i) {
        TColorExNo& pen = drawing.ColorExNos[i];
        pen.ScreenColor = v.Int();
        pen.ScreenWidth = v.Int();
        pen.Name = SampleName("C", i);
        pen.PrintColor = v.Int();
        pen.PrintWidth = v.Int();
        pen.PrintPointRadius = v.Dbl();
    }
    for (std::size_t i = 0; i < drawing.LineTypeExNos.size(); ++i) {
        TLineTypeExNo& type = drawing.LineTypeExNos[i];
        type.Pattern = v.Int();
        type.UnitDots = v.Int();
        type.Pitch = v.Int();
        type.PrintPitch = v.Int();
        type.Name = SampleName("T", i);
        type.SegmentCount = v.Int();
        for (double& pitch : type.SegmentPitch) pitch = v.Dbl();
    }
    for (TTextStyleNo& style : drawing.TextStyleNos) {
        style.Width = v.Dbl();
        style.Height = v.Dbl();
        style.Spacing = v.Dbl();
        style.Color = v.Int();
    }
}

inline void FillSampleTables(TDrawing& drawing) {
    SampleValues values;
    values.Int();  // start apart from FillSampleHeader's values
    FillSampleTables(drawing, values);
}

// A few records in every entity list, one block definition with its own line,
// and two images. Sets EntityCount, BlockDefCount and BindImageCount to match.
inline void AddSampleEntities(TDrawing& drawing) {
    TEntityLists& lists = drawing.Entities;
    TEntAttr attr;
    attr.Color = 2;
    attr.LineType = 1;
    attr.LayerGroup = 5;
    attr.Layer = 10;

    TEntSen line;
    line.Attr = attr;
    line.StartX = -10;
    line.EndX = 10;
    line.EndY = 5.5;
    lists.Lines = {line, line};
    lists.LineCount = 2;

    TEntEnko arc;
    arc.Attr = attr;
    arc.Radius = 3;
    arc.ArcAngle = 1.5;
    arc.Flatness = 1;
    lists.Arcs = {arc};
    lists.ArcCount = 1;

    TEntTen point;
    point.Attr = attr;
    point.X = 1;
    point.Y = 2;
    lists.Points = {point};
    lists.PointCount = 1;

    TEntMoji text;
    text.Attr = attr;
    text.SizeX = 3;
    text.SizeY = 3;
    text.FontName = Sj(u8"ＭＳ ゴシック");
    text.Text = Sj(u8"平面図");
    lists.Texts = {text};
    lists.TextCount = 1;

    TEntSunpo dimension;
    dimension.Attr = attr;
    dimension.Line = line;
    dimension.Label = text;
    lists.Dimensions = {dimension};
    lists.DimensionCount = 1;

    TEntSolid solid;
    solid.Attr = attr;
    solid.X2 = 1;
    solid.Y3 = 1;
    lists.Solids = {solid};
    lists.SolidCount = 1;

    TEntBlock insert;
    insert.Attr = attr;
    insert.ScaleX = 1;
    insert.ScaleY = 1;
    insert.BlockNo = 1;
    lists.BlockInserts = {insert};
    lists.BlockInsertCount = 1;

    drawing.EntityOrder = {{kKindLine, 0},  {kKindLine, 1},       {kKindArc, 0},
                           {kKindPoint, 0}, {kKindText, 0},       {kKindDimension, 0},
                           {kKindSolid, 0}, {kKindBlockInsert, 0}};
    drawing.Header.EntityCount = static_cast<std::int32_t>(drawing.EntityOrder.size());

    TEntBlockDef block;
    block.Number = 1;
    block.Name = Sj(u8"部品");
    block.Entities.Lines = {line};
    block.Entities.LineCount = 1;
    block.Order = {{kKindLine, 0}};
    block.Count = 1;
    drawing.BlockDefs = {block};
    drawing.BlockDefCount = 1;

    drawing.BindImages = {{"image1.bmp", 0, false}, {Sj(u8"写真.jpg"), 0, false}};
    drawing.BindImageCount = 2;
}

// The whole sample: header, full tables, entities, blocks and images.
inline TDrawing MakeSampleDrawing() {
    TDrawing drawing;
    SampleValues values;
    FillSampleHeader(drawing.Header, values);
    FillSampleTables(drawing, values);
    AddSampleEntities(drawing);
    return drawing;
}

}  // namespace drafnova::testing
