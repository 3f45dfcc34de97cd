#pragma once
// The "info" command: a drawing's header settings for a person or as JSON.

#include <string>

#include "jwtype/drawing.hpp"

namespace drafnova::cli {

// The header of drawing as lines of text (CP932).
std::string DescribeHeader(const TDrawing& drawing, const std::string& path);

// The same as one JSON object (UTF-8, as JSON wants).
std::string HeaderAsJson(const TDrawing& drawing, const std::string& path);

}  // namespace drafnova::cli
