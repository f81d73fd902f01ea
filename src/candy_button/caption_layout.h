#pragma once
// Where the picture and the caption go on a W x H face, by PictureAlignment:
// 0 picture above caption, 1 caption above picture, 2 picture at the left, 3 at the right;
// other values put both at (0, 0). A pressed face moves both one pixel down and right.
#include <cstdint>

namespace tarnwick::candy {

struct ContentSizes {
  int picture_width = 0, picture_height = 0;
  int text_width = 0, text_height = 0;
};

struct ContentPlacement {
  int picture_x = 0, picture_y = 0;
  int text_x = 0, text_y = 0;
  friend bool operator==(const ContentPlacement&, const ContentPlacement&) = default;
};

// `corner_radius` is the side margin of a picture at the left or right (8 when it is 0).
ContentPlacement PlaceContent(std::int32_t alignment, int W, int H, const ContentSizes& sizes,
                              std::int32_t corner_radius, bool pressed);

}  // namespace tarnwick::candy
