#include "builder/scales_grid.hpp"

#include <string_view>

#include "Func_/text.hpp"

namespace drafnova {
namespace {

constexpr double kScaleLimit = 10000;
constexpr double kPitchMin = 1e-7;
constexpr double kPitchMax = 1e6;
constexpr double kGridMinSpacing = 5.0;

constexpr std::int32_t kStateWrite = 3;
constexpr std::int32_t kStateOther = 2;

// One side of a scale text as a number: anything not above 0 (text that is no
// number included) counts as 1, and nothing goes beyond 10000.
double ScalePart(std::string_view text) {
    double value = TextToFloat(text);
    if (!(value > 0)) {
        value = 1;
    }
    if (value >= kScaleLimit) {
        value = kScaleLimit;
    }
    return value;
}

}  // namespace

double GroupScaleRatio(const TGroupScales& scales, int group) {
    if (group < 0 || group >= static_cast<int>(scales.size())) {
        return 1;
    }
    const std::string_view text = scales[static_cast<std::size_t>(group)];
    // "/" (0x2F) is never the second byte of a double-byte character, so a
    // byte search finds the real slash.
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        return ScalePart(text);  // "2" means 2 to 1
    }
    // A second slash leaves the denominator no number, so it becomes 1.
    return ScalePart(text.substr(0, slash)) / ScalePart(text.substr(slash + 1));
}

void ApplyWriteGroup(TDrawing& drawing, int writeGroup) {
    drawing.Header.WriteLayerGroup = writeGroup;
    for (TLayerGroup& group : drawing.LayerGroups) {
        if (group.State == kStateWrite) {
            group.State = kStateOther;
        }
    }
    drawing.LayerGroups.at(static_cast<std::size_t>(writeGroup)).State = kStateWrite;
}

void ApplyGrid(TDrawing& drawing, const TCreateSettings& settings, double paperWidth,
               double paperHeight) {
    THeader& header = drawing.Header;
    header.GridMode = (settings.GridShow ? 1 : 0) + (settings.GridRealSize ? 10 : 0);
    header.GridMinSpacing = kGridMinSpacing;

    double pitch = TextToFloat(settings.GridPitch);
    if (!(pitch > kPitchMin)) {
        pitch = kPitchMin;
    }
    if (pitch >= kPitchMax) {
        pitch = kPitchMax;
    }
    if (settings.GridRealSize) {
        // A real-size interval becomes millimetres on paper at the write
        // group's scale; the limits above hold for the typed value only.
        pitch *= GroupScaleRatio(settings.GroupScale, settings.WriteGroup);
    }
    header.GridIntervalX = pitch;
    header.GridIntervalY = pitch;

    const double halfW = paperWidth / 2;
    const double halfH = paperHeight / 2;
    double baseX = 0;
    double baseY = 0;
    switch (settings.GridOrigin) {
        case 1:  // 用紙左上
            baseX = -halfW;
            baseY = halfH;
            break;
        case 2:  // 用紙右上
            baseX = halfW;
            baseY = halfH;
            break;
        case 3:  // 用紙左下
            baseX = -halfW;
            baseY = -halfH;
            break;
        case 4:  // 用紙右下
            baseX = halfW;
            baseY = -halfH;
            break;
        default:  // 画面中央, and anything unknown
            break;
    }
    header.GridBaseX = baseX;
    header.GridBaseY = baseY;
}

void ApplyGroupScales(TDrawing& drawing, const TGroupScales& scales) {
    for (std::size_t g = 0; g < kLayerGroupCount; ++g) {
        drawing.LayerGroups.at(g).Scale = 1 / GroupScaleRatio(scales, static_cast<int>(g));
    }
}

}  // namespace drafnova
