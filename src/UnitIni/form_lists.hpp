#pragma once
// The item texts of the main window's lists and radio groups, as CP932 text.
// The window fills its controls from them and the command line matches its
// options against them; the settings file stores indexes into them.

#include <array>
#include <cstddef>
#include <string>

namespace drafnova {

inline constexpr std::size_t kVersionCount = 9;     // JWW versions "2.20" .. "7.00"
inline constexpr std::size_t kPaperCount = 28;      // A0 .. B6, then the two printer sizes
inline constexpr std::size_t kGroupCount = 16;      // layer groups and layers "0" .. "F"
inline constexpr std::size_t kScaleCount = 32;      // ready-made scales "1/1" .. "1/6000"
inline constexpr std::size_t kLineTypeCount = 9;    // "実線" .. "補助線種"
inline constexpr std::size_t kLineColorCount = 9;   // "線色１" .. "線色８", "補助色"
inline constexpr std::size_t kGridOriginCount = 5;  // "画面中央" and the four paper corners
inline constexpr std::size_t kGridUnitCount = 2;    // "図寸", "実寸"
inline constexpr std::size_t kBackColorCount = 3;   // "白色", "黒色", "深緑"

const std::array<std::string, kVersionCount>& VersionList();
const std::array<std::string, kPaperCount>& PaperList();
// Layer groups and layers alike.
const std::array<std::string, kGroupCount>& GroupList();
const std::array<std::string, kScaleCount>& ScaleList();
const std::array<std::string, kLineTypeCount>& LineTypeList();
const std::array<std::string, kLineColorCount>& LineColorList();
const std::array<std::string, kGridOriginCount>& GridOriginList();
const std::array<std::string, kGridUnitCount>& GridUnitList();
const std::array<std::string, kBackColorCount>& BackColorList();

}  // namespace drafnova
