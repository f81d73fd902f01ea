#pragma once
// Geometry at the logic level is in twips, 1/1440 inch: 15 twips to a pixel at 96 dpi.

namespace tarnwick {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kNominalTwipsPerPixel = 15;

}  // namespace tarnwick
