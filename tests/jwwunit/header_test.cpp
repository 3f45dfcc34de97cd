#include "jwwunit/header.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"
#include "Func_/text.hpp"
#include "jwwunit/byte_io.hpp"
#include "jwwunit/encodings.hpp"
#include "support/drawing_expect.hpp"
#include "support/sample_drawing.hpp"

namespace drafnova {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::ExpectSameHeader;
using testing::ExpectSameTables;
using testing::MakeSampleDrawing;

// ------------------------------------------------------------------ helpers

// A drawing as the builder leaves it before the defaults: reset header, full
// tables of zero elements, the signature set. Memo and all names are empty.
TDrawing EmptyDrawing() {
    TDrawing drawing;
    ClearHeader(drawing);
    SizeHeaderTables(drawing);
    drawing.Header.Signature = "JwwData.";
    return drawing;
}

Bytes HeaderBytes(const TDrawing& drawing, std::int32_t version) {
    MemorySink sink;
    WriteJwwHeader(sink, drawing, version);
    return sink.Bytes();
}

std::int32_t IntAt(const Bytes& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes.at(offset + i)} << (8 * i);
    return static_cast<std::int32_t>(value);
}

double DoubleAt(const Bytes& bytes, std::size_t offset) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) value |= std::uint64_t{bytes.at(offset + i)} << (8 * i);
    return std::bit_cast<double>(value);
}

void PutIntAt(Bytes& bytes, std::size_t offset, std::int32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.at(offset + i) =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
    }
}

