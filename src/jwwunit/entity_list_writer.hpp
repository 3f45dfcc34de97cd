#pragma once
// A drawing order written as a run of entity objects: the top-level entities
// and the entities of each block definition are written the same way and
// share the class slots and the index counter of the write.

#include <cstdint>
#include <vector>

#include "jwtype/entities.hpp"
#include "jwwunit/object_stream.hpp"

namespace drafnova {

// True when dimensions are written as a dimension object followed by their
// six sub-members as separate objects: a file older than 4.20 written from a
// drawing whose header came from a 4.20 or later file.
bool ExpandsDimensions(std::int32_t version, std::int32_t headerVersion);

// The number of objects that the first count entries of order make: count,
// plus 6 for each dimension with a non-zero SubMode when dimensions expand.
// Checks every entry first: RangeError for a negative count, an order shorter
// than count, a Kind outside 1..7 or an Index outside its list's records in
// use.
std::uint32_t EntityObjectCount(const TEntityLists& lists, const std::vector<TEntIndex>& order,
                                std::int32_t count, bool expandDimensions);

// Writes the first count entries of order as objects, each its object header,
// its body and its index; a dimension that expands is followed by its two
// sub-lines and four sub-points. Raises RangeError as EntityObjectCount does.
void WriteEntityObjects(ObjectStream& stream, const TEntityLists& lists,
                        const std::vector<TEntIndex>& order, std::int32_t count,
                        bool expandDimensions);

}  // namespace drafnova
