#include "builder/defaults.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace drafnova {
namespace {

// A colour in the Windows RGB layout: red in the low byte.
constexpr std::int32_t Rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

// A 32-bit dash pattern as the signed word the file holds.
constexpr std::int32_t Pattern(std::uint32_t bits) { return static_cast<std::int32_t>(bits); }

struct TPenColors {
    std::int32_t Screen;
    std::int32_t Print;
};

// Entry 0 is the background (printed white), 1 to 8 the line colours, 9 the
// auxiliary colour.
constexpr std::array<TPenColors, kColorNoCount> kOnWhite{{
    {Rgb(255, 255, 255), Rgb(255, 255, 255)},
    {Rgb(0, 192, 192), Rgb(0, 255, 255)},
    {Rgb(0, 0, 0), Rgb(0, 0, 0)},
    {Rgb(0, 192, 0), Rgb(0, 255, 0)},
    {Rgb(192, 192, 0), Rgb(255, 255, 0)},
    {Rgb(192, 0, 192), Rgb(255, 0, 255)},
    {Rgb(0, 0, 255), Rgb(0, 0, 255)},
    {Rgb(0, 128, 128), Rgb(0, 128, 128)},
    {Rgb(255, 0, 128), Rgb(255, 0, 0)},
    {Rgb(192, 192, 192), Rgb(128, 128, 128)},
}};

constexpr std::array<TPenColors, kColorNoCount> kOnBlack{{
    {Rgb(0, 0, 0), Rgb(255, 255, 255)},
    {Rgb(0, 255, 255), Rgb(0, 255, 255)},
    {Rgb(255, 255, 255), Rgb(0, 0, 0)},
    {Rgb(0, 255, 0), Rgb(0, 255, 0)},
    {Rgb(255, 255, 0), Rgb(255, 255, 0)},
    {Rgb(192, 0, 192), Rgb(255, 0, 255)},
    {Rgb(32, 32, 255), Rgb(0, 0, 255)},
    {Rgb(0, 128, 128), Rgb(0, 128, 128)},
    {Rgb(160, 0, 0), Rgb(255, 0, 0)},
    {Rgb(128, 128, 128), Rgb(128, 128, 128)},
}};

// The dark green background differs from black only in its own colour.
constexpr std::int32_t kDarkGreen = Rgb(0, 32, 0);

struct TPenWidths {
    std::int32_t Screen;
    std::int32_t Print;
    double PointRadius;
};

constexpr std::array<TPenWidths, kColorNoCount> kWidths{{
    {1, 1, 1.0},
    {1, 1, 0.2},
    {1, 2, 0.3},
    {1, 3, 0.4},
    {1, 4, 0.5},
    {1, 5, 0.5},
    {2, 6, 0.5},
    {3, 7, 0.5},
    {5, 8, 0.5},
    {1, 1, 1.0},
}};

// Line types 2 to 9: 点線１..３, 一点鎖１..２, 二点鎖１..２, 補助線種.
constexpr std::array<TLineTypeNo, kLineTypeNoCount> kLineTypes{{
    {Pattern(0x99999999), 4, 1, 10},
    {Pattern(0xC3C3C3C3), 8, 1, 10},
    {Pattern(0xE7E7E7E7), 8, 1, 10},
    {Pattern(0xF99FF99F), 16, 1, 10},
    {Pattern(0xFFF99FFF), 32, 1, 10},
    {Pattern(0xF24FF24F), 16, 1, 10},
    {Pattern(0xFFF24FFF), 32, 1, 10},
    {Pattern(0x22222222), 4, 1, 10},
}};

// Random lines, numbers 11 to 15.
constexpr std::int32_t kRandomPattern = Pattern(0xCCB2B32A);
constexpr std::array<TRandomLineNo, kRandomLineNoCount> kRandomLines{{
    {kRandomPattern, 1, 3, 1, 5},
    {kRandomPattern, 1, 4, 1, 10},
    {kRandomPattern, 2, 5, 2, 15},
    {kRandomPattern, 2, 6, 2, 20},
    {kRandomPattern, 2, 7, 2, 25},
}};

// Double-length line types, numbers 16 to 19.
constexpr std::array<TLineTypeNo, kDoubleLineTypeNoCount> kDoubleLineTypes{{
    {Pattern(0xFFF99FFF), 32, 2, 20},
    {Pattern(0xFFF24FFF), 32, 2, 20},
    {Pattern(0xFFFE7FFF), 32, 2, 20},
    {Pattern(0xFFFE7FFF), 32, 4, 40},
}};

constexpr std::array<TTextStyleNo, kTextStyleNoCount> kTextStyles{{
    {2.0, 2.0, 0.0, 1},
    {2.5, 2.5, 0.0, 1},
    {3.0, 3.0, 0.5, 2},
    {4.0, 4.0, 0.5, 2},
    {5.0, 5.0, 0.5, 3},
    {6.0, 6.0, 1.0, 3},
    {7.0, 7.0, 1.0, 4},
    {8.0, 8.0, 1.0, 4},
    {9.0, 9.0, 1.0, 5},
    {10.0, 10.0, 1.0, 5},
}};

constexpr std::array<std::int32_t, 5> kDimensionSettings{2001112, 5, 50150030, 10000000, 4100};
constexpr std::int32_t kMaxDrawWidth = 100;

// State 3 marks the group, or the layer within a group, that receives new
// drawing; every other one gets 2.
constexpr std::int32_t kStateWrite = 3;
constexpr std::int32_t kStateOther = 2;

}  // namespace