Bytes Slice(const Bytes& bytes, std::size_t offset, std::size_t size) {
    return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                 bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

// A drawing ready to be read into: reset, sized, with data-section counts
// that the reader must leave alone.
TDrawing ReadTarget() {
    TDrawing drawing;
    drawing.Header.EntityCount = 77;
    drawing.Header.BlockDefTotal = 4;
    ClearHeader(drawing);
    SizeHeaderTables(drawing);
    return drawing;
}

// Positions in a header whose memo and names are all empty (so one byte each).
constexpr std::size_t kMemoAt = 12;
constexpr std::size_t kAfterEmptyMemo = 13;                      // M
constexpr std::size_t kMaxDrawWidthAt = kAfterEmptyMemo + 2456;  // item 10
constexpr std::size_t kLayerNamesAt = kAfterEmptyMemo + 2532;    // item 12
constexpr std::size_t kGroupNamesAt = kLayerNamesAt + 256;       // item 13
constexpr std::size_t kShadowAt = kGroupNamesAt + 16;            // item 14

// Bytes from item 25 to the end of the block when all names are empty.
std::size_t Item25FromEnd(std::int32_t version) {
    std::size_t size = 4 + 280 + 100;  // items 25, 33, 34
    if (version >= 223) size += 60;
    if (version >= 225) size += 32;
    if (version >= 230) size += 8;
    if (version >= 420) size += 2056 + 257 * 17 + 528 + 33 * 85;
    return size;
}

// What reading back a header written at version must give: every field the
// version carries, as the reader stores it, and the reset value of every
// field it does not carry. before: the read target's header before the read.
TDrawing ExpectedAfterRoundTrip(const TDrawing& written, std::int32_t version,
                                const THeader& before) {
    const THeader reset;
    TDrawing expected;
    THeader& h = expected.Header;
    h = written.Header;
    h.Version = version;
    h.EntityCount = before.EntityCount;
    h.BlockDefTotal = before.BlockDefTotal;
    if (version <= 420 && h.MaxDrawWidth < -101) h.MaxDrawWidth = -101;
    std::int32_t word = written.Header.PrintOmitDisplayOnly;
    if (version >= 600) word += 10 * std::max(written.Header.PrintOmitDisplayOnlyTens, 1);
    h.PrintOmitDisplayOnly = word % 10;
    h.PrintOmitDisplayOnlyTens = word / 10;
    if (version < 300) {
        h.SkyLevel = reset.SkyLevel;
        h.SkyRadius = reset.SkyRadius;
    }
    if (version <= 230) {
        for (std::size_t n = 4; n < 8; ++n) {
            h.MarkJumpScale.at(n) = reset.MarkJumpScale.at(n);
            h.MarkJumpX.at(n) = reset.MarkJumpX.at(n);
            h.MarkJumpY.at(n) = reset.MarkJumpY.at(n);
        }
        h.MarkJumpGroup = reset.MarkJumpGroup;
        h.ReservedA = reset.ReservedA;
        h.ReservedB = reset.ReservedB;
    }
    if (version < 223) {
        h.DrawTime = reset.DrawTime;
        h.EyeInit = reset.EyeInit;
        h.EyeAngleH1 = reset.EyeAngleH1;
        h.EyeAngleH2 = reset.EyeAngleH2;
        h.EyeAngleH3 = reset.EyeAngleH3;
        h.EyeHeight1 = reset.EyeHeight1;
        h.EyeDistance1 = reset.EyeDistance1;
        h.EyeHeight2 = reset.EyeHeight2;
        h.EyeDistance2 = reset.EyeDistance2;
        h.EyeAngleV3 = reset.EyeAngleV3;
    }
    if (version < 225) {
        h.LastLineLength = reset.LastLineLength;
        h.LastBoxWidth = reset.LastBoxWidth;
        h.LastBoxHeight = reset.LastBoxHeight;
        h.LastCircleRadius = reset.LastCircleRadius;
    }
    if (version < 230) {
        h.SolidAnyColor = reset.SolidAnyColor;
        h.SolidColor = reset.SolidColor;
    }

    expected.LayerGroups = written.LayerGroups;
    expected.Layers = written.Layers;
    expected.ColorNos = written.ColorNos;
    expected.LineTypeNos = written.LineTypeNos;
    expected.RandomLineNos = written.RandomLineNos;
    expected.DoubleLineTypeNos = written.DoubleLineTypeNos;
    expected.ColorExNos = written.ColorExNos;
    expected.LineTypeExNos = written.LineTypeExNos;
    expected.TextStyleNos = written.TextStyleNos;
    for (TLayerGroup& group : expected.LayerGroups) group.Name = CleanJwwText(group.Name);
    for (TLayer& layer : expected.Layers) layer.Name = CleanJwwText(layer.Name);
    if (version >= 420) {
        for (TColorExNo& pen : expected.ColorExNos) pen.Name = CleanJwwText(pen.Name);
        for (TLineTypeExNo& type : expected.LineTypeExNos) type.Name = CleanJwwText(type.Name);
    } else {
        expected.ColorExNos.assign(kColorExNoCount, {});
        expected.LineTypeExNos.assign(kLineTypeExNoCount, {});
    }
    return expected;
}

class EveryVersion : public ::testing::TestWithParam<std::int32_t> {};

INSTANTIATE_TEST_SUITE_P(Jww, EveryVersion, ::testing::ValuesIn(kJwwVersions));

// ------------------------------------------------------------ writer: sizes

TEST_P(EveryVersion, SizeWithEmptyMemoAndNames) {
    static const std::map<std::int32_t, std::size_t> kSizes = {
        {220, 4037}, {223, 4097},  {225, 4129},  {230, 4137}, {300, 4337},
        {351, 4337}, {420, 14095}, {600, 14095}, {700, 14095}};
    EXPECT_EQ(HeaderBytes(EmptyDrawing(), GetParam()).size(), kSizes.at(GetParam()));
}

TEST(WriteJwwHeader, FirstThirteenBytesAtVersion700) {
    TDrawing drawing = EmptyDrawing();
    drawing.Header.PaperSize = 0x0A0B0C0D;
    const Bytes bytes = HeaderBytes(drawing, 700);
    EXPECT_EQ(Slice(bytes, 0, 13), (Bytes{0x4A, 0x77, 0x77, 0x44, 0x61, 0x74, 0x61, 0x2E, 0xBC,
                                          0x02, 0x00, 0x00, 0x00}));
    EXPECT_EQ(IntAt(bytes, 13), 0x0A0B0C0D);  // PaperSize follows the memo
}

TEST_P(EveryVersion, WritesTheRequestedVersionNotTheModels) {
    TDrawing drawing = EmptyDrawing();
    drawing.Header.Version = 351;
    EXPECT_EQ(IntAt(HeaderBytes(drawing, GetParam()), 8), GetParam());
}

TEST(WriteJwwHeader, RefusesAVersionItDoesNotKnow) {
    for (const std::int32_t version : {0, 219, 250, 400, 701}) {
        MemorySink sink;
        EXPECT_THROW(WriteJwwHeader(sink, EmptyDrawing(), version), RangeError) << version;
        EXPECT_TRUE(sink.Bytes().empty());
    }
}

// ---------------------------------------------- writer: fixed-offset items

TEST_P(EveryVersion, ItemsFourToElevenSitAtFixedOffsetsAfterTheMemo) {
    const TDrawing drawing = MakeSampleDrawing();
    const THeader& h = drawing.Header;
    const Bytes bytes = HeaderBytes(drawing, GetParam());
    // The memo is written unchanged, its tab and "^m" included.
    ASSERT_LT(h.Memo.size(), 255U);
    EXPECT_EQ(bytes.at(kMemoAt), h.Memo.size());
    EXPECT_EQ(std::string(bytes.begin() + kMemoAt + 1, bytes.begin() + kMemoAt + 1 + h.Memo.size()),
              h.Memo);
    const std::size_t m = kMemoAt + 1 + h.Memo.size();

    EXPECT_EQ(IntAt(bytes, m + 0), h.PaperSize);
    EXPECT_EQ(IntAt(bytes, m + 4), h.WriteLayerGroup);
    for (std::size_t g = 0; g < 16; ++g) {
        const std::size_t at = m + 8 + g * 148;
        const TLayerGroup& group = drawing.LayerGroups[g];
        EXPECT_EQ(IntAt(bytes, at), group.State) << "group " << g;
        EXPECT_EQ(IntAt(bytes, at + 4), group.WriteLayer) << "group " << g;
        EXPECT_EQ(DoubleAt(bytes, at + 8), group.Scale) << "group " << g;
        EXPECT_EQ(IntAt(bytes, at + 16), group.Protect) << "group " << g;
        for (std::size_t l = 0; l < 16; ++l) {
            const TLayer& layer = drawing.Layers[g * 16 + l];
            EXPECT_EQ(IntAt(bytes, at + 20 + l * 8), layer.State) << g << "/" << l;
            EXPECT_EQ(IntAt(bytes, at + 24 + l * 8), layer.Protect) << g << "/" << l;
        }
    }
    EXPECT_EQ(Slice(bytes, m + 2376, 56), Bytes(56, 0));  // item 7, reserved
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(IntAt(bytes, m + 2432 + 4 * i), h.DimensionSettings.at(i));
    }
    EXPECT_EQ(IntAt(bytes, m + 2452), 0);  // item 9, reserved
    EXPECT_EQ(IntAt(bytes, m + 2456), GetParam() <= 420 ? -101 : -150);
    EXPECT_EQ(DoubleAt(bytes, m + 2460), h.PrintOriginX);
    EXPECT_EQ(DoubleAt(bytes, m + 2468), h.PrintOriginY);
    EXPECT_EQ(DoubleAt(bytes, m + 2476), h.PrintScale);
    EXPECT_EQ(IntAt(bytes, m + 2484), h.PrintRotation);
    EXPECT_EQ(IntAt(bytes, m + 2488), h.GridMode);
    EXPECT_EQ(DoubleAt(bytes, m + 2492), h.GridMinSpacing);
    EXPECT_EQ(DoubleAt(bytes, m + 2500), h.GridIntervalX);
    EXPECT_EQ(DoubleAt(bytes, m + 2508), h.GridIntervalY);
    EXPECT_EQ(DoubleAt(bytes, m + 2516), h.GridBaseX);
    EXPECT_EQ(DoubleAt(bytes, m + 2524), h.GridBaseY);
    // Item 12 begins with the name of layer 0 of group 0.
    const std::string name = CleanJwwText(drawing.Layers[0].Name);
    EXPECT_EQ(bytes.at(m + 2532), name.size());
    EXPECT_EQ(std::string(bytes.begin() + static_cast<std::ptrdiff_t>(m + 2533),
                          bytes.begin() + static_cast<std::ptrdiff_t>(m + 2533 + name.size())),
              name);
}

