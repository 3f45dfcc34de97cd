#pragma once
// Small routines on CP932 byte strings shared by every part of the tool.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace drafnova {

// True for a byte that starts a two-byte character (0x80-0x9F, 0xE0-0xFD).
constexpr bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFD);
}

// Copies the first |count| bytes of text (at most its length) to the start of
// buffer; the rest of buffer is left as it was. Raises RangeError when the
// bytes would not fit.
void StrToBuf(std::span<std::uint8_t> buffer, std::string_view text, int count);

// Sets the first count bytes of buffer to value (nothing when count <= 0).
// Raises RangeError when count exceeds the buffer.
void FillBuf(std::span<std::uint8_t> buffer, std::uint8_t value, int count);

// Whole-text conversions that never fail: text that is not a number gives 0.
std::int32_t TextToInt(std::string_view text);
double TextToFloat(std::string_view text);

// Removes half-width blanks, full-width blanks (0x81 0x40) and control bytes.
std::string DeleteBlanks(std::string_view text);

// Removes control bytes and "^m" pairs; a non-empty text that becomes empty
// is returned as one blank.
std::string CleanJwwText(std::string_view text);

}  // namespace drafnova
