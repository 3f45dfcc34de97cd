#pragma once
// The image section of version 7.00 files: the image files that the drawing's
// texts refer to, stored whole.

#include <string>
#include <string_view>

#include "jwtype/drawing.hpp"
#include "jwwunit/byte_io.hpp"

namespace drafnova {

// The key of the image a text refers to: for a text of at least 11 bytes that
// starts with "^@BM%temp%" and holds a ",", the bytes after the prefix up to
// the first ",", upper-cased (a to z only; double-byte characters untouched).
// Empty when the text refers to no image.
std::string ImageReferenceKey(std::string_view text);

// Marks the images that texts refer to (Used), keeps those whose file exists
// under ImageFolder, and writes their count and, for each, its name, size and
// bytes. With EmbedImages off the count is 0 and nothing else is written.
// Raises IoError when an image file cannot be opened or read, RangeError when
// a count of the drawing exceeds its list.
void WriteImageSection(ByteSink& sink, TDrawing& drawing);

}  // namespace drafnova