TEST_P(EveryVersion, TextSettingsCloseTheBlock) {
    const TDrawing drawing = MakeSampleDrawing();
    const THeader& h = drawing.Header;
    const Bytes bytes = HeaderBytes(drawing, GetParam());
    const std::size_t item34 = bytes.size() - 100;
    const std::size_t item33 = item34 - 280;
    for (std::size_t s = 0; s < 10; ++s) {
        const TTextStyleNo& style = drawing.TextStyleNos[s];
        EXPECT_EQ(DoubleAt(bytes, item33 + 28 * s), style.Width);
        EXPECT_EQ(DoubleAt(bytes, item33 + 28 * s + 8), style.Height);
        EXPECT_EQ(DoubleAt(bytes, item33 + 28 * s + 16), style.Spacing);
        EXPECT_EQ(IntAt(bytes, item33 + 28 * s + 24), style.Color);
    }
    EXPECT_EQ(DoubleAt(bytes, item34), h.TextWidth);
    EXPECT_EQ(DoubleAt(bytes, item34 + 8), h.TextHeight);
    EXPECT_EQ(DoubleAt(bytes, item34 + 16), h.TextSpacing);
    EXPECT_EQ(IntAt(bytes, item34 + 24), h.TextColor);
    EXPECT_EQ(IntAt(bytes, item34 + 28), h.TextStyle);
    EXPECT_EQ(DoubleAt(bytes, item34 + 32), h.TextArrangeLineSpacing);
    EXPECT_EQ(DoubleAt(bytes, item34 + 40), h.TextArrangeCount);
    EXPECT_EQ(IntAt(bytes, item34 + 48), h.TextShiftOn);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(DoubleAt(bytes, item34 + 52 + 8 * i), h.TextShiftX.at(i));
        EXPECT_EQ(DoubleAt(bytes, item34 + 76 + 8 * i), h.TextShiftY.at(i));
    }
}

// ------------------------------------------------------- writer: signature

TEST(WriteJwwHeader, SignatureIsAlwaysEightBytes) {
    struct Case {
        std::string signature;
        std::string written;
    };
    const Case cases[] = {
        {"JwwData.", "JwwData."},
        {"Jww", std::string("Jww\0\0\0\0\0", 8)},
        {"", std::string(8, '\0')},
        {"JwwData.XYZ", "JwwData."},
    };
    for (const Case& c : cases) {
        TDrawing drawing = EmptyDrawing();
        drawing.Header.Signature = c.signature;
        const Bytes bytes = HeaderBytes(drawing, 700);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), c.written) << c.signature;
        EXPECT_EQ(IntAt(bytes, 8), 700) << c.signature;
        EXPECT_EQ(bytes.size(), 14095U) << c.signature;
    }
}

// ------------------------------------------------------- writer: item 10

TEST(WriteJwwHeader, MaxDrawWidthByVersion) {
    struct Case {
        std::int32_t width;
        std::int32_t version;
        std::int32_t written;
    };
    const Case cases[] = {
        {-150, 220, -101}, {-150, 351, -101}, {-150, 420, -101}, {-150, 600, -150},
        {-150, 700, -150}, {-102, 420, -101}, {-102, 600, -102}, {-101, 220, -101},
        {-101, 420, -101}, {-101, 700, -101}, {-100, 220, -100}, {-100, 420, -100},
        {-100, 700, -100}, {0, 420, 0},       {25, 220, 25},     {INT32_MIN, 420, -101},
    };
    for (const Case& c : cases) {
        TDrawing drawing = EmptyDrawing();
        drawing.Header.MaxDrawWidth = c.width;
        EXPECT_EQ(IntAt(HeaderBytes(drawing, c.version), kMaxDrawWidthAt), c.written)
            << c.width << " at " << c.version;
    }
}

// ------------------------------------------------------- writer: item 25

TEST(WriteJwwHeader, EleventhSwitchWordByVersion) {
    struct Case {
        std::int32_t units;
        std::int32_t tens;
        std::int32_t version;
        std::int32_t written;
    };
    const Case cases[] = {
        {1, 0, 420, 1},  {1, 0, 600, 11}, {1, 3, 600, 31},  {1, 3, 700, 31},
        {1, 3, 420, 1},  {1, 3, 220, 1},  {1, -2, 600, 11}, {0, 0, 700, 10},
        {0, 9, 600, 90}, {5, 1, 351, 5},  {-7, 0, 420, -7}, {23, 0, 420, 23},
    };
    for (const Case& c : cases) {
        TDrawing drawing = EmptyDrawing();
        drawing.Header.PrintOmitDisplayOnly = c.units;
        drawing.Header.PrintOmitDisplayOnlyTens = c.tens;
        const Bytes bytes = HeaderBytes(drawing, c.version);
        EXPECT_EQ(IntAt(bytes, bytes.size() - Item25FromEnd(c.version)), c.written)
            << c.units << " and tens " << c.tens << " at " << c.version;
    }
}

TEST(WriteJwwHeader, TheTenSwitchesPrecedeTheEleventh) {
    TDrawing drawing = EmptyDrawing();
    THeader& h = drawing.Header;
    h.DrawPointsOnScreen = 101;
    h.PrintCommonGray = 110;
    h.PrintOmitDisplayOnly = 4;
    const Bytes bytes = HeaderBytes(drawing, 230);
    const std::size_t item25 = bytes.size() - Item25FromEnd(230);
    EXPECT_EQ(IntAt(bytes, item25 - 40), 101);
    EXPECT_EQ(IntAt(bytes, item25 - 4), 110);
    EXPECT_EQ(IntAt(bytes, item25), 4);
}

// ------------------------------------- writer: sky values and mark jumps