void SetLayerDefaults(TDrawing& drawing, int writeGroup) {
    for (std::size_t g = 0; g < kLayerGroupCount; ++g) {
        TLayerGroup& group = drawing.LayerGroups.at(g);
        group.State = static_cast<int>(g) == writeGroup ? kStateWrite : kStateOther;
        group.WriteLayer = 0;
        group.Scale = 1.0;
        group.Protect = 0;
        group.Name.clear();
        for (std::size_t l = 0; l < 16; ++l) {
            TLayer& layer = drawing.Layers.at(g * 16 + l);
            layer.State = l == 0 ? kStateWrite : kStateOther;
            layer.Protect = 0;
            layer.Name.clear();
        }
    }
}

void SetColorDefaults(TDrawing& drawing, int backColor) {
    const bool dark = backColor == 1 || backColor == 2;
    const auto& colors = dark ? kOnBlack : kOnWhite;
    for (std::size_t i = 0; i < kColorNoCount; ++i) {
        TColorNo& pen = drawing.ColorNos.at(i);
        pen.ScreenColor = colors[i].Screen;
        pen.PrintColor = colors[i].Print;
        pen.ScreenWidth = kWidths[i].Screen;
        pen.PrintWidth = kWidths[i].Print;
        pen.PrintPointRadius = kWidths[i].PointRadius;
    }
    if (backColor == 2) {
        drawing.ColorNos.at(0).ScreenColor = kDarkGreen;
    }
}

void SetLineTypeDefaults(TDrawing& drawing) {
    for (std::size_t i = 0; i < kLineTypes.size(); ++i) {
        drawing.LineTypeNos.at(i) = kLineTypes[i];
    }
    for (std::size_t i = 0; i < kRandomLines.size(); ++i) {
        drawing.RandomLineNos.at(i) = kRandomLines[i];
    }
    for (std::size_t i = 0; i < kDoubleLineTypes.size(); ++i) {
        drawing.DoubleLineTypeNos.at(i) = kDoubleLineTypes[i];
    }
}

void SetTextStyleDefaults(TDrawing& drawing) {
    for (std::size_t i = 0; i < kTextStyles.size(); ++i) {
        drawing.TextStyleNos.at(i) = kTextStyles[i];
    }
}

void SetMiscDefaults(TDrawing& drawing) {
    drawing.Header.DimensionSettings = kDimensionSettings;
    drawing.Header.MaxDrawWidth = kMaxDrawWidth;
}

}  // namespace drafnova
