#pragma once
// Entity records of the data section, the drawing order, block definitions
// and the list of images that texts may refer to.

#include <cstdint>
#include <string>
#include <vector>

namespace drafnova {

// Attribute block at the start of every entity record.
struct TEntAttr {
    std::int32_t Group = 0;
    std::uint8_t LineType = 0;
    std::uint16_t Color = 0;
    std::uint16_t Width = 0;
    std::uint16_t Layer = 0;
    std::uint16_t LayerGroup = 0;
    std::uint16_t Flags = 0;
};

struct TEntSen {  // line
    TEntAttr Attr;
    double StartX = 0;
    double StartY = 0;
    double EndX = 0;
    double EndY = 0;
};

struct TEntEnko {  // arc or circle
    TEntAttr Attr;
    double CenterX = 0;
    double CenterY = 0;
    double Radius = 0;
    double StartAngle = 0;
    double ArcAngle = 0;
    double TiltAngle = 0;
    double Flatness = 0;
    std::int32_t FullCircle = 0;
};

struct TEntTen {  // point; Code, Angle, Scale only written for LineType 100
    TEntAttr Attr;
    double X = 0;
    double Y = 0;
    std::int32_t Temporary = 0;
    std::int32_t Code = 0;
    double Angle = 0;
    double Scale = 0;
};

struct TEntMoji {  // text
    TEntAttr Attr;
    double StartX = 0;
    double StartY = 0;
    double EndX = 0;
    double EndY = 0;
    std::int32_t TextKind = 0;
    double SizeX = 0;
    double SizeY = 0;
    double Spacing = 0;
    double Angle = 0;
    std::string FontName;
    std::string Text;
};

struct TEntSunpo {  // dimension
    TEntAttr Attr;
    TEntSen Line;
    TEntMoji Label;
    std::uint16_t SubMode = 0;
    TEntSen SubLine1;
    TEntSen SubLine2;
    TEntTen SubPoint1;
    TEntTen SubPoint2;
    TEntTen SubPoint3;
    TEntTen SubPoint4;
};

struct TEntSolid {  // solid; Rgb only written for Color 10
    TEntAttr Attr;
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    double X3 = 0;
    double Y3 = 0;
    double X4 = 0;
    double Y4 = 0;
    std::int32_t Rgb = 0;
};

struct TEntBlock {  // block insert
    TEntAttr Attr;
    double X = 0;
    double Y = 0;
    double ScaleX = 0;
    double ScaleY = 0;
    double Angle = 0;
    std::int32_t BlockNo = 0;
};

// Kinds of entity, the values of TEntIndex::Kind.
enum TEntKind : std::int32_t {
    kKindLine = 1,
    kKindArc = 2,
    kKindPoint = 3,
    kKindText = 4,
    kKindDimension = 5,
    kKindSolid = 6,
    kKindBlockInsert = 7,
};

// One entry of a drawing order: which list, and which record in it.
struct TEntIndex {
    std::int32_t Kind = 0;
    std::int32_t Index = 0;
};

// The seven entity lists with the number of leading records in use in each.
struct TEntityLists {
    std::vector<TEntSen> Lines;
    std::int32_t LineCount = 0;
    std::vector<TEntEnko> Arcs;
    std::int32_t ArcCount = 0;
    std::vector<TEntTen> Points;
    std::int32_t PointCount = 0;
    std::vector<TEntMoji> Texts;
    std::int32_t TextCount = 0;
    std::vector<TEntSunpo> Dimensions;
    std::int32_t DimensionCount = 0;
    std::vector<TEntSolid> Solids;
    std::int32_t SolidCount = 0;
    std::vector<TEntBlock> BlockInserts;
    std::int32_t BlockInsertCount = 0;
};

// A named group of entities that block inserts refer to by Number.
struct TEntBlockDef {
    TEntAttr Attr;
    std::int32_t Number = 0;
    std::int32_t Referenced = 0;
    std::int32_t Time = 0;
    std::string Name;
    std::int32_t Count = 0;  // entities of the block: leading entries of Order
    std::vector<TEntIndex> Order;
    TEntityLists Entities;  // the block's own lists; no nested definitions
};

// An image file that a text may refer to, stored whole at version 7.00.
struct TBindImageType {
    std::string Name;           // relative to ImageFolder
    std::int32_t Reserved = 0;  // not used by the writer
    bool Used = false;          // set by the writer while it picks the images to store
};

}  // namespace drafnova