TEST(WriteJwwHeader, Version230HasFourMarkJumpsAndNoSkyValues) {
    TDrawing drawing = EmptyDrawing();
    testing::FillSampleHeader(drawing.Header);
    drawing.Header.Memo.clear();  // the offsets below are those of an empty memo
    const THeader& h = drawing.Header;
    const Bytes bytes = HeaderBytes(drawing, 230);
    EXPECT_EQ(bytes.size(), 4137U);
    std::size_t at = kShadowAt;
    EXPECT_EQ(DoubleAt(bytes, at), h.ShadowLevel);
    EXPECT_EQ(DoubleAt(bytes, at + 8), h.ShadowLatitude);
    EXPECT_EQ(IntAt(bytes, at + 16), h.Shadow9to15);
    EXPECT_EQ(DoubleAt(bytes, at + 20), h.WallShadowLevel);
    at += 28;
    EXPECT_EQ(IntAt(bytes, at), h.Unit3D);  // item 16 at once: no sky values
    EXPECT_EQ(DoubleAt(bytes, at + 4), h.ViewScale);
    EXPECT_EQ(DoubleAt(bytes, at + 44), h.RangeOriginY);
    at += 52;
    for (std::size_t n = 0; n < 4; ++n) {  // 4 x 24 bytes, no groups
        EXPECT_EQ(DoubleAt(bytes, at + 24 * n), h.MarkJumpScale.at(n)) << n + 1;
        EXPECT_EQ(DoubleAt(bytes, at + 24 * n + 8), h.MarkJumpX.at(n)) << n + 1;
        EXPECT_EQ(DoubleAt(bytes, at + 24 * n + 16), h.MarkJumpY.at(n)) << n + 1;
    }
    at += 96;
    EXPECT_EQ(DoubleAt(bytes, at), h.ParallelSpacing.at(0));  // item 18
}

TEST(WriteJwwHeader, Version300HasEightMarkJumpsReservedGroupsAndSkyValues) {
    TDrawing drawing = EmptyDrawing();
    testing::FillSampleHeader(drawing.Header);
    drawing.Header.Memo.clear();  // the offsets below are those of an empty memo
    const THeader& h = drawing.Header;
    const Bytes bytes = HeaderBytes(drawing, 300);
    EXPECT_EQ(bytes.size(), 4337U);
    std::size_t at = kShadowAt + 28;
    EXPECT_EQ(DoubleAt(bytes, at), h.SkyLevel);
    EXPECT_EQ(DoubleAt(bytes, at + 8), h.SkyRadius);
    at += 16;
    EXPECT_EQ(IntAt(bytes, at), h.Unit3D);
    at += 52;
    for (std::size_t n = 0; n < 8; ++n) {  // 8 x 28 bytes with groups
        EXPECT_EQ(DoubleAt(bytes, at + 28 * n), h.MarkJumpScale.at(n)) << n + 1;
        EXPECT_EQ(DoubleAt(bytes, at + 28 * n + 8), h.MarkJumpX.at(n)) << n + 1;
        EXPECT_EQ(DoubleAt(bytes, at + 28 * n + 16), h.MarkJumpY.at(n)) << n + 1;
        EXPECT_EQ(IntAt(bytes, at + 28 * n + 24), h.MarkJumpGroup.at(n)) << n + 1;
    }
    at += 224;
    for (const TReservedGroup* reserved : {&h.ReservedA, &h.ReservedB}) {
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(DoubleAt(bytes, at + 8 * i), reserved->Values[i]);
        EXPECT_EQ(IntAt(bytes, at + 24), reserved->Flag);
        at += 28;
    }
    EXPECT_EQ(DoubleAt(bytes, at), h.ParallelSpacing.at(0));  // item 18
}

// Walks a written block field by field, as the layout lists them.
class Cursor {
public:
    Cursor(const Bytes& bytes, std::size_t at) : bytes_(bytes), at_(at) {}
    std::int32_t Int() {
        const std::int32_t value = IntAt(bytes_, at_);
        at_ += 4;
        return value;
    }
    double Dbl() {
        const double value = DoubleAt(bytes_, at_);
        at_ += 8;
        return value;
    }
    std::uint8_t Byte() { return bytes_.at(at_++); }
    std::size_t At() const { return at_; }

private:
    const Bytes& bytes_;
    std::size_t at_;
};

