#pragma once
// The fixed default tables of a new drawing.

#include "jwtype/drawing.hpp"

namespace drafnova {

void SetLayerDefaults(TDrawing& drawing, int writeGroup);
void SetColorDefaults(TDrawing& drawing, int backColor);  // 0 white, 1 black, 2 dark green
void SetLineTypeDefaults(TDrawing& drawing);
void SetTextStyleDefaults(TDrawing& drawing);
void SetMiscDefaults(TDrawing& drawing);

}  // namespace drafnova
