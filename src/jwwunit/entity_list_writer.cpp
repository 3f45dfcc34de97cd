#include "jwwunit/entity_list_writer.hpp"

#include <limits>
#include <string>

#include "Func_/error.hpp"
#include "jwwunit/entity_writer.hpp"

namespace drafnova {
namespace {

constexpr std::int32_t kVersionWithSubMembers = 420;
constexpr std::uint32_t kSubMemberObjects = 6;

// Record index of list, which has count records in use.
template <typename T>
const T& Record(const std::vector<T>& list, std::int32_t count, std::int32_t index) {
    if (index < 0 || index >= count || static_cast<std::size_t>(index) >= list.size()) {
        throw RangeError("entity index " + std::to_string(index) + " outside its list");
    }
    return list[static_cast<std::size_t>(index)];
}

const TEntSunpo& Dimension(const TEntityLists& lists, std::int32_t index) {
    return Record(lists.Dimensions, lists.DimensionCount, index);
}

[[noreturn]] void UnknownKind(std::int32_t kind) {
    throw RangeError("entity kind " + std::to_string(kind) + " outside 1..7");
}

// Raises RangeError when entry names no record in use.
void CheckEntry(const TEntityLists& lists, const TEntIndex& entry) {
    switch (entry.Kind) {
        case kKindLine:
            Record(lists.Lines, lists.LineCount, entry.Index);
            return;
        case kKindArc:
            Record(lists.Arcs, lists.ArcCount, entry.Index);
            return;
        case kKindPoint:
            Record(lists.Points, lists.PointCount, entry.Index);
            return;
        case kKindText:
            Record(lists.Texts, lists.TextCount, entry.Index);
            return;
        case kKindDimension:
            Dimension(lists, entry.Index);
            return;
        case kKindSolid:
            Record(lists.Solids, lists.SolidCount, entry.Index);
            return;
        case kKindBlockInsert:
            Record(lists.BlockInserts, lists.BlockInsertCount, entry.Index);
            return;
        default:
            UnknownKind(entry.Kind);
    }
}

// The leading count entries of order; RangeError when order is shorter.
const TEntIndex& Entry(const std::vector<TEntIndex>& order, std::int32_t count, std::int32_t i) {
    if (i >= count || static_cast<std::size_t>(i) >= order.size()) {
        throw RangeError("drawing order shorter than its entity count");
    }
    return order[static_cast<std::size_t>(i)];
}

bool Expands(const TEntityLists& lists, const TEntIndex& entry, bool expandDimensions) {
    return expandDimensions && entry.Kind == kKindDimension &&
           Dimension(lists, entry.Index).SubMode != 0;
}

// The two sub-lines and four sub-points of a dimension as objects of their
// own, after the dimension object; the last two points are marked temporary.
void WriteSubMemberObjects(ObjectStream& stream, const TEntSunpo& dimension) {
    ByteSink& sink = stream.Sink();
    const std::int32_t version = stream.Version();
    stream.TakeIndex();  // the dimension object
    stream.WriteObjectHeader(TJwwClass::Sen);
    WriteLineBody(sink, version, dimension.SubLine1);
    stream.TakeIndex();
    stream.WriteObjectHeader(TJwwClass::Sen);
    WriteLineBody(sink, version, dimension.SubLine2);
    stream.TakeIndex();
    stream.WriteObjectHeader(TJwwClass::Ten);
    WritePointBody(sink, version, dimension.SubPoint1);
    stream.TakeIndex();
    stream.WriteObjectHeader(TJwwClass::Ten);
    WritePointBody(sink, version, dimension.SubPoint2);
    for (const TEntTen* point : {&dimension.SubPoint3, &dimension.SubPoint4}) {
        TEntTen temporary = *point;
        temporary.Temporary = 1;
        stream.TakeIndex();
        stream.WriteObjectHeader(TJwwClass::Ten);
        WritePointBody(sink, version, temporary);
    }
    // The index of the last point is taken by the caller, as for any entity.
}

void WriteEntityObject(ObjectStream& stream, const TEntityLists& lists, const TEntIndex& entry,
                       bool expandDimensions) {
    ByteSink& sink = stream.Sink();
    const std::int32_t version = stream.Version();
    const std::int32_t index = entry.Index;
    switch (entry.Kind) {
        case kKindLine:
            stream.WriteObjectHeader(TJwwClass::Sen);
            WriteLineBody(sink, version, Record(lists.Lines, lists.LineCount, index));
            break;
        case kKindArc:
            stream.WriteObjectHeader(TJwwClass::Enko);
            WriteArcBody(sink, version, Record(lists.Arcs, lists.ArcCount, index));
            break;
        case kKindPoint:
            stream.WriteObjectHeader(TJwwClass::Ten);
            WritePointBody(sink, version, Record(lists.Points, lists.PointCount, index));
            break;
        case kKindText:
            stream.WriteObjectHeader(TJwwClass::Moji);
            WriteTextBody(sink, version, Record(lists.Texts, lists.TextCount, index));
            break;
        case kKindDimension: {
            const TEntSunpo& dimension = Dimension(lists, index);
            stream.WriteObjectHeader(TJwwClass::Sunpou);
            WriteDimensionBody(sink, version, dimension);
            if (Expands(lists, entry, expandDimensions)) WriteSubMemberObjects(stream, dimension);
            break;
        }
        case kKindSolid:
            stream.WriteObjectHeader(TJwwClass::Solid);
            WriteSolidBody(sink, version, Record(lists.Solids, lists.SolidCount, index));
            break;
        case kKindBlockInsert:
            stream.WriteObjectHeader(TJwwClass::Block);
            WriteBlockInsertBody(sink, version,
                                 Record(lists.BlockInserts, lists.BlockInsertCount, index));
            break;
        default:
            UnknownKind(entry.Kind);
    }
    stream.TakeIndex();
}

}  // namespace

bool ExpandsDimensions(std::int32_t version, std::int32_t headerVersion) {
    return version < kVersionWithSubMembers && headerVersion >= kVersionWithSubMembers;
}

std::uint32_t EntityObjectCount(const TEntityLists& lists, const std::vector<TEntIndex>& order,
                                std::int32_t count, bool expandDimensions) {
    if (count < 0) throw RangeError("negative entity count");
    std::uint64_t objects = static_cast<std::uint64_t>(count);
    for (std::int32_t i = 0; i < count; ++i) {
        const TEntIndex& entry = Entry(order, count, i);
        CheckEntry(lists, entry);
        if (Expands(lists, entry, expandDimensions)) objects += kSubMemberObjects;
    }
    if (objects > std::numeric_limits<std::uint32_t>::max()) {
        throw RangeError("too many entities for one JWW file");
    }
    return static_cast<std::uint32_t>(objects);
}

void WriteEntityObjects(ObjectStream& stream, const TEntityLists& lists,
                        const std::vector<TEntIndex>& order, std::int32_t count,
                        bool expandDimensions) {
    if (count < 0) throw RangeError("negative entity count");
    for (std::int32_t i = 0; i < count; ++i) {
        WriteEntityObject(stream, lists, Entry(order, count, i), expandDimensions);
    }
}

}  // namespace drafnova