TEST(WriteJwwHeader, ItemsEighteenToThirtyFourInOrderAtVersion700) {
    TDrawing drawing = MakeSampleDrawing();
    drawing.Header.Memo.clear();
    for (TLayer& layer : drawing.Layers) layer.Name.clear();
    for (TLayerGroup& group : drawing.LayerGroups) group.Name.clear();
    for (TColorExNo& pen : drawing.ColorExNos) pen.Name.clear();
    for (TLineTypeExNo& type : drawing.LineTypeExNos) type.Name.clear();
    const THeader& h = drawing.Header;
    const Bytes bytes = HeaderBytes(drawing, 700);

    Cursor c(bytes, kShadowAt + 28 + 16 + 52 + 280);  // item 18
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(c.Dbl(), h.ParallelSpacing.at(i));
    EXPECT_EQ(c.Dbl(), h.BothSideExtension);
    for (const TColorNo& pen : drawing.ColorNos) {  // 19
        EXPECT_EQ(c.Int(), pen.ScreenColor);
        EXPECT_EQ(c.Int(), pen.ScreenWidth);
    }
    for (const TColorNo& pen : drawing.ColorNos) {  // 20
        EXPECT_EQ(c.Int(), pen.PrintColor);
        EXPECT_EQ(c.Int(), pen.PrintWidth);
        EXPECT_EQ(c.Dbl(), pen.PrintPointRadius);
    }
    for (const TLineTypeNo& type : drawing.LineTypeNos) {  // 21
        EXPECT_EQ(c.Int(), type.Pattern);
        EXPECT_EQ(c.Int(), type.UnitDots);
        EXPECT_EQ(c.Int(), type.Pitch);
        EXPECT_EQ(c.Int(), type.PrintPitch);
    }
    for (const TRandomLineNo& line : drawing.RandomLineNos) {  // 22
        EXPECT_EQ(c.Int(), line.Pattern);
        EXPECT_EQ(c.Int(), line.Amplitude);
        EXPECT_EQ(c.Int(), line.Pitch);
        EXPECT_EQ(c.Int(), line.PrintAmplitude);
        EXPECT_EQ(c.Int(), line.PrintPitch);
    }
    for (const TLineTypeNo& type : drawing.DoubleLineTypeNos) {  // 23
        EXPECT_EQ(c.Int(), type.Pattern);
        EXPECT_EQ(c.Int(), type.UnitDots);
        EXPECT_EQ(c.Int(), type.Pitch);
        EXPECT_EQ(c.Int(), type.PrintPitch);
    }
    EXPECT_EQ(c.Int(), h.DrawPointsOnScreen);  // 24
    EXPECT_EQ(c.Int(), h.DrawPointsOnPrint);
    EXPECT_EQ(c.Int(), h.DrawImagesFirst);
    EXPECT_EQ(c.Int(), h.ReverseDraw);
    EXPECT_EQ(c.Int(), h.ReverseSearch);
    EXPECT_EQ(c.Int(), h.ColorPrint);
    EXPECT_EQ(c.Int(), h.PrintByLayerOrder);
    EXPECT_EQ(c.Int(), h.PrintByColorOrder);
    EXPECT_EQ(c.Int(), h.PrintContinuous);
    EXPECT_EQ(c.Int(), h.PrintCommonGray);
    EXPECT_EQ(c.Int(), 23);          // 25: 3 plus 10 x 2
    EXPECT_EQ(c.Int(), h.DrawTime);  // 26
    EXPECT_EQ(c.Int(), h.EyeInit);
    EXPECT_EQ(c.Int(), h.EyeAngleH1);
    EXPECT_EQ(c.Int(), h.EyeAngleH2);
    EXPECT_EQ(c.Int(), h.EyeAngleH3);
    EXPECT_EQ(c.Dbl(), h.EyeHeight1);
    EXPECT_EQ(c.Dbl(), h.EyeDistance1);
    EXPECT_EQ(c.Dbl(), h.EyeHeight2);
    EXPECT_EQ(c.Dbl(), h.EyeDistance2);
    EXPECT_EQ(c.Dbl(), h.EyeAngleV3);
    EXPECT_EQ(c.Dbl(), h.LastLineLength);  // 27
    EXPECT_EQ(c.Dbl(), h.LastBoxWidth);
    EXPECT_EQ(c.Dbl(), h.LastBoxHeight);
    EXPECT_EQ(c.Dbl(), h.LastCircleRadius);
    EXPECT_EQ(c.Int(), h.SolidAnyColor);  // 28
    EXPECT_EQ(c.Int(), h.SolidColor);
    for (const TColorExNo& pen : drawing.ColorExNos) {  // 29
        EXPECT_EQ(c.Int(), pen.ScreenColor);
        EXPECT_EQ(c.Int(), pen.ScreenWidth);
    }
    for (const TColorExNo& pen : drawing.ColorExNos) {  // 30
        EXPECT_EQ(c.Byte(), 0);                         // empty name
        EXPECT_EQ(c.Int(), pen.PrintColor);
        EXPECT_EQ(c.Int(), pen.PrintWidth);
        EXPECT_EQ(c.Dbl(), pen.PrintPointRadius);
    }
    for (const TLineTypeExNo& type : drawing.LineTypeExNos) {  // 31
        EXPECT_EQ(c.Int(), type.Pattern);
        EXPECT_EQ(c.Int(), type.UnitDots);
        EXPECT_EQ(c.Int(), type.Pitch);
        EXPECT_EQ(c.Int(), type.PrintPitch);
    }
    for (const TLineTypeExNo& type : drawing.LineTypeExNos) {  // 32
        EXPECT_EQ(c.Byte(), 0);                                // empty name
        EXPECT_EQ(c.Int(), type.SegmentCount);
        for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(c.Dbl(), type.SegmentPitch.at(i));
    }
    EXPECT_EQ(c.At(), bytes.size() - 380);  // items 33 and 34 follow
}

TEST(WriteJwwHeader, Version220GoesFromTheSwitchesToTheTextStyles) {
    TDrawing drawing = EmptyDrawing();
    testing::FillSampleTables(drawing);
    for (TLayer& layer : drawing.Layers) layer.Name.clear();
    for (TLayerGroup& group : drawing.LayerGroups) group.Name.clear();
    drawing.Header.PrintCommonGray = 99;
    drawing.Header.PrintOmitDisplayOnly = 4;
    const Bytes bytes = HeaderBytes(drawing, 220);
    Cursor c(bytes, bytes.size() - 380 - 8);
    EXPECT_EQ(c.Int(), 99);  // the tenth switch
    EXPECT_EQ(c.Int(), 4);   // the eleventh word, not folded
    EXPECT_EQ(c.Dbl(), drawing.TextStyleNos[0].Width);
}

// ---------------------------------------------------- writer: names cleaned

TEST(WriteJwwHeader, NamesAreCleanedAndTheMemoIsNot) {
    TDrawing drawing = EmptyDrawing();
    drawing.Header.Memo = "\t^m";
    drawing.Layers[0].Name = "\x01\x02\x1F";  // control bytes only: one blank
    drawing.Layers[1].Name = "";              // empty stays empty
    drawing.Layers[2].Name = "A^mB\t";
    drawing.LayerGroups[0].Name = "^m";
    const Bytes bytes = HeaderBytes(drawing, 700);
    EXPECT_EQ(Slice(bytes, kMemoAt, 4), (Bytes{3, '\t', '^', 'm'}));
    const std::size_t names = kLayerNamesAt + 3;  // the memo is 3 bytes longer
    EXPECT_EQ(Slice(bytes, names, 7), (Bytes{1, 0x20, 0, 2, 'A', 'B', 0}));
    // Layers 0 to 2 take 2 + 1 + 3 bytes, layers 3 to 255 one byte each.
    EXPECT_EQ(Slice(bytes, names + 6 + 253, 2), (Bytes{1, 0x20}));  // group 0
}

