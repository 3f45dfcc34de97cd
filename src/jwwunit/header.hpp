#pragma once
// The JWW header block: everything from the signature to the text settings.

#include <cstdint>

#include "jwtype/drawing.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova {

// The version numbers the writer knows: 100 times the version shown.
inline constexpr std::int32_t kJwwVersions[] = {220, 223, 225, 230, 300, 351, 420, 600, 700};

// True for one of the nine versions above.
constexpr bool IsJwwVersion(std::int32_t version) {
    for (const std::int32_t known : kJwwVersions) {
        if (known == version) return true;
    }
    return false;
}

// Raises RangeError, naming the table, unless each of the nine header tables
// has exactly its full length (SizeHeaderTables).
void CheckHeaderTableLengths(const TDrawing& drawing);

// Appends the header block for version to sink. The nine tables must have
// their full lengths and version must be one of kJwwVersions (RangeError
// otherwise, raised before anything is written).
void WriteJwwHeader(ByteSink& sink, const TDrawing& drawing, std::int32_t version);

// Reads a header block into drawing, whose tables the caller has sized
// (RangeError otherwise). Gives false when the version is below 220 (signature
// and version are then kept). Fields of items the file's version does not carry
// are left as they were. Strings are stored as read (not cleaned), in either
// string form. A short source, or a length that runs past its end, raises
// IoError; the fields read so far are kept.
bool ReadJwwHeaderBlock(ByteSource& source, TDrawing& drawing);

}  // namespace drafnova
