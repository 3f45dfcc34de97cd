#pragma once
// The JWW data section: entities, block definitions and, from 7.00, images.

#include <cstdint>

#include "jwtype/drawing.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova {

// Writes the whole data section for the target version. Sets the Used flags of
// the image list and cuts each block definition's Order to its Count; changes
// nothing else. Raises on a failed write or an index outside its list.
void WriteJwwData(ByteSink& sink, TDrawing& drawing, std::int32_t version);

}  // namespace drafnova