// ----------------------------------------------------- writer: table lengths

TEST(WriteJwwHeader, RefusesTablesWithoutTheirFullLengths) {
    const std::vector<std::pair<std::string, std::function<void(TDrawing&)>>> cuts = {
        {"LayerGroups", [](TDrawing& d) { d.LayerGroups.pop_back(); }},
        {"Layers", [](TDrawing& d) { d.Layers.pop_back(); }},
        {"ColorNos", [](TDrawing& d) { d.ColorNos.pop_back(); }},
        {"LineTypeNos", [](TDrawing& d) { d.LineTypeNos.pop_back(); }},
        {"RandomLineNos", [](TDrawing& d) { d.RandomLineNos.pop_back(); }},
        {"DoubleLineTypeNos", [](TDrawing& d) { d.DoubleLineTypeNos.pop_back(); }},
        {"ColorExNos", [](TDrawing& d) { d.ColorExNos.pop_back(); }},
        {"LineTypeExNos", [](TDrawing& d) { d.LineTypeExNos.pop_back(); }},
        {"TextStyleNos", [](TDrawing& d) { d.TextStyleNos.pop_back(); }},
        {"Layers", [](TDrawing& d) { d.Layers.emplace_back(); }},
        {"TextStyleNos", [](TDrawing& d) { d.TextStyleNos.clear(); }},
    };
    for (const auto& [table, cut] : cuts) {
        for (const std::int32_t version : {220, 700}) {
            TDrawing drawing = MakeSampleDrawing();
            cut(drawing);
            MemorySink sink;
            try {
                WriteJwwHeader(sink, drawing, version);
                ADD_FAILURE() << table << " at " << version << ": no error";
            } catch (const RangeError& error) {
                EXPECT_NE(std::string(error.what()).find(table), std::string::npos) << error.what();
            }
            EXPECT_TRUE(sink.Bytes().empty()) << table << ": written before the check";
        }
    }
}

TEST(WriteJwwHeader, RefusesTheTablesOfAResetDrawing) {
    TDrawing drawing;
    ClearHeader(drawing);
    MemorySink sink;
    EXPECT_THROW(WriteJwwHeader(sink, drawing, 700), RangeError);
}

// A sink that takes limit bytes and then fails as a full disk would.
class FailingSink final : public ByteSink {
public:
    explicit FailingSink(std::size_t limit) : limit_(limit) {}
    void Write(const void*, std::size_t size) override {
        if (size > limit_ - taken_) throw IoError("disk full");
        taken_ += size;
    }

private:
    std::size_t limit_;
    std::size_t taken_ = 0;
};

TEST(WriteJwwHeader, AFailedWriteEndsTheHeaderWithAnIoError) {
    const TDrawing drawing = MakeSampleDrawing();
    const std::size_t size = HeaderBytes(drawing, 700).size();
    for (const std::size_t limit :
         {std::size_t{0}, std::size_t{7}, std::size_t{12}, std::size_t{3000}, size - 1}) {
        FailingSink sink(limit);
        EXPECT_THROW(WriteJwwHeader(sink, drawing, 700), IoError) << limit;
    }
    FailingSink roomy(size);
    EXPECT_NO_THROW(WriteJwwHeader(roomy, drawing, 700));
}

// ------------------------------------------------------------- round trips

TEST_P(EveryVersion, WriteThenReadReproducesWhatTheVersionCarries) {
    const std::int32_t version = GetParam();
    const TDrawing written = MakeSampleDrawing();
    const Bytes bytes = HeaderBytes(written, version);

    TDrawing read = ReadTarget();
    const THeader before = read.Header;
    MemorySource source(bytes);
    ASSERT_TRUE(ReadJwwHeaderBlock(source, read));
    EXPECT_EQ(source.Remaining(), 0U);

    const TDrawing expected = ExpectedAfterRoundTrip(written, version, before);
    ExpectSameHeader(expected.Header, read.Header);
    ExpectSameTables(expected, read);
}

TEST_P(EveryVersion, AbsentItemsKeepTheirResetValues) {
    const std::int32_t version = GetParam();
    const Bytes bytes = HeaderBytes(MakeSampleDrawing(), version);
    TDrawing read = ReadTarget();
    MemorySource source(bytes);
    ASSERT_TRUE(ReadJwwHeaderBlock(source, read));
    const THeader& h = read.Header;
    const THeader reset;
    EXPECT_EQ(h.EntityCount, 77);
    EXPECT_EQ(h.BlockDefTotal, 4);
    EXPECT_EQ(h.SkyLevel == reset.SkyLevel, version < 300);
    EXPECT_EQ(h.SkyRadius == reset.SkyRadius, version < 300);
    EXPECT_EQ(h.MarkJumpScale.at(7) == 1.0, version <= 230);
    EXPECT_EQ(h.MarkJumpGroup.at(0) == -1, version <= 230);
    EXPECT_EQ(h.ReservedB.Flag == 0, version <= 230);
    EXPECT_EQ(h.DrawTime == 0, version < 223);
    EXPECT_EQ(h.EyeAngleV3 == 0, version < 223);
    EXPECT_EQ(h.LastCircleRadius == 0, version < 225);
    EXPECT_EQ(h.SolidColor == 0, version < 230);
    EXPECT_EQ(read.ColorExNos.at(256).PrintPointRadius == 0, version < 420);
    EXPECT_EQ(read.LineTypeExNos.at(32).Name.empty(), version < 420);
}

