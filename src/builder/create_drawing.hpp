#pragma once
// The tool's main command: a new JWW file from one set of settings.

#include <cstdint>

#include "UnitPrint/printer.hpp"
#include "builder/settings.hpp"
#include "jwtype/drawing.hpp"

namespace drafnova {

// The version number of a version list entry (8 and anything else: 700).
std::int32_t VersionNumberFor(int versionIndex);

void CreateNewDrawing(TDrawing& drawing, const TCreateSettings& settings, TBuilderHost& host,
                      TPrinterMetrics& printer);

}  // namespace drafnova
