#include "jwwunit/entity_writer.hpp"

#include <gtest/gtest.h>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "jwwunit/data_fixtures.hpp"

namespace drafnova {
namespace {

using namespace testing;

Bytes AttrBytes(std::int32_t version, std::int32_t kind, const TEntAttr& attr) {
    MemorySink sink;
    WriteEntAttr(sink, version, kind, attr);
    return sink.Bytes();
}

std::uint8_t WrittenLineType(std::int32_t version, std::int32_t kind, std::uint8_t lineType) {
    return AttrBytes(version, kind, Attr(lineType, 1)).at(4);
}

std::uint16_t WrittenColor(std::int32_t version, std::int32_t kind, std::uint16_t color) {
    return U16At(AttrBytes(version, kind, Attr(1, color)), 5);
}

// Versions either side of 3.51 and 4.20.
constexpr std::int32_t kOldVersions[] = {220, 300, 351};
constexpr std::int32_t kNewVersions[] = {420, 600, 700};

struct Mapping {
    std::uint16_t stored;
    std::uint16_t written;
};

// Line types 31..62 of lines and arcs, as files older than 4.20 get them.
constexpr Mapping kLineTypeRows[] = {
    {31, 1}, {32, 4}, {33, 3}, {34, 6}, {35, 8}, {36, 8},  {37, 2},  {38, 5},
    {39, 7}, {40, 6}, {41, 6}, {42, 8}, {43, 8}, {44, 17}, {45, 17}, {46, 1},
    {47, 1}, {50, 1}, {55, 1}, {60, 1}, {61, 1}, {62, 1},
};

TEST(WriteEntAttr, ExtendedLineTypesOfLinesAndArcsAreMappedBelow420) {
    for (const Mapping& row : kLineTypeRows) {
        const auto stored = static_cast<std::uint8_t>(row.stored);
        for (std::int32_t kind : {kKindLine, kKindArc}) {
            for (std::int32_t version : kOldVersions) {
                EXPECT_EQ(WrittenLineType(version, kind, stored), row.written)
                    << "line type " << row.stored << " kind " << kind << " version " << version;
            }
            for (std::int32_t version : kNewVersions) {
                EXPECT_EQ(WrittenLineType(version, kind, stored), stored)
                    << "line type " << row.stored << " kind " << kind << " version " << version;
            }
        }
        // Dimensions, solids, block inserts and definitions keep any line type.
        for (std::int32_t kind : {5, 6, 7, 8}) {
            EXPECT_EQ(WrittenLineType(351, kind, stored), stored) << "kind " << kind;
        }
        // Points and texts are not mapped; the value is simply not accepted.
        EXPECT_EQ(WrittenLineType(351, kKindPoint, stored), 1);
        EXPECT_EQ(WrittenLineType(420, kKindText, stored), 1);
    }
}

// Colours 101..356 of kinds 1 to 6, as files older than 4.20 get them.
constexpr Mapping kColorRows[] = {
    {101, 2}, {102, 8}, {103, 3}, {104, 6}, {105, 4}, {106, 5}, {107, 1}, {108, 2}, {109, 5},
    {110, 8}, {111, 4}, {112, 3}, {113, 6}, {114, 5}, {115, 2}, {200, 2}, {355, 2}, {356, 2},
};

TEST(WriteEntAttr, ExtendedColoursOfKindsOneToSixAreMappedBelow420) {
    for (const Mapping& row : kColorRows) {
        for (std::int32_t kind = 1; kind <= 6; ++kind) {
            for (std::int32_t version : kOldVersions) {
                EXPECT_EQ(WrittenColor(version, kind, row.stored), row.written)
                    << "colour " << row.stored << " kind " << kind << " version " << version;
            }
            for (std::int32_t version : kNewVersions) {
                EXPECT_EQ(WrittenColor(version, kind, row.stored), row.stored)
                    << "colour " << row.stored << " kind " << kind << " version " << version;
            }
        }
        EXPECT_EQ(WrittenColor(300, 7, row.stored), row.stored);
        EXPECT_EQ(WrittenColor(300, 8, row.stored), row.stored);
    }
}

struct Acceptance {
    std::int32_t kind;
    std::uint16_t stored;
    std::uint16_t written;
};

// Values outside the mapped ranges: the check is the same in every version.
constexpr Acceptance kLineTypeChecks[] = {
    {1, 0, 1},     {1, 1, 1},   {1, 9, 9},   {1, 10, 1},  {1, 11, 11},   {1, 19, 19}, {1, 20, 1},
    {1, 30, 1},    {1, 63, 1},  {1, 100, 1}, {1, 255, 1}, {2, 0, 1},     {2, 5, 5},   {2, 10, 1},
    {2, 15, 15},   {2, 20, 1},  {2, 63, 1},  {3, 1, 1},   {3, 100, 100}, {3, 0, 1},   {3, 2, 1},
    {3, 99, 1},    {3, 101, 1}, {3, 255, 1}, {4, 1, 1},   {4, 9, 9},     {4, 0, 1},   {4, 10, 1},
    {4, 15, 1},    {4, 100, 1}, {5, 0, 0},   {5, 15, 15}, {5, 200, 200}, {6, 0, 0},   {6, 100, 100},
    {6, 255, 255}, {7, 0, 0},   {7, 63, 63}, {8, 0, 0},   {8, 255, 255},
};

TEST(WriteEntAttr, LineTypeIsCheckedForItsKindInEveryVersion) {
    for (const Acceptance& row : kLineTypeChecks) {
        for (std::int32_t version : {220, 300, 351, 420, 600, 700}) {
            EXPECT_EQ(WrittenLineType(version, row.kind, static_cast<std::uint8_t>(row.stored)),
                      row.written)
                << "line type " << row.stored << " kind " << row.kind << " version " << version;
        }
    }
}

constexpr Acceptance kColorChecks[] = {
    {1, 0, 2},     {1, 1, 1},     {1, 9, 9},   {1, 10, 2},    {1, 100, 2},       {1, 357, 2},
    {1, 65535, 2}, {2, 0, 2},     {2, 10, 2},  {2, 500, 2},   {3, 10, 2},        {3, 7, 7},
    {3, 357, 2},   {4, 0, 2},     {4, 10, 2},  {4, 3, 3},     {5, 0, 2},         {5, 10, 2},
    {5, 4, 4},     {5, 1000, 2},  {6, 10, 10}, {6, 0, 2},     {6, 11, 2},        {6, 9, 9},
    {6, 357, 2},   {7, 0, 0},     {7, 10, 10}, {7, 500, 500}, {7, 65535, 65535}, {8, 0, 0},
    {8, 500, 500}, {8, 357, 357},
};

TEST(WriteEntAttr, ColourIsCheckedForItsKindInEveryVersion) {
    for (const Acceptance& row : kColorChecks) {
        for (std::int32_t version : {220, 300, 351, 420, 600, 700}) {
            EXPECT_EQ(WrittenColor(version, row.kind, row.stored), row.written)
                << "colour " << row.stored << " kind " << row.kind << " version " << version;
        }
    }
    // Mapped values pass the check in every kind that is mapped.
    for (std::int32_t kind = 1; kind <= 5; ++kind) {
        EXPECT_EQ(WrittenColor(600, kind, 101), 101);
        EXPECT_EQ(WrittenColor(600, kind, 356), 356);
    }
}

TEST(WriteEntAttr, LayerLayerGroupAndWidthOutOfRangeBecomeZeroForEveryKind) {
    struct Row {
        std::uint16_t layer, group, width;
        std::uint16_t layerOut, groupOut, widthOut;
    };
    const Row rows[] = {
        {15, 15, 30000, 15, 15, 30000},
        {16, 20, 30001, 0, 0, 0},
        {65535, 65535, 65535, 0, 0, 0},
        {3, 16, 1, 3, 0, 1},
    };
    for (std::int32_t kind = 1; kind <= 8; ++kind) {
        for (const Row& row : rows) {
            TEntAttr attr = Attr(1, 1);
            attr.Layer = row.layer;
            attr.LayerGroup = row.group;
            attr.Width = row.width;
            const Bytes at351 = AttrBytes(351, kind, attr);
            ASSERT_EQ(at351.size(), 15u);
            EXPECT_EQ(U16At(at351, 7), row.widthOut) << "kind " << kind;
            EXPECT_EQ(U16At(at351, 9), row.layerOut) << "kind " << kind;
            EXPECT_EQ(U16At(at351, 11), row.groupOut) << "kind " << kind;
            const Bytes at300 = AttrBytes(300, kind, attr);
            ASSERT_EQ(at300.size(), 13u);
            EXPECT_EQ(U16At(at300, 7), row.layerOut) << "kind " << kind;
            EXPECT_EQ(U16At(at300, 9), row.groupOut) << "kind " << kind;
        }
    }
}

TEST(WriteEntAttr, WritesTheFieldsInOrderWithWidthFrom351) {
    TEntAttr attr = Attr(5, 7);
    attr.Group = -2;
    attr.Width = 0x0102;
    attr.Layer = 3;
    attr.LayerGroup = 4;
    attr.Flags = 0xA55A;
    EXPECT_EQ(AttrBytes(351, 1, attr), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0x05, 0x07, 0x00, 0x02, 0x01,
                                              0x03, 0x00, 0x04, 0x00, 0x5A, 0xA5}));
    EXPECT_EQ(AttrBytes(300, 1, attr), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 0x05, 0x07, 0x00, 0x03, 0x00,
                                              0x04, 0x00, 0x5A, 0xA5}));
}

