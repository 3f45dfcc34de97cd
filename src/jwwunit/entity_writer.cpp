#include "jwwunit/entity_writer.hpp"

#include <array>

#include "Func_/error.hpp"
#include "Func_/text.hpp"
#include "jwwunit/encodings.hpp"

namespace drafnova {
namespace {

constexpr std::int32_t kVersionWithWidth = 351;
constexpr std::int32_t kVersionWithExtendedAttrs = 420;

constexpr std::uint8_t kDefaultLineType = 1;
constexpr std::uint8_t kPointWithExtras = 100;
constexpr std::uint16_t kDefaultColor = 2;
constexpr std::uint16_t kSolidOwnColor = 10;
constexpr std::uint16_t kLargestLayer = 15;
constexpr std::uint16_t kLargestWidth = 30000;

// Extended line types 31..62 as the basic line type that older files show.
constexpr std::uint8_t kFirstExtendedLineType = 31;
constexpr std::uint8_t kLastExtendedLineType = 62;
constexpr std::array<std::uint8_t, 32> kBasicLineTypeOf = {
    1, 4, 3, 6, 8, 8, 2, 5, 7, 6, 6, 8, 8, 17, 17,        // 31..45
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  1,  1, 1,  // 46..62
};

// Extended colours 101..356 as the basic colour that older files show.
constexpr std::uint16_t kFirstExtendedColor = 101;
constexpr std::uint16_t kLastExtendedColor = 356;
constexpr std::array<std::uint16_t, 14> kBasicColorOf = {
    2, 8, 3, 6, 4, 5, 1, 2, 5, 8, 4, 3, 6, 5,  // 101..114
};
constexpr std::uint16_t kBasicColorOfOthers = 2;  // 115..356

template <typename T>
constexpr bool InRange(T value, T low, T high) {
    return value >= low && value <= high;
}

std::uint8_t MapLineType(std::uint8_t lineType) {
    if (!InRange(lineType, kFirstExtendedLineType, kLastExtendedLineType)) return lineType;
    return kBasicLineTypeOf[lineType - kFirstExtendedLineType];
}

std::uint16_t MapColor(std::uint16_t color) {
    if (!InRange(color, kFirstExtendedColor, kLastExtendedColor)) return color;
    const std::size_t offset = color - kFirstExtendedColor;
    return offset < kBasicColorOf.size() ? kBasicColorOf[offset] : kBasicColorOfOthers;
}

bool IsAcceptedLineType(std::int32_t kind, std::uint8_t lineType) {
    switch (kind) {
        case kKindLine:
        case kKindArc:
            return InRange<std::uint8_t>(lineType, 1, 9) ||
                   InRange<std::uint8_t>(lineType, 11, 19) ||
                   InRange(lineType, kFirstExtendedLineType, kLastExtendedLineType);
        case kKindPoint:
            return lineType == 1 || lineType == kPointWithExtras;
        case kKindText:
            return InRange<std::uint8_t>(lineType, 1, 9);
        default:
            return true;
    }
}

bool IsAcceptedColor(std::int32_t kind, std::uint16_t color) {
    const bool basicOrExtended = InRange<std::uint16_t>(color, 1, 9) ||
                                 InRange(color, kFirstExtendedColor, kLastExtendedColor);
    switch (kind) {
        case kKindLine:
        case kKindArc:
        case kKindPoint:
        case kKindText:
        case kKindDimension:
            return basicOrExtended;
        case kKindSolid:
            return basicOrExtended || color == kSolidOwnColor;
        default:
            return true;
    }
}

TEntAttr CheckedAttr(std::int32_t version, std::int32_t kind, TEntAttr attr) {
    if (kind < kKindLine || kind > kAttrKindBlockDef) {
        throw RangeError("unknown attribute kind");
    }
    if (version < kVersionWithExtendedAttrs) {
        if (kind == kKindLine || kind == kKindArc) attr.LineType = MapLineType(attr.LineType);
        if (kind <= kKindSolid) attr.Color = MapColor(attr.Color);
    }
    if (!IsAcceptedLineType(kind, attr.LineType)) attr.LineType = kDefaultLineType;
    if (!IsAcceptedColor(kind, attr.Color)) attr.Color = kDefaultColor;
    if (attr.Layer > kLargestLayer) attr.Layer = 0;
    if (attr.LayerGroup > kLargestLayer) attr.LayerGroup = 0;
    if (attr.Width > kLargestWidth) attr.Width = 0;
    return attr;
}

void WriteCleanString(ByteSink& sink, const std::string& text) {
    WriteJwwString(sink, CleanJwwText(text));
}

}  // namespace

void WriteEntAttr(ByteSink& sink, std::int32_t version, std::int32_t kind, const TEntAttr& attr) {
    const TEntAttr checked = CheckedAttr(version, kind, attr);
    WriteInt32(sink, checked.Group);
    WriteUInt8(sink, checked.LineType);
    WriteUInt16(sink, checked.Color);
    if (version >= kVersionWithWidth) WriteUInt16(sink, checked.Width);
    WriteUInt16(sink, checked.Layer);
    WriteUInt16(sink, checked.LayerGroup);
    WriteUInt16(sink, checked.Flags);
}

void WriteLineBody(ByteSink& sink, std::int32_t version, const TEntSen& line) {
    WriteEntAttr(sink, version, kKindLine, line.Attr);
    WriteDouble(sink, line.StartX);
    WriteDouble(sink, line.StartY);
    WriteDouble(sink, line.EndX);
    WriteDouble(sink, line.EndY);
}

void WriteArcBody(ByteSink& sink, std::int32_t version, const TEntEnko& arc) {
    WriteEntAttr(sink, version, kKindArc, arc.Attr);
    WriteDouble(sink, arc.CenterX);
    WriteDouble(sink, arc.CenterY);
    WriteDouble(sink, arc.Radius);
    WriteDouble(sink, arc.StartAngle);
    WriteDouble(sink, arc.ArcAngle);
    WriteDouble(sink, arc.TiltAngle);
    WriteDouble(sink, arc.Flatness);
    WriteInt32(sink, arc.FullCircle);
}

void WritePointBody(ByteSink& sink, std::int32_t version, const TEntTen& point) {
    WriteEntAttr(sink, version, kKindPoint, point.Attr);
    WriteDouble(sink, point.X);
    WriteDouble(sink, point.Y);
    WriteInt32(sink, point.Temporary);
    if (point.Attr.LineType == kPointWithExtras) {
        WriteInt32(sink, point.Code);
        WriteDouble(sink, point.Angle);
        WriteDouble(sink, point.Scale);
    }
}

void WriteTextBody(ByteSink& sink, std::int32_t version, const TEntMoji& text) {
    WriteEntAttr(sink, version, kKindText, text.Attr);
    WriteDouble(sink, text.StartX);
    WriteDouble(sink, text.StartY);
    WriteDouble(sink, text.EndX);
    WriteDouble(sink, text.EndY);
    WriteInt32(sink, text.TextKind);
    WriteDouble(sink, text.SizeX);
    WriteDouble(sink, text.SizeY);
    WriteDouble(sink, text.Spacing);
    WriteDouble(sink, text.Angle);
    WriteCleanString(sink, text.FontName);
    WriteCleanString(sink, text.Text);
}

void WriteDimensionBody(ByteSink& sink, std::int32_t version, const TEntSunpo& dimension) {
    WriteEntAttr(sink, version, kKindDimension, dimension.Attr);
    WriteLineBody(sink, version, dimension.Line);
    WriteTextBody(sink, version, dimension.Label);
    if (version < kVersionWithExtendedAttrs) return;
    WriteUInt16(sink, dimension.SubMode);
    WriteLineBody(sink, version, dimension.SubLine1);
    WriteLineBody(sink, version, dimension.SubLine2);
    WritePointBody(sink, version, dimension.SubPoint1);
    WritePointBody(sink, version, dimension.SubPoint2);
    WritePointBody(sink, version, dimension.SubPoint3);
    WritePointBody(sink, version, dimension.SubPoint4);
}

void WriteSolidBody(ByteSink& sink, std::int32_t version, const TEntSolid& solid) {
    WriteEntAttr(sink, version, kKindSolid, solid.Attr);
    WriteDouble(sink, solid.X1);
    WriteDouble(sink, solid.Y1);
    WriteDouble(sink, solid.X2);
    WriteDouble(sink, solid.Y2);
    WriteDouble(sink, solid.X3);
    WriteDouble(sink, solid.Y3);
    WriteDouble(sink, solid.X4);
    WriteDouble(sink, solid.Y4);
    if (solid.Attr.Color == kSolidOwnColor) WriteInt32(sink, solid.Rgb);
}

void WriteBlockInsertBody(ByteSink& sink, std::int32_t version, const TEntBlock& insert) {
    WriteEntAttr(sink, version, kKindBlockInsert, insert.Attr);
    WriteDouble(sink, insert.X);
    WriteDouble(sink, insert.Y);
    WriteDouble(sink, insert.ScaleX);
    WriteDouble(sink, insert.ScaleY);
    WriteDouble(sink, insert.Angle);
    WriteInt32(sink, insert.BlockNo);
}

}  // namespace drafnova
