#pragma once
// The entity records as object bodies: the attribute block with its checks
// and, for files older than 4.20, the mapping of newer line types and colours
// onto the basic ones; then the fields of each of the seven kinds.

#include <cstdint>

#include "jwtype/entities.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova {

// Attribute kind of a block definition; entities use their Kind (1 to 7).
inline constexpr std::int32_t kAttrKindBlockDef = 8;

// Checks a copy of attr for the attribute kind and the target version and
// writes it: 13 bytes below 3.51, 15 bytes (with Width) from 3.51 on. The
// record itself is never changed. Raises RangeError for a kind outside 1..8.
void WriteEntAttr(ByteSink& sink, std::int32_t version, std::int32_t kind, const TEntAttr& attr);

// The bodies that follow an object header, one per kind.
void WriteLineBody(ByteSink& sink, std::int32_t version, const TEntSen& line);
void WriteArcBody(ByteSink& sink, std::int32_t version, const TEntEnko& arc);
// Code, Angle and Scale follow only for a stored LineType of 100.
void WritePointBody(ByteSink& sink, std::int32_t version, const TEntTen& point);
// FontName and Text are cleaned before they are written.
void WriteTextBody(ByteSink& sink, std::int32_t version, const TEntMoji& text);
// From 4.20 on the dimension carries SubMode and its six sub-members, whatever
// SubMode holds; below 4.20 it ends after its label.
void WriteDimensionBody(ByteSink& sink, std::int32_t version, const TEntSunpo& dimension);
// Rgb follows only for a stored Color of 10.
void WriteSolidBody(ByteSink& sink, std::int32_t version, const TEntSolid& solid);
void WriteBlockInsertBody(ByteSink& sink, std::int32_t version, const TEntBlock& insert);

}  // namespace drafnova
