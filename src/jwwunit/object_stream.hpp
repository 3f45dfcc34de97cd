#pragma once
// The object framing of the data section, in the convention of MFC CArchive:
// a class is introduced once by name with a new-class record, later objects of
// that class carry a reference to it, and classes and objects take their
// indexes from one running counter. One ObjectStream lives for one write.

#include <array>
#include <cstdint>

#include "jwwunit/byte_io.hpp"

namespace drafnova {

// The eight classes of the data section, by slot.
enum class TJwwClass : int {
    Sen = 1,     // "CDataSen": line
    Enko = 2,    // "CDataEnko": arc or circle
    Ten = 3,     // "CDataTen": point
    Moji = 4,    // "CDataMoji": text
    Sunpou = 5,  // "CDataSunpou": dimension
    Solid = 6,   // "CDataSolid": solid
    Block = 7,   // "CDataBlock": block insert
    List = 8,    // "CDataList": block definition
};

// The class name as the file holds it.
const char* JwwClassName(TJwwClass jwwClass);

// A reference to the class written with index: 16 bits 0x8000 + index up to
// 32766, else 0x7FFF and 32 bits 0x80000000 + index. Raises RangeError for an
// index below 1.
void WriteClassRef(ByteSink& sink, std::int32_t index);

// The state of one write: the sink, the target version, the next free index
// and the index each class received when its name was written (0: not yet).
class ObjectStream {
public:
    ObjectStream(ByteSink& sink, std::int32_t version) : sink_(sink), version_(version) {}
    ObjectStream(const ObjectStream&) = delete;
    ObjectStream& operator=(const ObjectStream&) = delete;

    ByteSink& Sink() { return sink_; }
    std::int32_t Version() const { return version_; }

    // The object header: a reference when the class was written before, else
    // the new-class record (tag 0xFFFF, the target version as schema, the
    // name), which gives the class the next index.
    void WriteObjectHeader(TJwwClass jwwClass);

    // Takes the next index for an object. Raises RangeError on overflow.
    void TakeIndex();

private:
    ByteSink& sink_;
    std::int32_t version_;
    std::int32_t nextIndex_ = 1;
    std::array<std::int32_t, 8> classSlots_{};
};

}  // namespace drafnova
