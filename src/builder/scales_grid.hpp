#pragma once
// Layer-group scales, the write layer group and the grid.

#include <array>
#include <string>

#include "builder/settings.hpp"
#include "jwtype/drawing.hpp"

namespace drafnova {

using TGroupScales = std::array<std::string, 16>;

// The ratio of group's scale text ("1/100" gives 0.01), between 1/10000 and
// 10000; 1 for a group outside 0..15.
double GroupScaleRatio(const TGroupScales& scales, int group);

void ApplyWriteGroup(TDrawing& drawing, int writeGroup);

// Grid mode, spacing, interval and reference point from the settings.
void ApplyGrid(TDrawing& drawing, const TCreateSettings& settings, double paperWidth,
               double paperHeight);

void ApplyGroupScales(TDrawing& drawing, const TGroupScales& scales);

}  // namespace drafnova
