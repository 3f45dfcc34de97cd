#include "jwwunit/object_stream.hpp"

#include <cstring>
#include <limits>

#include "Func_/error.hpp"

namespace drafnova {
namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kLongClassRefTag = 0x7FFF;
constexpr std::int32_t kLargestShortClassIndex = 0x7FFE;
constexpr std::uint16_t kShortClassRefBit = 0x8000;
constexpr std::uint32_t kLongClassRefBit = 0x80000000u;

constexpr const char* kClassNames[] = {
    "CDataSen",    "CDataEnko",  "CDataTen",   "CDataMoji",
    "CDataSunpou", "CDataSolid", "CDataBlock", "CDataList",
};

std::size_t SlotOf(TJwwClass jwwClass) {
    const int slot = static_cast<int>(jwwClass);
    if (slot < 1 || slot > 8) throw RangeError("unknown JWW class");
    return static_cast<std::size_t>(slot - 1);
}

}  // namespace

const char* JwwClassName(TJwwClass jwwClass) { return kClassNames[SlotOf(jwwClass)]; }

void WriteClassRef(ByteSink& sink, std::int32_t index) {
    if (index < 1) throw RangeError("class reference to a class not yet written");
    if (index <= kLargestShortClassIndex) {
        WriteUInt16(sink, static_cast<std::uint16_t>(kShortClassRefBit + index));
    } else {
        WriteUInt16(sink, kLongClassRefTag);
        WriteUInt32(sink, kLongClassRefBit + static_cast<std::uint32_t>(index));
    }
}

void ObjectStream::WriteObjectHeader(TJwwClass jwwClass) {
    std::int32_t& slot = classSlots_[SlotOf(jwwClass)];
    if (slot != 0) {
        WriteClassRef(sink_, slot);
        return;
    }
    const char* name = JwwClassName(jwwClass);
    const std::size_t length = std::strlen(name);
    WriteUInt16(sink_, kNewClassTag);
    WriteUInt16(sink_, static_cast<std::uint16_t>(version_));  // low 16 bits as schema
    WriteUInt16(sink_, static_cast<std::uint16_t>(length));
    sink_.Write(name, length);
    slot = nextIndex_;
    TakeIndex();
}

void ObjectStream::TakeIndex() {
    if (nextIndex_ == std::numeric_limits<std::int32_t>::max()) {
        throw RangeError("too many objects for one JWW file");
    }
    ++nextIndex_;
}

}  // namespace drafnova
