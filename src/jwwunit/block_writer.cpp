#include "jwwunit/block_writer.hpp"

#include "Func_/error.hpp"
#include "Func_/text.hpp"
#include "jwwunit/encodings.hpp"
#include "jwwunit/entity_list_writer.hpp"
#include "jwwunit/entity_writer.hpp"

namespace drafnova {

void WriteBlockDef(ObjectStream& stream, TEntBlockDef& block, bool expandDimensions) {
    if (block.Count < 0 || block.Order.size() < static_cast<std::size_t>(block.Count)) {
        throw RangeError("block definition order shorter than its entity count");
    }
    ByteSink& sink = stream.Sink();
    stream.WriteObjectHeader(TJwwClass::List);
    WriteEntAttr(sink, stream.Version(), kAttrKindBlockDef, block.Attr);
    WriteInt32(sink, block.Number);
    WriteInt32(sink, block.Referenced);
    WriteInt32(sink, block.Time);
    WriteJwwString(sink, CleanJwwText(block.Name));
    block.Order.resize(static_cast<std::size_t>(block.Count));
    WriteJwwCount(sink,
                  EntityObjectCount(block.Entities, block.Order, block.Count, expandDimensions));
    stream.TakeIndex();  // the block definition object
    WriteEntityObjects(stream, block.Entities, block.Order, block.Count, expandDimensions);
}

}  // namespace drafnova
