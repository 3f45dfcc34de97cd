#include "jwwunit/data_writer.hpp"

#include <gtest/gtest.h>

#include "Func_/error.hpp"
#include "jwwunit/data_fixtures.hpp"

namespace drafnova {
namespace {

using namespace testing;

Bytes Write(TDrawing& drawing, std::int32_t version) {
    MemorySink sink;
    WriteJwwData(sink, drawing, version);
    return sink.Bytes();
}

// The new-class record of a class at a version: tag, schema, name.
Bytes NewClass(std::int32_t version, std::string_view name) {
    const std::uint8_t head[] = {0xFF,
                                 0xFF,
                                 static_cast<std::uint8_t>(version & 0xFF),
                                 static_cast<std::uint8_t>(version >> 8),
                                 static_cast<std::uint8_t>(name.size()),
                                 0x00};
    MemorySink sink;
    sink.Write(head, sizeof head);
    sink.Write(name.data(), name.size());
    return sink.Bytes();
}

Bytes Ref(std::uint16_t index) {
    return {static_cast<std::uint8_t>(index & 0xFF),
            static_cast<std::uint8_t>(0x80 | (index >> 8))};
}

struct SizeCase {
    std::int32_t version;
    std::size_t fourLines;
    std::size_t empty;
};

class DataSectionSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DataSectionSize, FourLinesAndEmptyDrawing) {
    TDrawing lines = FourLines();
    EXPECT_EQ(Write(lines, GetParam().version).size(), GetParam().fourLines);
    TDrawing empty;
    EXPECT_EQ(Write(empty, GetParam().version), Bytes(GetParam().empty, 0x00));
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, DataSectionSize,
                         ::testing::Values(SizeCase{220, 204, 4}, SizeCase{223, 204, 4},
                                           SizeCase{225, 204, 4}, SizeCase{230, 204, 4},
                                           SizeCase{300, 204, 4}, SizeCase{351, 212, 4},
                                           SizeCase{420, 212, 4}, SizeCase{600, 212, 4},
                                           SizeCase{700, 216, 8}));

TEST(WriteJwwData, FirstLineAtSixIsTheFrameLineByteForByte) {
    TDrawing drawing = FourLines();
    const Bytes bytes = Write(drawing, 600);
    const Bytes expected = {
        0x04, 0x00,                                            // entity count
        0xFF, 0xFF, 0x58, 0x02, 0x08, 0x00,                    // new class, schema 600
        0x43, 0x44, 0x61, 0x74, 0x61, 0x53, 0x65, 0x6E,        // "CDataSen"
        0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00,  // Group, LineType, Color, Width
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00,                    // Layer, LayerGroup, Flags
        0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x6A, 0xC0,        // -210.0
        0x00, 0x00, 0x00, 0x00, 0x00, 0x90, 0x62, 0x40,        // 148.5
        0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 0x6A, 0x40,        // 210.0
        0x00, 0x00, 0x00, 0x00, 0x00, 0x90, 0x62, 0x40,        // 148.5
    };
    EXPECT_EQ(Slice(bytes, 0, expected.size()), expected);
    for (std::size_t at : {63u, 112u, 161u}) {
        EXPECT_EQ(Slice(bytes, at, 2), Ref(1)) << "line at " << at;
    }
    EXPECT_EQ(Slice(bytes, 210, 2), (Bytes{0x00, 0x00}));  // no block definitions
}

TEST(WriteJwwData, SchemaIsTheTargetVersion) {
    TDrawing drawing = FourLines();
    EXPECT_EQ(Slice(Write(drawing, 351), 2, 14), NewClass(351, "CDataSen"));
    EXPECT_EQ(Slice(Write(drawing, 700), 2, 14), NewClass(700, "CDataSen"));
}

TEST(WriteJwwData, ClassesAreNumberedFromOneCounterAcrossKinds) {
    TDrawing drawing;
    for (int i = 0; i < 3; ++i) AddLine(drawing);
    AddArc(drawing);
    AddArc(drawing);
    AddLine(drawing);
    const Bytes bytes = Write(drawing, 600);
    // CDataSen = 1, lines 2..4, CDataEnko = 5.
    const std::size_t firstArc = 2 + 61 + 2 * 49;
    EXPECT_EQ(Slice(bytes, firstArc, 15), NewClass(600, "CDataEnko"));
    const std::size_t secondArc = firstArc + 15 + 75;
    EXPECT_EQ(Slice(bytes, secondArc, 2), Ref(5));
    EXPECT_EQ(Slice(bytes, secondArc + 2 + 75, 2), Ref(1));
    EXPECT_EQ(bytes.size(), secondArc + 2 + 75 + 49 + 2);
}

TEST(WriteJwwData, EachKindIsIntroducedByItsClassName) {
    TDrawing drawing;
    AddLine(drawing);
    AddArc(drawing);
    AddPoint(drawing);
    AddText(drawing, TEntMoji{});
    AddDimension(drawing, TEntSunpo{});
    Append(drawing.Entities.Solids, drawing.Entities.SolidCount, drawing.EntityOrder, kKindSolid,
           TEntSolid{});
    Append(drawing.Entities.BlockInserts, drawing.Entities.BlockInsertCount, drawing.EntityOrder,
           kKindBlockInsert, TEntBlock{});
    drawing.Header.EntityCount = 7;
    drawing.BlockDefs.resize(1);
    drawing.BlockDefCount = 1;
    drawing.Header.BlockDefTotal = 1;
    const Bytes bytes = Write(drawing, 600);

    struct Object {
        std::string_view name;
        std::size_t body;
    };
    const Object objects[] = {
        {"CDataSen", 47},     {"CDataEnko", 75},
        {"CDataTen", 35},     {"CDataMoji", 85},
        {"CDataSunpou", 383}, {"CDataSolid", 79},
        {"CDataBlock", 59},   {"CDataList", 15 + 12 + 1 + 2},
    };
    std::size_t at = 2;
    for (const Object& object : objects) {
        if (object.name == "CDataList") at += 2;  // the block definition count
        EXPECT_EQ(Slice(bytes, at, 6 + object.name.size()), NewClass(600, object.name));
        at += 6 + object.name.size() + object.body;
    }
    EXPECT_EQ(bytes.size(), at);
}

TEST(WriteJwwData, EachWriteStartsItsClassIndexesAtOne) {
    TDrawing drawing;
    AddArc(drawing);
    AddLine(drawing);
    AddLine(drawing);
    const Bytes first = Write(drawing, 600);
    const Bytes second = Write(drawing, 600);
    EXPECT_EQ(first, second);
    EXPECT_EQ(Slice(second, 2, 15), NewClass(600, "CDataEnko"));
    EXPECT_EQ(Slice(second, 2 + 15 + 75, 14), NewClass(600, "CDataSen"));
    EXPECT_EQ(Slice(second, 2 + 15 + 75 + 61, 2), Ref(3));
}

// n lines and then two arcs: CDataEnko receives index n + 2.
Bytes SecondArcReference(int lines) {
    TDrawing drawing;
    for (int i = 0; i < lines; ++i) AddLine(drawing);
    AddArc(drawing);
    AddArc(drawing);
    const Bytes bytes = Write(drawing, 600);
    const std::size_t secondArc = 2 + 61 + static_cast<std::size_t>(lines - 1) * 49 + 15 + 75;
    return Slice(bytes, secondArc, bytes.size() - secondArc - 75 - 2);
}

TEST(WriteJwwData, ClassIndexAbove32766UsesTheLongReference) {
    EXPECT_EQ(SecondArcReference(32764), (Bytes{0xFE, 0xFF}));  // index 32766
    EXPECT_EQ(SecondArcReference(32765), (Bytes{0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80}));
}

TEST(WriteJwwData, EntityCountOf65535UsesTheEscapedCount) {
    TDrawing drawing;
    for (int i = 0; i < 65534; ++i) AddLine(drawing);
    EXPECT_EQ(Slice(Write(drawing, 600), 0, 4), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
    AddLine(drawing);
    const Bytes bytes = Write(drawing, 600);
    EXPECT_EQ(Slice(bytes, 0, 8), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(bytes.size(), 6 + 61 + 65534u * 49 + 2);
}

TEntSunpo DimensionWithSubMembers(std::uint16_t subMode) {
    TEntSunpo dimension;
    dimension.Attr = Attr(1, 1);
    dimension.Line = Line(0, 0, 10, 0);
    dimension.Label.Attr = Attr(1, 1);
    dimension.Label.Text = "10";
    dimension.SubMode = subMode;
    dimension.SubLine1 = Line(0, 0, 0, 5);
    dimension.SubLine2 = Line(10, 0, 10, 5);
    for (TEntTen* point :
         {&dimension.SubPoint1, &dimension.SubPoint2, &dimension.SubPoint3, &dimension.SubPoint4}) {
        point->Attr = Attr(1, 1);
        point->Temporary = 7;
    }
    return dimension;
}

// A dimension, then a line and an arc.
TDrawing DimensionDrawing(std::int32_t headerVersion, std::uint16_t subMode) {
    TDrawing drawing;
    drawing.Header.Version = headerVersion;
    AddDimension(drawing, DimensionWithSubMembers(subMode));
    AddLine(drawing);
    AddArc(drawing);
    return drawing;
}

constexpr std::size_t kDimensionBody351 = 15 + 47 + 83 + 1 + 3;  // label "10"

TEST(WriteJwwData, DimensionBelow420FromAnOldHeaderIsOneObject) {
    for (std::uint16_t subMode : {0, 1}) {
        TDrawing drawing = DimensionDrawing(0, subMode);
        const Bytes bytes = Write(drawing, 351);
        EXPECT_EQ(U16At(bytes, 0), 3);
        const std::size_t line = 2 + 17 + kDimensionBody351;
        EXPECT_EQ(Slice(bytes, line, 14), NewClass(351, "CDataSen"));
        EXPECT_EQ(Slice(bytes, line + 14 + 47, 15), NewClass(351, "CDataEnko"));
    }
}

TEST(WriteJwwData, DimensionBelow420FromANewHeaderExpandsIntoSixObjects) {
    TDrawing drawing = DimensionDrawing(420, 1);
    const Bytes bytes = Write(drawing, 351);
    EXPECT_EQ(U16At(bytes, 0), 3 + 6);

    // CDataSunpou = 1, the dimension 2, CDataSen = 3, lines 4 and 5,
    // CDataTen = 6, points 7 to 10.
    std::size_t at = 2 + 17 + kDimensionBody351;
    EXPECT_EQ(Slice(bytes, at, 14), NewClass(351, "CDataSen"));
    at += 14;
    EXPECT_EQ(DoubleAt(bytes, at + 15 + 24), 5.0);  // SubLine1 ends at (0, 5)
    at += 47;
    EXPECT_EQ(Slice(bytes, at, 2), Ref(3));
    EXPECT_EQ(DoubleAt(bytes, at + 2 + 15), 10.0);  // SubLine2 starts at (10, 0)
    at += 2 + 47;
    EXPECT_EQ(Slice(bytes, at, 14), NewClass(351, "CDataTen"));
    at += 14;
    const std::int32_t expectedTemporary[] = {7, 7, 1, 1};
    for (int p = 0; p < 4; ++p) {
        if (p > 0) {
            EXPECT_EQ(Slice(bytes, at, 2), Ref(6)) << "point " << p + 1;
            at += 2;
        }
        EXPECT_EQ(U32At(bytes, at + 15 + 16), static_cast<std::uint32_t>(expectedTemporary[p]))
            << "point " << p + 1;
        at += 35;
    }
    // The line after the dimension refers to CDataSen; the arc's class is 11.
    EXPECT_EQ(Slice(bytes, at, 2), Ref(3));
    at += 2 + 47;
    EXPECT_EQ(Slice(bytes, at, 15), NewClass(351, "CDataEnko"));
    at += 15 + 75;
    EXPECT_EQ(bytes.size(), at + 2);
    EXPECT_EQ(drawing.Entities.Dimensions[0].SubPoint3.Temporary, 7);  // record unchanged
}

TEST(WriteJwwData, DimensionWithSubModeZeroIsNeverExpanded) {
    TDrawing drawing = DimensionDrawing(600, 0);
    EXPECT_EQ(U16At(Write(drawing, 351), 0), 3);
}

TEST(WriteJwwData, DimensionFrom420CarriesItsSubMembersWhateverSubMode) {
    constexpr std::size_t kBody600 = 15 + 47 + 83 + 1 + 3 + 2 + 47 + 47 + 4 * 35;
    for (std::int32_t headerVersion : {0, 420, 700}) {
        TDrawing drawing = DimensionDrawing(headerVersion, 0);
        const Bytes bytes = Write(drawing, 600);
        EXPECT_EQ(U16At(bytes, 0), 3);
        EXPECT_EQ(Slice(bytes, 2 + 17 + kBody600, 14), NewClass(600, "CDataSen"));
    }
}

TEST(WriteJwwData, BlockDefinitionsShareTheClassSlots) {
    TDrawing drawing;
    AddLine(drawing);
    for (int b = 0; b < 2; ++b) {
        TEntBlockDef block;
        block.Attr = Attr(0, 0);
        block.Attr.Layer = 16;
        block.Number = 7 + b;
        block.Referenced = 1;
        block.Time = 99;
        block.Name = "B\x01^m";
        Append(block.Entities.Lines, block.Entities.LineCount, block.Order, kKindLine,
               Line(1, 2, 3, 4));
        Append(block.Entities.Arcs, block.Entities.ArcCount, block.Order, kKindArc,
               TEntEnko{Attr(1, 1)});
        block.Count = 2;
        block.Order.push_back({kKindLine, 0});  // beyond Count: dropped
        drawing.BlockDefs.push_back(block);
    }
    drawing.BlockDefCount = 2;
    drawing.Header.BlockDefTotal = 2;

    const Bytes bytes = Write(drawing, 600);
    std::size_t at = 2 + 61;
    EXPECT_EQ(Slice(bytes, at, 2), (Bytes{0x02, 0x00}));
    at += 2;
    // CDataSen = 1, the line 2, CDataList = 3, the definition 4, its line 5,
    // CDataEnko = 6.
    EXPECT_EQ(Slice(bytes, at, 15), NewClass(600, "CDataList"));
    at += 15;
    const Bytes attrAndFields = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  // attributes, Layer 0
                                 0x07, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
                                 0x63, 0x00, 0x00, 0x00,  // Number, Referenced, Time
                                 0x01, 'B',               // cleaned name
                                 0x02, 0x00};             // entity count
    EXPECT_EQ(Slice(bytes, at, attrAndFields.size()), attrAndFields);
    at += attrAndFields.size();
    EXPECT_EQ(Slice(bytes, at, 2), Ref(1));
    at += 2 + 47;
    EXPECT_EQ(Slice(bytes, at, 15), NewClass(600, "CDataEnko"));
    at += 15 + 75;
    EXPECT_EQ(Slice(bytes, at, 2), Ref(3));  // second definition
    at += 2 + attrAndFields.size();
    EXPECT_EQ(Slice(bytes, at, 2), Ref(1));
    at += 2 + 47;
    EXPECT_EQ(Slice(bytes, at, 2), Ref(6));
    at += 2 + 75;
    EXPECT_EQ(bytes.size(), at);
    EXPECT_EQ(drawing.BlockDefs[0].Order.size(), 2u);
    EXPECT_EQ(drawing.BlockDefs[0].Attr.Layer, 16);
}

TEST(WriteJwwData, BlockDefinitionCountGrowsWithExpandedDimensions) {
    TDrawing drawing;
    drawing.Header.Version = 420;
    TEntBlockDef block;
    Append(block.Entities.Dimensions, block.Entities.DimensionCount, block.Order, kKindDimension,
           DimensionWithSubMembers(3));
    block.Count = 1;
    drawing.BlockDefs.push_back(block);
    drawing.BlockDefCount = 1;
    drawing.Header.BlockDefTotal = 1;
    const Bytes bytes = Write(drawing, 300);
    const std::size_t count = 2 + 2 + 15 + 13 + 12 + 1;
    EXPECT_EQ(U16At(bytes, count), 7);
    EXPECT_EQ(Slice(bytes, count + 2, 17), NewClass(300, "CDataSunpou"));
}

// Each mutation breaks one index or count of a sound drawing.
struct BrokenIndex {
    const char* what;
    void (*breakIt)(TDrawing&);
};

void PrintTo(const BrokenIndex& broken, std::ostream* out) { *out << broken.what; }

class WriteJwwDataRefuses : public ::testing::TestWithParam<BrokenIndex> {};

TEST_P(WriteJwwDataRefuses, WithARangeError) {
    TDrawing drawing = FourLines();
    TEntBlockDef block;
    Append(block.Entities.Lines, block.Entities.LineCount, block.Order, kKindLine,
           Line(0, 0, 1, 1));
    block.Count = 1;
    drawing.BlockDefs.push_back(block);
    drawing.BlockDefCount = 1;
    drawing.Header.BlockDefTotal = 1;
    for (std::int32_t version : {300, 600, 700}) {
        EXPECT_NO_THROW(Write(drawing, version));
    }
    GetParam().breakIt(drawing);
    for (std::int32_t version : {300, 600, 700}) {
        EXPECT_THROW(Write(drawing, version), RangeError) << version;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BrokenDrawings, WriteJwwDataRefuses,
    ::testing::Values(
        BrokenIndex{"order shorter than count", [](TDrawing& d) { d.EntityOrder.pop_back(); }},
        BrokenIndex{"negative count", [](TDrawing& d) { d.Header.EntityCount = -1; }},
        BrokenIndex{"kind 0", [](TDrawing& d) { d.EntityOrder[2].Kind = 0; }},
        BrokenIndex{"kind 8", [](TDrawing& d) { d.EntityOrder[3].Kind = 8; }},
        BrokenIndex{"negative index", [](TDrawing& d) { d.EntityOrder[1].Index = -1; }},
        BrokenIndex{"index past the list", [](TDrawing& d) { d.EntityOrder[1].Index = 4; }},
        BrokenIndex{"index past the count", [](TDrawing& d) { d.Entities.LineCount = 3; }},
        BrokenIndex{"count past the list",
                    [](TDrawing& d) {
                        d.Entities.Lines.pop_back();
                        d.Entities.LineCount = 4;
                    }},
        BrokenIndex{"index into an empty kind", [](TDrawing& d) { d.EntityOrder[0].Kind = 5; }},
        BrokenIndex{"block order shorter than count",
                    [](TDrawing& d) { d.BlockDefs[0].Count = 2; }},
        BrokenIndex{"block negative count", [](TDrawing& d) { d.BlockDefs[0].Count = -1; }},
        BrokenIndex{"block kind", [](TDrawing& d) { d.BlockDefs[0].Order[0].Kind = 9; }},
        BrokenIndex{"block index", [](TDrawing& d) { d.BlockDefs[0].Order[0].Index = 1; }},
        BrokenIndex{"total past the definitions", [](TDrawing& d) { d.Header.BlockDefTotal = 2; }},
        BrokenIndex{"total past the count", [](TDrawing& d) { d.BlockDefCount = 0; }},
        BrokenIndex{"negative total", [](TDrawing& d) { d.Header.BlockDefTotal = -1; }}),
    [](const ::testing::TestParamInfo<BrokenIndex>& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (c == ' ') c = '_';
        }
        return name;
    });

}  // namespace
}  // namespace drafnova
