#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "Func_/error.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova {
namespace {

// Keeps the size of every write it sees, and refuses writes once failAfter
// bytes were taken.
class BlockRecorder final : public ByteSink {
public:
    void Write(const void* data, std::size_t size) override {
        if (taken + size > failAfter) throw IoError("disk full");
        sizes.push_back(size);
        bytes.Write(data, size);
        taken += size;
    }
    std::vector<std::size_t> sizes;
    MemorySink bytes;
    std::size_t taken = 0;
    std::size_t failAfter = SIZE_MAX;
};

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    return bytes;
}

TEST(BufferedSink, SmallAndLargeWritesReachTheSinkBelowInWholeBlocksInOrder) {
    constexpr std::size_t kBlock = BufferedSink::kBlockSize;
    const std::vector<std::uint8_t> large = Pattern(3 * kBlock + 100);
    BlockRecorder below;
    MemorySink expected;
    BufferedSink sink(below);
    for (int i = 0; i < 20000; ++i) {  // fields of 1, 2, 4 and 8 bytes
        WriteUInt8(sink, static_cast<std::uint8_t>(i));
        WriteUInt16(sink, static_cast<std::uint16_t>(i));
        WriteInt32(sink, -i);
        WriteDouble(sink, i + 0.5);
        WriteUInt8(expected, static_cast<std::uint8_t>(i));
        WriteUInt16(expected, static_cast<std::uint16_t>(i));
        WriteInt32(expected, -i);
        WriteDouble(expected, i + 0.5);
    }
    WriteBytes(sink, large);
    WriteBytes(expected, large);
    sink.Put("", 0);
    EXPECT_TRUE(std::all_of(below.sizes.begin(), below.sizes.end(),
                            [](std::size_t size) { return size == kBlock; }));
    sink.Flush();
    sink.Flush();  // nothing more to pass on
    EXPECT_EQ(below.bytes.Bytes(), expected.Bytes());
    const std::size_t total = expected.Bytes().size();
    EXPECT_EQ(below.sizes.size(), (total + kBlock - 1) / kBlock);
    EXPECT_EQ(below.sizes.back(), total % kBlock);
}

TEST(BufferedSink, ARefusedBlockRaisesAndIsNotPassedOnAgain) {
    BlockRecorder below;
    below.failAfter = BufferedSink::kBlockSize + 10;
    BufferedSink sink(below);
    const std::vector<std::uint8_t> bytes = Pattern(BufferedSink::kBlockSize);
    WriteBytes(sink, bytes);  // one whole block, taken
    WriteBytes(sink, Pattern(20));
    EXPECT_THROW(sink.Flush(), IoError);
    EXPECT_NO_THROW(sink.Flush());
    EXPECT_EQ(below.sizes, std::vector<std::size_t>{BufferedSink::kBlockSize});
}

TEST(ByteSink, ASinkWithoutABufferSeesEveryPutAsOneWrite) {
    BlockRecorder below;
    WriteUInt16(below, 1);
    WriteDouble(below, 2.0);
    below.Put("abc", 3);
    EXPECT_EQ(below.sizes, (std::vector<std::size_t>{2, 8, 3}));
}

}  // namespace
}  // namespace drafnova
