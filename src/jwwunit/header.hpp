#pragma once
// The JWW header block: everything from the signature to the text settings.

#include <cstdint>

#include "jwtype/drawing.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova {

// The version numbers the writer knows: 100 times the version shown.
inline constexpr std::int32_t kJwwVersions[] = {220, 223, 225, 230, 300, 351, 420, 600, 700};

// Appends the header block for version to sink. The nine tables must have
// their full lengths (RangeError otherwise).
void WriteJwwHeader(ByteSink& sink, const TDrawing& drawing, std::int32_t version);

// Reads a header block into drawing, whose tables the caller has sized. Gives
// false when the version is below 220 (signature and version are then kept).
// A short source raises IoError; the fields read so far are kept.
bool ReadJwwHeaderBlock(ByteSource& source, TDrawing& drawing);

}  // namespace drafnova
