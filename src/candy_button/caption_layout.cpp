#include "candy_button/caption_layout.h"

#include <cstdlib>

namespace tarnwick::candy {
namespace {

ContentPlacement PlaceUnpressed(std::int32_t alignment, int W, int H, const ContentSizes& s,
                                std::int32_t corner_radius) {
  const int pw = s.picture_width, ph = s.picture_height, tw = s.text_width, th = s.text_height;
  const int centred_text_x = std::abs(W / 2 - tw / 2);
  const int margin = corner_radius == 0 ? 8 : corner_radius;
  switch (alignment) {
    case 0:
      return {(W - pw) / 2 + 1, (H - (ph + th)) / 2 + 1, centred_text_x,
              std::abs(H / 2 + ph / 2 - th / 2)};
    case 1:
      return {(W - pw) / 2, (H - ph + th) / 2 + 1, centred_text_x,
              std::abs(H / 2 - (ph + th) / 2)};
    case 2:
      return {margin, (H - ph) / 2 + 1, centred_text_x, std::abs(H / 2 - th / 2)};
    case 3:
      return {W - margin - pw, (H - ph) / 2 + 1, centred_text_x, std::abs(H / 2 - th / 2)};
    default:
      return {};
  }
}

}  // namespace

ContentPlacement PlaceContent(std::int32_t alignment, int W, int H, const ContentSizes& sizes,
                              std::int32_t corner_radius, bool pressed) {
  ContentPlacement placement = PlaceUnpressed(alignment, W, H, sizes, corner_radius);
  if (pressed) {
    ++placement.picture_x, ++placement.picture_y;
    ++placement.text_x, ++placement.text_y;
  }
  return placement;
}

}  // namespace tarnwick::candy
