#include "jwwunit/data_writer.hpp"

#include "Func_/error.hpp"
#include "jwwunit/block_writer.hpp"
#include "jwwunit/encodings.hpp"
#include "jwwunit/entity_list_writer.hpp"
#include "jwwunit/image_writer.hpp"
#include "jwwunit/object_stream.hpp"

namespace drafnova {
namespace {

constexpr std::int32_t kVersionWithImages = 700;

}  // namespace

void WriteJwwData(ByteSink& sink, TDrawing& drawing, std::int32_t version) {
    ObjectStream stream(sink, version);
    const THeader& header = drawing.Header;
    const bool expand = ExpandsDimensions(version, header.Version);

    WriteJwwCount(
        sink, EntityObjectCount(drawing.Entities, drawing.EntityOrder, header.EntityCount, expand));
    WriteEntityObjects(stream, drawing.Entities, drawing.EntityOrder, header.EntityCount, expand);

    const std::int32_t blockDefTotal = header.BlockDefTotal;
    if (blockDefTotal < 0 || blockDefTotal > drawing.BlockDefCount ||
        static_cast<std::size_t>(blockDefTotal) > drawing.BlockDefs.size()) {
        throw RangeError("block definition total outside the block definitions in use");
    }
    WriteJwwCount(sink, static_cast<std::uint32_t>(blockDefTotal));
    for (std::int32_t i = 0; i < blockDefTotal; ++i) {
        WriteBlockDef(stream, drawing.BlockDefs[static_cast<std::size_t>(i)], expand);
    }

    if (version >= kVersionWithImages) WriteImageSection(sink, drawing);
}

}  // namespace drafnova
