#pragma once
// Byte sinks and sources, and the little-endian primitives of the JWW file.
// A sink or source knows only bytes; every record writer sits on top of these.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace drafnova {

// Receives bytes. Writers call Put; a sink implements Write, which raises
// IoError when the bytes cannot all be taken.
//
// A sink that gathers bytes in a buffer of its own may open a window on its
// free space (SetWindow): Put then copies what fits straight into the window,
// with no virtual call per field, and calls Write only for what does not fit.
// A sink without a window sees every Put as one Write.
class ByteSink {
public:
    virtual ~ByteSink() = default;

    void Put(const void* data, std::size_t size) {
        if (size <= static_cast<std::size_t>(limit_ - cursor_)) {
            if (size > 0) std::memcpy(cursor_, data, size);
            cursor_ += size;
        } else {
            Write(data, size);
        }
    }

    virtual void Write(const void* data, std::size_t size) = 0;

protected:
    ByteSink() = default;
    ByteSink(const ByteSink&) = default;
    ByteSink& operator=(const ByteSink&) = default;

    // The free part of the sink's buffer, [cursor, limit); nullptr for both
    // closes it.
    void SetWindow(std::uint8_t* cursor, std::uint8_t* limit) {
        cursor_ = cursor;
        limit_ = limit;
    }
    std::uint8_t* WindowCursor() const { return cursor_; }

private:
    std::uint8_t* cursor_ = nullptr;
    std::uint8_t* limit_ = nullptr;
};

// Gathers what is put into it in blocks for the sink below, which sees one
// Write per full block and one for the rest at Flush. What was not flushed
// when the sink goes is dropped (a failed save abandons it).
class BufferedSink final : public ByteSink {
public:
    static constexpr std::size_t kBlockSize = std::size_t{64} * 1024;

    explicit BufferedSink(ByteSink& next);
    BufferedSink(const BufferedSink&) = delete;
    BufferedSink& operator=(const BufferedSink&) = delete;

    void Write(const void* data, std::size_t size) override;
    // Passes on everything gathered so far.
    void Flush();

private:
    ByteSink& next_;
    std::vector<std::uint8_t> buffer_;
};

// Gives bytes. Read raises IoError when fewer than size bytes remain.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual void Read(void* data, std::size_t size) = 0;
    // Bytes not yet read; lets a reader check a length before it allocates.
    virtual std::uint64_t Remaining() const = 0;
};

// A sink that collects everything in memory.
class MemorySink final : public ByteSink {
public:
    void Write(const void* data, std::size_t size) override;
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// A source over bytes held by the caller.
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    void Read(void* data, std::size_t size) override;
    std::uint64_t Remaining() const override { return bytes_.size() - position_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

// Little-endian primitives; the byte order is named at every call. The
// writers call them for every field, so they are inline: with a buffering
// sink a field becomes a few stores.
namespace detail {
template <std::size_t N>
void PutLittleEndian(ByteSink& sink, std::uint64_t value) {
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    sink.Put(bytes.data(), N);
}
}  // namespace detail

inline void WriteUInt8(ByteSink& sink, std::uint8_t value) { sink.Put(&value, 1); }
inline void WriteUInt16(ByteSink& sink, std::uint16_t value) {
    detail::PutLittleEndian<2>(sink, value);
}
inline void WriteUInt32(ByteSink& sink, std::uint32_t value) {
    detail::PutLittleEndian<4>(sink, value);
}
inline void WriteInt32(ByteSink& sink, std::int32_t value) {
    WriteUInt32(sink, static_cast<std::uint32_t>(value));
}
inline void WriteDouble(ByteSink& sink, double value) {
    detail::PutLittleEndian<8>(sink, std::bit_cast<std::uint64_t>(value));
}
void WriteBytes(ByteSink& sink, std::span<const std::uint8_t> bytes);

std::uint8_t ReadUInt8(ByteSource& source);
std::uint16_t ReadUInt16(ByteSource& source);
std::uint32_t ReadUInt32(ByteSource& source);
std::int32_t ReadInt32(ByteSource& source);
double ReadDouble(ByteSource& source);
// Reads size bytes; raises IoError before allocating when fewer remain.
std::string ReadBytes(ByteSource& source, std::uint64_t size);

}  // namespace drafnova