TEST(WriteEntAttr, RefusesAnUnknownAttributeKind) {
    MemorySink sink;
    EXPECT_THROW(WriteEntAttr(sink, 600, 0, Attr(1, 1)), RangeError);
    EXPECT_THROW(WriteEntAttr(sink, 600, 9, Attr(1, 1)), RangeError);
    EXPECT_TRUE(sink.Bytes().empty());
}

template <typename Record>
Bytes Body(void (*writer)(ByteSink&, std::int32_t, const Record&), std::int32_t version,
           const Record& record) {
    MemorySink sink;
    writer(sink, version, record);
    return sink.Bytes();
}

TEST(BodyWriters, SizesPerKind) {
    TEntTen plainPoint{Attr(1, 1)};
    TEntTen markedPoint{Attr(100, 1)};
    TEntTen wrongPoint{Attr(2, 1)};  // written as line type 1, without extras
    TEntSolid solid{Attr(1, 1)};
    TEntSolid ownColour{Attr(1, 10)};
    TEntMoji text;
    text.Attr = Attr(1, 1);
    text.FontName = "abc";
    text.Text = "hello";
    for (std::int32_t version : {300, 351, 600}) {
        const std::size_t less = version < 351 ? 2 : 0;
        EXPECT_EQ(Body(WriteLineBody, version, TEntSen{}).size(), 47 - less);
        EXPECT_EQ(Body(WriteArcBody, version, TEntEnko{}).size(), 75 - less);
        EXPECT_EQ(Body(WritePointBody, version, plainPoint).size(), 35 - less);
        EXPECT_EQ(Body(WritePointBody, version, markedPoint).size(), 55 - less);
        EXPECT_EQ(Body(WritePointBody, version, wrongPoint).size(), 35 - less);
        EXPECT_EQ(Body(WriteSolidBody, version, solid).size(), 79 - less);
        EXPECT_EQ(Body(WriteSolidBody, version, ownColour).size(), 83 - less);
        EXPECT_EQ(Body(WriteBlockInsertBody, version, TEntBlock{}).size(), 59 - less);
        EXPECT_EQ(Body(WriteTextBody, version, text).size(), 83 - less + 4 + 6);
    }
}

