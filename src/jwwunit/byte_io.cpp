#include "jwwunit/byte_io.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "Func_/error.hpp"

namespace drafnova {
namespace {

template <std::size_t N>
std::uint64_t ReadLittleEndian(ByteSource& source) {
    std::array<std::uint8_t, N> bytes{};
    source.Read(bytes.data(), N);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < N; ++i) {
        value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    }
    return value;
}

}  // namespace

void MemorySink::Write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), bytes, bytes + size);
}

BufferedSink::BufferedSink(ByteSink& next) : next_(next), buffer_(kBlockSize) {
    SetWindow(buffer_.data(), buffer_.data() + buffer_.size());
}

void BufferedSink::Write(const void* data, std::size_t size) {
    // Reached when the bytes do not fit in what is left of the block: the
    // block is filled and passed on, and so on with the rest.
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        std::uint8_t* cursor = WindowCursor();
        const auto room = static_cast<std::size_t>(buffer_.data() + buffer_.size() - cursor);
        const std::size_t n = std::min(size, room);
        std::memcpy(cursor, bytes, n);
        SetWindow(cursor + n, buffer_.data() + buffer_.size());
        bytes += n;
        size -= n;
        if (n == room) Flush();
    }
}

void BufferedSink::Flush() {
    const auto gathered = static_cast<std::size_t>(WindowCursor() - buffer_.data());
    // The window is reset first: after a failed Write below, what was
    // gathered is not passed on twice.
    SetWindow(buffer_.data(), buffer_.data() + buffer_.size());
    if (gathered > 0) next_.Write(buffer_.data(), gathered);
}

void MemorySource::Read(void* data, std::size_t size) {
    if (size > Remaining()) {
        position_ = bytes_.size();
        throw IoError("unexpected end of data");
    }
    if (size > 0) {
        std::memcpy(data, bytes_.data() + position_, size);
    }
    position_ += size;
}

void WriteBytes(ByteSink& sink, std::span<const std::uint8_t> bytes) {
    if (!bytes.empty()) {
        sink.Put(bytes.data(), bytes.size());
    }
}

std::uint8_t ReadUInt8(ByteSource& source) {
    return static_cast<std::uint8_t>(ReadLittleEndian<1>(source));
}

std::uint16_t ReadUInt16(ByteSource& source) {
    return static_cast<std::uint16_t>(ReadLittleEndian<2>(source));
}

std::uint32_t ReadUInt32(ByteSource& source) {
    return static_cast<std::uint32_t>(ReadLittleEndian<4>(source));
}

std::int32_t ReadInt32(ByteSource& source) { return static_cast<std::int32_t>(ReadUInt32(source)); }

double ReadDouble(ByteSource& source) { return std::bit_cast<double>(ReadLittleEndian<8>(source)); }

std::string ReadBytes(ByteSource& source, std::uint64_t size) {
    if (size > source.Remaining()) {
        throw IoError("length runs past the end of the data");
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    if (size > 0) {
        source.Read(text.data(), text.size());
    }
    return text;
}

}  // namespace drafnova
