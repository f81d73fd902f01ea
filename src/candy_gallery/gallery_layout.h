#pragma once
// Where the gallery puts its buttons (a grid, four to a row) and its event list and status
// line (below the grid), in client pixels.
#include <cstddef>

namespace tarnwick::gallery {

inline constexpr int kColumns = 4, kCellWidth = 150, kCellHeight = 48, kGap = 12;
inline constexpr int kHistoryLines = 6, kLineHeight = 16;

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

struct GalleryLayout {
  int width = 0, height = 0;  // the client area
  Rect history, status;
};

inline Rect ButtonCell(std::size_t index) {
  const int column = int(index % kColumns), row = int(index / kColumns);
  return {kGap + column * (kCellWidth + kGap), kGap + row * (kCellHeight + kGap), kCellWidth,
          kCellHeight};
}

inline GalleryLayout LayOut(std::size_t buttons) {
  const int rows = buttons == 0 ? 0 : int((buttons + kColumns - 1) / kColumns);
  const int width = kGap + kColumns * (kCellWidth + kGap);
  const int history_top = kGap + rows * (kCellHeight + kGap);
  const int history_height = kHistoryLines * kLineHeight;
  const int status_top = history_top + history_height + kGap / 2;
  return {width, status_top + kLineHeight + kGap,
          {kGap, history_top, width - 2 * kGap, history_height},
          {kGap, status_top, width - 2 * kGap, kLineHeight}};
}

}  // namespace tarnwick::gallery