TEST(BodyWriters, DimensionCarriesItsSubMembersFrom420) {
    TEntSunpo dimension;
    dimension.Label.Text = "12";
    dimension.SubPoint2.Attr.LineType = 100;
    dimension.SubMode = 0;
    const std::size_t upTo351 = 13 + 45 + 81 + 1 + 3;
    EXPECT_EQ(Body(WriteDimensionBody, 300, dimension).size(), upTo351);
    EXPECT_EQ(Body(WriteDimensionBody, 351, dimension).size(), upTo351 + 6);
    const std::size_t from420 = 15 + 47 + 83 + 1 + 3 + 2 + 47 + 47 + 4 * 35 + 20;
    for (std::uint16_t subMode : {0, 0xFFFF}) {
        dimension.SubMode = subMode;
        dimension.SubLine2.EndY = 42.0;
        const Bytes bytes = Body(WriteDimensionBody, 600, dimension);
        ASSERT_EQ(bytes.size(), from420);
        const std::size_t subModeAt = 15 + 47 + 83 + 1 + 3;
        EXPECT_EQ(U16At(bytes, subModeAt), subMode);
        EXPECT_EQ(DoubleAt(bytes, subModeAt + 2 + 47 + 15 + 24), 42.0);
    }
}

TEST(BodyWriters, FieldsFollowTheAttributesInDeclaredOrder) {
    TEntEnko arc{Attr(1, 1), 1, 2, 3, 4, 5, 6, 7, -9};
    const Bytes arcBytes = Body(WriteArcBody, 600, arc);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(DoubleAt(arcBytes, 15 + 8 * i), i + 1.0);
    EXPECT_EQ(U32At(arcBytes, 71), static_cast<std::uint32_t>(-9));

    TEntTen point{Attr(100, 1), 1.5, 2.5, 3, 4, 5.5, 6.5};
    const Bytes pointBytes = Body(WritePointBody, 600, point);
    EXPECT_EQ(DoubleAt(pointBytes, 15), 1.5);
    EXPECT_EQ(DoubleAt(pointBytes, 23), 2.5);
    EXPECT_EQ(U32At(pointBytes, 31), 3u);
    EXPECT_EQ(U32At(pointBytes, 35), 4u);
    EXPECT_EQ(DoubleAt(pointBytes, 39), 5.5);
    EXPECT_EQ(DoubleAt(pointBytes, 47), 6.5);

    TEntSolid solid{Attr(1, 10), 1, 2, 3, 4, 5, 6, 7, 8, 0x00FF8040};
    const Bytes solidBytes = Body(WriteSolidBody, 351, solid);
    EXPECT_EQ(U16At(solidBytes, 5), 10);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(DoubleAt(solidBytes, 15 + 8 * i), i + 1.0);
    EXPECT_EQ(U32At(solidBytes, 79), 0x00FF8040u);

    TEntBlock insert{Attr(200, 500), 1, 2, 3, 4, 5, 77};
    const Bytes insertBytes = Body(WriteBlockInsertBody, 300, insert);
    EXPECT_EQ(insertBytes.at(4), 200);
    EXPECT_EQ(U16At(insertBytes, 5), 500);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(DoubleAt(insertBytes, 13 + 8 * i), i + 1.0);
    EXPECT_EQ(U32At(insertBytes, 53), 77u);

    TEntMoji text{Attr(1, 1), 1, 2, 3, 4, 5, 6, 7, 8, 9, "F", "T"};
    const Bytes textBytes = Body(WriteTextBody, 600, text);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(DoubleAt(textBytes, 15 + 8 * i), i + 1.0);
    EXPECT_EQ(U32At(textBytes, 47), 5u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(DoubleAt(textBytes, 51 + 8 * i), i + 6.0);
    EXPECT_EQ(Slice(textBytes, 83, 4), (Bytes{0x01, 'F', 0x01, 'T'}));
}

TEST(BodyWriters, TextStringsAreCleaned) {
    struct Row {
        std::string stored;
        Bytes written;
    };
    const std::string japanese = Sj(u8"寸法");
    const Row rows[] = {
        {"", {0x00}},
        {"\x01\x02\t", {0x01, ' '}},
        {"A^mB", {0x02, 'A', 'B'}},
        {"A^MB", {0x04, 'A', '^', 'M', 'B'}},
        {japanese + "\r\n", {0x04, 0x90, 0xA1, 0x96, 0x40}},
    };
    for (const Row& row : rows) {
        TEntMoji text;
        text.Attr = Attr(1, 1);
        text.FontName = row.stored;
        text.Text = row.stored;
        Bytes expected = row.written;
        expected.insert(expected.end(), row.written.begin(), row.written.end());
        const Bytes bytes = Body(WriteTextBody, 600, text);
        EXPECT_EQ(Slice(bytes, 83, bytes.size() - 83), expected) << row.stored;

        TEntSunpo dimension;
        dimension.Label = text;
        const Bytes dimensionBytes = Body(WriteDimensionBody, 351, dimension);
        EXPECT_EQ(Slice(dimensionBytes, 15 + 47 + 83, dimensionBytes.size() - 15 - 47 - 83),
                  expected);
    }
}

TEST(BodyWriters, EmbeddedRecordsAreCheckedAsWhatTheyAre) {
    TEntSunpo dimension;
    dimension.Attr = Attr(35, 10);  // dimension: line type kept, colour 10 refused
    dimension.Line.Attr = Attr(35, 1);
    dimension.Label.Attr = Attr(5, 1);
    dimension.SubPoint1.Attr = Attr(35, 1);
    const Bytes bytes = Body(WriteDimensionBody, 420, dimension);
    EXPECT_EQ(bytes.at(4), 35);
    EXPECT_EQ(U16At(bytes, 5), 2);
    EXPECT_EQ(bytes.at(15 + 4), 35);                                    // line at 4.20
    EXPECT_EQ(bytes.at(15 + 47 + 4), 5);                                // label
    EXPECT_EQ(bytes.at(15 + 47 + 85 + 2 + 94 + 4), 1);                  // first sub-point
    EXPECT_EQ(Body(WriteDimensionBody, 351, dimension).at(15 + 4), 8);  // line below 4.20
}

}  // namespace
}  // namespace drafnova
