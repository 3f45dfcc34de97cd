#include "jwwunit/encodings.hpp"

#include <limits>

#include "Func_/cp932.hpp"
#include "Func_/error.hpp"

namespace drafnova {
namespace {

constexpr std::uint8_t kLongLength = 0xFF;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;
constexpr std::uint16_t kLength32 = 0xFFFF;
constexpr std::size_t kLargest16BitLength = 0xFFFD;

// The length after a Unicode marker: one byte, else 16 bits, else 32 bits.
std::uint32_t ReadEscalatingLength(ByteSource& source) {
    const std::uint8_t small = ReadUInt8(source);
    if (small != kLongLength) return small;
    const std::uint16_t medium = ReadUInt16(source);
    if (medium != kLength32) return medium;
    return ReadUInt32(source);
}

std::string ReadUnicodeString(ByteSource& source) {
    const std::uint64_t units = ReadEscalatingLength(source);
    const std::string raw = ReadBytes(source, units * 2);
    std::u16string text(static_cast<std::size_t>(units), u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lo = static_cast<unsigned char>(raw[2 * i]);
        const auto hi = static_cast<unsigned char>(raw[2 * i + 1]);
        text[i] = static_cast<char16_t>(lo | (hi << 8));
    }
    return Utf16ToCp932(text);
}

}  // namespace

void WriteJwwString(ByteSink& sink, std::string_view text) {
    const std::size_t length = text.size();
    if (length < kLongLength) {
        WriteUInt8(sink, static_cast<std::uint8_t>(length));
    } else if (length <= kLargest16BitLength) {
        WriteUInt8(sink, kLongLength);
        WriteUInt16(sink, static_cast<std::uint16_t>(length));
    } else {
        if (length > std::numeric_limits<std::uint32_t>::max()) {
            throw RangeError("string too long for the JWW file");
        }
        WriteUInt8(sink, kLongLength);
        WriteUInt16(sink, kLength32);
        WriteUInt32(sink, static_cast<std::uint32_t>(length));
    }
    if (length > 0) sink.Put(text.data(), length);
}

void WriteJwwCount(ByteSink& sink, std::uint32_t count) {
    if (count < 0xFFFF) {
        WriteUInt16(sink, static_cast<std::uint16_t>(count));
    } else {
        WriteUInt16(sink, 0xFFFF);
        WriteUInt32(sink, count);
    }
}

std::string ReadJwwString(ByteSource& source) {
    const std::uint8_t small = ReadUInt8(source);
    if (small != kLongLength) return ReadBytes(source, small);
    const std::uint16_t medium = ReadUInt16(source);
    if (medium == kUnicodeMarker) return ReadUnicodeString(source);
    if (medium == kLength32) return ReadBytes(source, ReadUInt32(source));
    return ReadBytes(source, medium);
}

}  // namespace drafnova
