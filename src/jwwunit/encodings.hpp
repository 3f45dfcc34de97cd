#pragma once
// The string and count encodings of the JWW file (MFC CArchive conventions).

#include <cstdint>
#include <string>
#include <string_view>

#include "jwwunit/byte_io.hpp"

namespace drafnova {

// A CP932 string with its length prefix: one byte below 255; 0xFF and a 16-bit
// length up to 65533; 0xFF, 0xFFFF and a 32-bit length from 65534 on (the
// 16-bit values 0xFFFE and 0xFFFF are markers, never lengths).
void WriteJwwString(ByteSink& sink, std::string_view text);

// A count: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
void WriteJwwCount(ByteSink& sink, std::uint32_t count);

// Reads either string form: the byte form above, or the Unicode form
// (0xFF, 0xFFFE, an escalating length in characters, UTF-16LE), which is
// returned as CP932 with "?" for a character that has no CP932 form. Every
// length is checked against the bytes left before anything is allocated.
std::string ReadJwwString(ByteSource& source);

}  // namespace drafnova
