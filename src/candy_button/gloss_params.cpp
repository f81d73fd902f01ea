#include "candy_button/gloss_params.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::candy {
namespace {

std::int32_t RoundHalfEven(double value) {
  return static_cast<std::int32_t>(std::nearbyint(value));
}

}  // namespace

std::optional<GlossParams> MakeGlossParams(std::int32_t style, std::int32_t R, int W, int H) {
  const std::int32_t mid_x = RoundHalfEven(W / 2.0), wide = W + 2 * R;
  switch (style) {
    case 2:
      return GlossParams{0, 50, R / 2, 1, wide, RoundHalfEven(1.1 * R), R / 2, 300, 60, mid_x, H, 120};
    case 3:
      return GlossParams{0, 70, R / 3, 0, wide, 12, 10, 200, std::min(100 - 700 / H, 80), mid_x, H, 130};
    case 4:
      return GlossParams{0, 70, R / 3 - 1, 0, wide, R, R / 2, 200, 70, mid_x, H, 130};
    case 5:
      return GlossParams{0, 40, -1 - R / 2, -R, wide, R + 1, R, 60, 60, mid_x, H, 130};
    case 7:
      return GlossParams{0, 50, RoundHalfEven(R / 2.0), 2, W - R, R + 1, RoundHalfEven(R / 2.0),
                         60, 60, mid_x, RoundHalfEven(H / 2.0), 100};
    default:
      return std::nullopt;
  }
}

}  // namespace tarnwick::candy
