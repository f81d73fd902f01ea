#pragma once
// The candy button contact sheet: which button goes where. Shared by the raster tool and the
// Windows program that draws the same sheet into a window.
#include <array>
#include <string>
#include <vector>

#include "candy_button/candy_button.h"
#include "candy_gallery/gem_pixels.h"

namespace tarnwick::candy_sheet {

inline constexpr int kCellWidth = 120, kCellHeight = 36, kGap = 10, kLabelWidth = 70,
                     kHeaderHeight = 24;
inline constexpr unsigned kSheetBackground = 0xF0F0F0;

struct Cell {
  int x = 0, y = 0;
  int style = 0, scheme = 1;
  candy::ButtonState state = candy::ButtonState::Normal;
  bool enabled = true, checked = false;
};

struct Label {
  int x = 0, y = 0;
  std::string text;
};

struct Sheet {
  int width = 0, height = 0;
  std::vector<Cell> cells;
  std::vector<Label> labels;
};

inline int Column(int i) { return kLabelWidth + kGap + i * (kCellWidth + kGap); }
inline int Row(int i, int first_y) { return first_y + i * (kCellHeight + kGap); }

// Part one: every style (rows) in every state and disabled (columns), scheme 1.
// Part two: every gloss and shaded style (rows) in the six schemes (columns), at rest.
inline Sheet MakeSheet() {
  using candy::ButtonState;
  static const std::array<const char*, 6> kStates{"Normal", "Pressed", "Focused", "Hover",
                                                   "Checked", "Disabled"};
  Sheet sheet;
  for (int c = 0; c < 6; ++c) sheet.labels.push_back({Column(c), kGap, kStates[std::size_t(c)]});
  for (int style = 0; style < 8; ++style) {
    const int y = Row(style, kHeaderHeight + kGap);
    sheet.labels.push_back({kGap, y + kCellHeight / 2 - 6, "Style " + std::to_string(style)});
    for (int c = 0; c < 6; ++c) {
      const ButtonState state = c < 4 ? ButtonState(c) : ButtonState::Normal;
      sheet.cells.push_back({Column(c), y, style, 1, state, c != 5, c == 4});
    }
  }
  const int second = Row(8, kHeaderHeight + kGap) + kGap;
  for (int c = 0; c < 6; ++c)
    sheet.labels.push_back({Column(c), second, "Scheme " + std::to_string(c + 1)});
  for (int r = 0; r < 6; ++r) {
    const int y = Row(r, second + kHeaderHeight);
    sheet.labels.push_back({kGap, y + kCellHeight / 2 - 6, "Style " + std::to_string(r + 2)});
    for (int c = 0; c < 6; ++c) sheet.cells.push_back({Column(c), y, r + 2, c + 1});
  }
  sheet.width = Column(6);
  sheet.height = Row(6, second + kHeaderHeight);
  return sheet;
}

// Puts a freshly created button into the look of `cell`, with the gem picture at the left.
inline void ApplyCell(candy::CandyButton& button, const Cell& cell, const candy::ButtonPicture& gem) {
  button.ReadProperties(candy::PropertyBag());
  button.SetStyle(cell.style);
  button.SetColorScheme(cell.scheme);
  button.SetCaption("Candy");
  button.SetPictureAlignment(2);
  button.SetPicture(gem);
  button.SetEnabled(cell.enabled);
  button.SetChecked(cell.checked);
  button.ShapeWindow();
  button.Redraw(cell.state);
}

// The caption's companion icon.
inline std::vector<unsigned> MakeGemIcon() { return gallery::GemPixels(); }

}  // namespace tarnwick::candy_sheet
