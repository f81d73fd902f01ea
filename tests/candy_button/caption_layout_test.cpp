#include "candy_button/caption_layout.h"

#include <gtest/gtest.h>

namespace tarnwick::candy {
namespace {

const ContentSizes kSizes{16, 16, 30, 12};  // picture 16 x 16, caption 30 x 12

TEST(CaptionLayout, PositionsByAlignment) {
  EXPECT_EQ(PlaceContent(0, 100, 40, kSizes, 0, false), (ContentPlacement{43, 7, 35, 22}));
  EXPECT_EQ(PlaceContent(1, 100, 40, kSizes, 0, false), (ContentPlacement{42, 19, 35, 6}));
  EXPECT_EQ(PlaceContent(2, 100, 40, kSizes, 12, false), (ContentPlacement{12, 13, 35, 14}));
  EXPECT_EQ(PlaceContent(3, 100, 40, kSizes, 12, false), (ContentPlacement{72, 13, 35, 14}));
  EXPECT_EQ(PlaceContent(7, 100, 40, kSizes, 12, false), (ContentPlacement{}));
}

TEST(CaptionLayout, SideMarginFallsBackToEightWithoutARadius) {
  EXPECT_EQ(PlaceContent(2, 100, 40, kSizes, 0, false).picture_x, 8);
  EXPECT_EQ(PlaceContent(3, 100, 40, kSizes, 0, false).picture_x, 100 - 8 - 16);
}

TEST(CaptionLayout, CaptionWiderThanTheButtonStaysAtAPositiveOffset) {
  const ContentSizes wide{0, 0, 180, 12};
  EXPECT_EQ(PlaceContent(2, 100, 40, wide, 0, false).text_x, 40);  // |50 - 90|
}

TEST(CaptionLayout, PressedMovesEverythingOnePixel) {
  const ContentPlacement rest = PlaceContent(0, 100, 40, kSizes, 0, false);
  const ContentPlacement pressed = PlaceContent(0, 100, 40, kSizes, 0, true);
  EXPECT_EQ(pressed, (ContentPlacement{rest.picture_x + 1, rest.picture_y + 1, rest.text_x + 1,
                                       rest.text_y + 1}));
}

}  // namespace
}  // namespace tarnwick::candy