TEST(ReadJwwHeaderBlock, SampleAtVersion300ComesBackCleanedClampedAndSplit) {
    const TDrawing written = MakeSampleDrawing();
    TDrawing read = ReadTarget();
    const Bytes bytes = HeaderBytes(written, 300);
    MemorySource source(bytes);
    ASSERT_TRUE(ReadJwwHeaderBlock(source, read));
    EXPECT_EQ(read.Header.MaxDrawWidth, -101);
    EXPECT_EQ(read.Header.PrintOmitDisplayOnly, 3);
    EXPECT_EQ(read.Header.PrintOmitDisplayOnlyTens, 0);
    EXPECT_EQ(read.Layers[3].Name, " ");    // control bytes only
    EXPECT_EQ(read.Layers[2].Name, "");     // empty
    EXPECT_EQ(read.Layers[4].Name, "AB4");  // "A^mB4\t"
    EXPECT_EQ(read.Layers[5].Name, std::string(300, 'x'));
    EXPECT_EQ(read.Layers[12].Name, Sj(u8"タm12"));      // caret inside a character
    EXPECT_EQ(read.Layers[13].Name, Sj(u8"　全角 13"));  // blanks stay
    EXPECT_EQ(read.Header.Memo, written.Header.Memo);    // the memo is never cleaned
}

// ------------------------------------------------------ reader: its own rules

TEST(ReadJwwHeaderBlock, VersionBelow220StopsAfterSignatureAndVersion) {
    for (const std::int32_t version : {219, 0, -1, 100}) {
        Bytes bytes{'J', 'w', 'w', 'D', 'a', 't', 'a', '.'};
        bytes.resize(12);
        PutIntAt(bytes, 8, version);
        bytes.insert(bytes.end(), {3, 'a', 'b', 'c', 1, 2, 3, 4});
        TDrawing read = ReadTarget();
        read.Header.Memo = "kept";
        MemorySource source(bytes);
        EXPECT_FALSE(ReadJwwHeaderBlock(source, read)) << version;
        EXPECT_EQ(read.Header.Signature, "JwwData.");
        EXPECT_EQ(read.Header.Version, version);
        EXPECT_EQ(read.Header.Memo, "kept");
        EXPECT_EQ(source.Remaining(), 8U);
    }
}

TEST(ReadJwwHeaderBlock, SignatureIsReadUnchangedAndNotCompared) {
    TDrawing drawing = EmptyDrawing();
    drawing.Header.Signature = "NotAJww!";
    const Bytes bytes = HeaderBytes(drawing, 420);
    TDrawing read = ReadTarget();
    MemorySource source(bytes);
    EXPECT_TRUE(ReadJwwHeaderBlock(source, read));
    EXPECT_EQ(read.Header.Signature, "NotAJww!");
}

TEST(ReadJwwHeaderBlock, ReservedWordsAreDiscarded) {
    const TDrawing written = MakeSampleDrawing();
    Bytes bytes = HeaderBytes(written, 600);
    const std::size_t m = kMemoAt + 1 + written.Header.Memo.size();
    for (std::size_t i = 0; i < 14; ++i)
        PutIntAt(bytes, m + 2376 + 4 * i, 1000 + static_cast<std::int32_t>(i));
    PutIntAt(bytes, m + 2452, -5);
    TDrawing read = ReadTarget();
    const THeader before = read.Header;
    MemorySource source(bytes);
    ASSERT_TRUE(ReadJwwHeaderBlock(source, read));
    const TDrawing expected = ExpectedAfterRoundTrip(written, 600, before);
    ExpectSameHeader(expected.Header, read.Header);
}

TEST(ReadJwwHeaderBlock, MaxDrawWidthIsStoredAsRead) {
    for (const std::int32_t version : {220, 420, 700}) {
        Bytes bytes = HeaderBytes(EmptyDrawing(), version);
        PutIntAt(bytes, kMaxDrawWidthAt, -150);
        TDrawing read = ReadTarget();
        MemorySource source(bytes);
        ASSERT_TRUE(ReadJwwHeaderBlock(source, read));
        EXPECT_EQ(read.Header.MaxDrawWidth, -150) << version;
    }
}

TEST(ReadJwwHeaderBlock, EleventhSwitchWordIsSplitWhateverTheVersion) {
    struct Case {
        std::int32_t word;
        std::int32_t tens;
        std::int32_t units;
    };
    const Case cases[] = {{23, 2, 3},
                          {-7, 0, -7},
                          {5, 0, 5},
                          {0, 0, 0},
                          {10, 1, 0},
                          {-23, -2, -3},
                          {31, 3, 1},
                          {INT32_MAX, 214748364, 7},
                          {INT32_MIN, -214748364, -8}};
    for (const std::int32_t version : kJwwVersions) {
        for (const Case& c : cases) {
            Bytes bytes = HeaderBytes(EmptyDrawing(), version);
            PutIntAt(bytes, bytes.size() - Item25FromEnd(version), c.word);
            TDrawing read = ReadTarget();
            MemorySource source(bytes);
            ASSERT_TRUE(ReadJwwHeaderBlock(source, read));
            EXPECT_EQ(read.Header.PrintOmitDisplayOnlyTens, c.tens) << c.word << " at " << version;
            EXPECT_EQ(read.Header.PrintOmitDisplayOnly, c.units) << c.word << " at " << version;
        }
    }
}

TEST(ReadJwwHeaderBlock, RefusesUnsizedTables) {
    const Bytes bytes = HeaderBytes(EmptyDrawing(), 700);
    TDrawing read;
    ClearHeader(read);
    MemorySource source(bytes);
    EXPECT_THROW(ReadJwwHeaderBlock(source, read), RangeError);
}

// --------------------------------------------------- reader: damaged input

TEST(ReadJwwHeaderBlock, ACutBlockIsAnIoError) {
    // Every cut in the first 64 bytes, then cuts at uneven steps, so that they
    // land inside numbers, length prefixes and string bytes alike.
    for (const std::int32_t version : {220, 300, 700}) {
        const Bytes bytes = HeaderBytes(MakeSampleDrawing(), version);
        for (std::size_t size = 0; size < bytes.size(); size += size < 64 ? 1 : 1 + size % 53) {
            const Bytes cut = Slice(bytes, 0, size);
            TDrawing read = ReadTarget();
            MemorySource source(cut);
            EXPECT_THROW(ReadJwwHeaderBlock(source, read), IoError)
                << "cut at " << size << " at " << version;
        }
    }
}

