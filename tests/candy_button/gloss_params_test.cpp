#include "candy_button/gloss_params.h"

#include <gtest/gtest.h>

namespace tarnwick::candy {
namespace {

TEST(GlossParams, TableByStyle) {
  // R = 16, W = 100, H = 30 (style 2 on a 100 x 30 button).
  EXPECT_EQ(MakeGlossParams(2, 16, 100, 30), (GlossParams{0, 50, 8, 1, 132, 18, 8, 300, 60, 50, 30, 120}));
  EXPECT_EQ(MakeGlossParams(3, 12, 100, 30), (GlossParams{0, 70, 4, 0, 124, 12, 10, 200, 77, 50, 30, 130}));
  EXPECT_EQ(MakeGlossParams(4, 16, 100, 30), (GlossParams{0, 70, 4, 0, 132, 16, 8, 200, 70, 50, 30, 130}));
  EXPECT_EQ(MakeGlossParams(5, 16, 100, 30), (GlossParams{0, 40, -9, -16, 132, 17, 16, 60, 60, 50, 30, 130}));
  EXPECT_EQ(MakeGlossParams(7, 9, 101, 35), (GlossParams{0, 50, 4, 2, 92, 10, 4, 60, 60, 50, 18, 100}));
}

TEST(GlossParams, Style3GlowHeightIsCappedAndCanTurnNegative) {
  EXPECT_EQ(MakeGlossParams(3, 12, 100, 200)->r8, 80);   // 100 - 3 = 97, capped at 80
  EXPECT_EQ(MakeGlossParams(3, 12, 100, 5)->r8, -40);    // 100 - 140
}

TEST(GlossParams, OnlyGlossStylesHaveParameters) {
  for (int style : {0, 1, 6, 8, -1}) EXPECT_FALSE(MakeGlossParams(style, 10, 100, 30)) << style;
}

}  // namespace
}  // namespace tarnwick::candy
