#pragma once
// Element types of the nine header tables and their fixed lengths.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace drafnova {

struct TLayerGroup {
    std::int32_t State = 0;  // 3 marks the group that receives new drawing
    std::int32_t WriteLayer = 0;
    double Scale = 0;  // scale denominator: 100.0 means 1/100
    std::int32_t Protect = 0;
    std::string Name;
};

struct TLayer {
    std::int32_t State = 0;
    std::int32_t Protect = 0;
    std::string Name;
};

struct TColorNo {
    std::int32_t ScreenColor = 0;
    std::int32_t ScreenWidth = 0;
    std::int32_t PrintColor = 0;
    std::int32_t PrintWidth = 0;
    double PrintPointRadius = 0;
};

// Line types 2..9 and the double-length line types 16..19.
struct TLineTypeNo {
    std::int32_t Pattern = 0;  // 32-bit dash pattern
    std::int32_t UnitDots = 0;
    std::int32_t Pitch = 0;
    std::int32_t PrintPitch = 0;
};

struct TRandomLineNo {
    std::int32_t Pattern = 0;
    std::int32_t Amplitude = 0;
    std::int32_t Pitch = 0;
    std::int32_t PrintAmplitude = 0;
    std::int32_t PrintPitch = 0;
};

struct TColorExNo {
    std::int32_t ScreenColor = 0;
    std::int32_t ScreenWidth = 0;
    std::string Name;
    std::int32_t PrintColor = 0;
    std::int32_t PrintWidth = 0;
    double PrintPointRadius = 0;
};

struct TLineTypeExNo {
    std::int32_t Pattern = 0;
    std::int32_t UnitDots = 0;
    std::int32_t Pitch = 0;
    std::int32_t PrintPitch = 0;
    std::string Name;
    std::int32_t SegmentCount = 0;
    std::array<double, 10> SegmentPitch{};  // pitches 1..10 at 0..9
};

struct TTextStyleNo {
    double Width = 0;
    double Height = 0;
    double Spacing = 0;
    std::int32_t Color = 0;
};

// The lengths every table must have before a header is written or read.
inline constexpr std::size_t kLayerGroupCount = 16;
inline constexpr std::size_t kLayerCount = 256;  // group x 16 + layer
inline constexpr std::size_t kColorNoCount = 10;
inline constexpr std::size_t kLineTypeNoCount = 8;
inline constexpr std::size_t kRandomLineNoCount = 5;
inline constexpr std::size_t kDoubleLineTypeNoCount = 4;
inline constexpr std::size_t kColorExNoCount = 257;
inline constexpr std::size_t kLineTypeExNoCount = 33;
inline constexpr std::size_t kTextStyleNoCount = 10;

}  // namespace drafnova
