#pragma once
// Whole JWW files: recognise, load the header of, and save.

#include <cstdint>
#include <string>

#include "jwtype/drawing.hpp"

namespace drafnova {

// True when the file's first 8 bytes are "JwwData.". Raises IoError when the
// file cannot be opened.
bool IsJwwFile(const std::string& path);

// Loads the header block of the file into drawing (ClearHeader first). True
// when the whole block was read. Raises IoError when the file cannot be opened.
bool ReadJwwHeader(TDrawing& drawing, const std::string& path);

// Writes the complete file for version. Raises IoError when the file cannot be
// created; gives false (and leaves no file behind) when writing fails later.
bool SaveJww(TDrawing& drawing, const std::string& path, std::int32_t version);

}  // namespace drafnova
