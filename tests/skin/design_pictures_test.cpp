// The built-in pictures compiled into the programs must have the pixel size of the control
// that shows them, so that no button shows a stretched design.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "skin/picture_size.h"

namespace tarnwick::skin_test {
namespace {

const std::filesystem::path kDesign = std::filesystem::path(TARNWICK_SOURCE_DIR) / "assets" / "design";

std::string Numbered(const char* pattern, int number) {
  char name[64];
  std::snprintf(name, sizeof name, pattern, number);
  return name;
}

TEST(DesignPictures, MainWindowButtonsHaveTheirControlSizes) {
  EXPECT_EQ(PictureSize(kDesign / "main_top_button.jpg"), std::make_pair(73, 23));
  for (int n = 1; n <= 24; ++n) {
    const std::string name = Numbered("main_launch_%02d.jpg", n);
    EXPECT_EQ(PictureSize(kDesign / name), std::make_pair(73, 57)) << name;
  }
}

TEST(DesignPictures, SidePanelButtonsHaveTheirControlSizes) {
  for (int n = 1; n <= 7; ++n) {
    const std::string name = Numbered("panel_tab_%d.jpg", n);
    EXPECT_EQ(PictureSize(kDesign / name), std::make_pair(137, 41)) << name;
  }
  for (int n = 1; n <= 3; ++n) {
    const std::string name = Numbered("panel_program_%d.jpg", n);
    EXPECT_EQ(PictureSize(kDesign / name), std::make_pair(73, 57)) << name;
  }
  EXPECT_EQ(PictureSize(kDesign / "panel_about.jpg"), std::make_pair(73, 57));
}

}  // namespace
}  // namespace tarnwick::skin_test