TEST(ReadJwwHeaderBlock, LengthRunningPastTheEndIsAnIoError) {
    // The memo announces 4 GiB in the 32-bit form; the block is far shorter.
    Bytes bytes = HeaderBytes(EmptyDrawing(), 700);
    const Bytes huge{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    bytes.erase(bytes.begin() + kMemoAt);
    bytes.insert(bytes.begin() + kMemoAt, huge.begin(), huge.end());
    TDrawing read = ReadTarget();
    MemorySource source(bytes);
    EXPECT_THROW(ReadJwwHeaderBlock(source, read), IoError);

    // A layer name whose one-byte length runs past the end.
    Bytes names = HeaderBytes(EmptyDrawing(), 220);
    names.resize(kLayerNamesAt + 1);
    names.back() = 200;
    names.insert(names.end(), 10, 'a');
    TDrawing again = ReadTarget();
    MemorySource shortSource(names);
    EXPECT_THROW(ReadJwwHeaderBlock(shortSource, again), IoError);
}

// ------------------------------------------ reader: Unicode string form

std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

Bytes UnicodeForm(const std::u16string& text) {
    Bytes bytes{0xFF, 0xFE, 0xFF};
    const std::size_t n = text.size();
    if (n < 0xFF) {
        bytes.push_back(static_cast<std::uint8_t>(n));
    } else {
        bytes.insert(bytes.end(),
                     {0xFF, static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8)});
    }
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

TEST(ReadJwwHeaderBlock, AcceptsTheUnicodeFormForMemoAndEveryName) {
    // A version 7.00 header as current versions of the CAD program save it:
    // written from the sample with all strings empty, then each empty string
    // (one zero byte) replaced by the Unicode form of a text.
    TDrawing source = MakeSampleDrawing();
    source.Header.Memo.clear();
    for (TLayer& layer : source.Layers) layer.Name.clear();
    for (TLayerGroup& group : source.LayerGroups) group.Name.clear();
    for (TColorExNo& pen : source.ColorExNos) pen.Name.clear();
    for (TLineTypeExNo& type : source.LineTypeExNos) type.Name.clear();
    const Bytes plain = HeaderBytes(source, 700);
    ASSERT_EQ(plain.size(), 14095U);

    std::u16string memo;
    for (int i = 0; i < 60; ++i) memo += u"図面のメモ";  // 300 characters
    std::map<std::size_t, std::u16string> strings;
    strings[kMemoAt] = memo;
    for (std::size_t i = 0; i < 256; ++i)
        strings[kLayerNamesAt + i] = u"レイヤ" + Widen(std::to_string(i));
    strings[kLayerNamesAt + 17] = u"外字\uAC00";  // no CP932 form
    strings[kLayerNamesAt + 18] = u"";            // FF FE FF 00
    strings[kLayerNamesAt + 19] = u"a\tb^m";      // stored as read
    for (std::size_t g = 0; g < 16; ++g)
        strings[kGroupNamesAt + g] = u"グループ" + Widen(std::to_string(g));
    const std::size_t item30 = 6013;
    const std::size_t item32 = 10910;
    for (std::size_t k = 0; k < 257; ++k)
        strings[item30 + 17 * k] = u"色" + Widen(std::to_string(k));
    for (std::size_t k = 0; k < 33; ++k)
        strings[item32 + 85 * k] = u"線種" + Widen(std::to_string(k));

    Bytes bytes;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const auto found = strings.find(i);
        if (found == strings.end()) {
            bytes.push_back(plain[i]);
        } else {
            ASSERT_EQ(plain[i], 0) << "no empty string at " << i;
            const Bytes unicode = UnicodeForm(found->second);
            bytes.insert(bytes.end(), unicode.begin(), unicode.end());
        }
    }

    TDrawing read = ReadTarget();
    const THeader before = read.Header;
    MemorySource stream(bytes);
    ASSERT_TRUE(ReadJwwHeaderBlock(stream, read));
    EXPECT_EQ(stream.Remaining(), 0U);

    TDrawing expected = ExpectedAfterRoundTrip(source, 700, before);
    expected.Header.Memo = Utf16ToCp932(memo);
    for (std::size_t i = 0; i < 256; ++i)
        expected.Layers[i].Name = Utf16ToCp932(strings.at(kLayerNamesAt + i));
    for (std::size_t g = 0; g < 16; ++g)
        expected.LayerGroups[g].Name = Utf16ToCp932(strings.at(kGroupNamesAt + g));
    for (std::size_t k = 0; k < 257; ++k)
        expected.ColorExNos[k].Name = Utf16ToCp932(strings.at(item30 + 17 * k));
    for (std::size_t k = 0; k < 33; ++k)
        expected.LineTypeExNos[k].Name = Utf16ToCp932(strings.at(item32 + 85 * k));
    ExpectSameHeader(expected.Header, read.Header);
    ExpectSameTables(expected, read);

    // The same in literal CP932, as the builder will see them.
    std::string memoSj;
    for (int i = 0; i < 60; ++i) memoSj += Sj(u8"図面のメモ");
    EXPECT_EQ(read.Header.Memo, memoSj);
    EXPECT_EQ(read.Layers[0].Name, Sj(u8"レイヤ0"));
    EXPECT_EQ(read.Layers[255].Name, Sj(u8"レイヤ255"));
    EXPECT_EQ(read.Layers[17].Name, Sj(u8"外字") + "?");
    EXPECT_EQ(read.Layers[18].Name, "");
    EXPECT_EQ(read.Layers[19].Name, "a\tb^m");
    EXPECT_EQ(read.LayerGroups[15].Name, Sj(u8"グループ15"));
    EXPECT_EQ(read.ColorExNos[256].Name, Sj(u8"色256"));
    EXPECT_EQ(read.LineTypeExNos[32].Name, Sj(u8"線種32"));
    // The numbers between the strings were found where they belong.
    EXPECT_EQ(read.Header.PaperSize, source.Header.PaperSize);
    EXPECT_EQ(read.Header.TextShiftY, source.Header.TextShiftY);
}

}  // namespace
}  // namespace drafnova
