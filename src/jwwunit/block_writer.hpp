#pragma once
// Block definitions as CDataList objects.

#include <cstdint>

#include "jwtype/entities.hpp"
#include "jwwunit/object_stream.hpp"

namespace drafnova {

// Writes one block definition: its object header, attribute block (only
// Layer, LayerGroup and Width checked), number, referenced flag, time stamp,
// cleaned name, entity count and entities. Cuts block.Order to block.Count.
// Raises RangeError for a negative Count, an Order shorter than Count, or an
// entry that names no record of the block's own lists.
void WriteBlockDef(ObjectStream& stream, TEntBlockDef& block, bool expandDimensions);

}  // namespace drafnova
