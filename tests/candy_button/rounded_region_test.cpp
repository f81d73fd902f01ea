// Window outline and inner region geometry, and the outline radius of each style.
#include "candy_button/rounded_region.h"

#include <gtest/gtest.h>

#include "candy_test_support.h"

namespace tarnwick::candy {
namespace {

using testing::ReadyButton;

TEST(RoundedRegion, OutlineSkipsTopRowAndLeftColumnButReachesTheFarEdges) {
  const platform::PixelRegion outline = BuildRoundedRegion(0, 0, 100, 30, 16);
  for (int x = 0; x < 100; ++x) EXPECT_FALSE(outline.Contains(x, 0)) << x;
  for (int y = 0; y < 30; ++y) EXPECT_FALSE(outline.Contains(0, y)) << y;
  EXPECT_TRUE(outline.Contains(50, 29));   // last row along the straight edge
  EXPECT_TRUE(outline.Contains(50, 1));
  EXPECT_TRUE(outline.Contains(99, 15));  // last column, mid height (radius 16 > H/2 here)
  EXPECT_FALSE(outline.Contains(1, 1));    // rounded corner
  EXPECT_FALSE(outline.Contains(99, 1));
  EXPECT_FALSE(outline.Contains(100, 15)); // nothing beyond the rectangle
}

TEST(RoundedRegion, InnerRegionLeavesAOnePixelRing) {
  const platform::PixelRegion outline = BuildRoundedRegion(0, 0, 200, 60, 12);
  const platform::PixelRegion inner = BuildRoundedRegion(1, 1, 198, 58, 12);
  // Straight edges: the outline has columns 1..199 and rows 1..59, inner 2..198 and 2..58.
  for (auto [x, y] : {std::pair{1, 30}, {199, 30}, {100, 1}, {100, 59}}) {
    EXPECT_TRUE(outline.Contains(x, y)) << x << "," << y;
    EXPECT_FALSE(inner.Contains(x, y)) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{2, 30}, {198, 30}, {100, 2}, {100, 58}})
    EXPECT_TRUE(inner.Contains(x, y)) << x << "," << y;
  // Inner is a subset of the outline.
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) {
      if (!inner.Contains(x, y)) continue;
      ASSERT_TRUE(outline.Contains(x, y)) << x << "," << y;
    }
}

TEST(RoundedRegion, RegionIsMirrorSymmetric) {
  const platform::PixelRegion outline = BuildRoundedRegion(0, 0, 61, 25, 9);
  for (int y = 0; y < 25; ++y)
    for (int x = 1; x < 61; ++x) EXPECT_EQ(outline.Contains(x, y), outline.Contains(61 - x, y));
}

TEST(RoundedRegion, RadiusBelowOneCountsAsOne) {
  EXPECT_EQ(BuildRoundedRegion(0, 0, 10, 8, 0), BuildRoundedRegion(0, 0, 10, 8, 1));
  EXPECT_EQ(BuildRoundedRegion(0, 0, 0, 0, 3).Height(), 0);
}

TEST(RoundedRegion, RoundRectRegionCutsEllipticCorners) {
  const platform::PixelRegion square = BuildRoundRectRegion({2, -3, 8, 4}, 0, 0);
  EXPECT_EQ(square.Height(), 4);
  EXPECT_EQ(square.Row(0), (std::vector<platform::PixelRun>{{2, 8}}));
  const platform::PixelRegion round = BuildRoundRectRegion({0, 0, 20, 20}, 20, 20);
  EXPECT_FALSE(round.Contains(0, 0));
  EXPECT_TRUE(round.Contains(0, 10));
  EXPECT_TRUE(round.Contains(10, 0));
  EXPECT_EQ(BuildRoundRectRegion({5, 5, 5, 9}, 2, 2).Height(), 0);
}

int RadiusOf(int style, int width, int height) {
  ReadyButton b(width, height);
  b.button.SetStyle(style);
  return b.button.CornerRadius();
}

TEST(RoundedRegion, OutlineRadiusByStyle) {
  EXPECT_EQ(RadiusOf(2, 100, 30), 16);
  EXPECT_EQ(RadiusOf(2, 20, 30), 10);
  EXPECT_EQ(RadiusOf(3, 100, 30), 12);
  EXPECT_EQ(RadiusOf(3, 300, 90), 12);
  EXPECT_EQ(RadiusOf(4, 100, 30), 16);
  EXPECT_EQ(RadiusOf(5, 100, 40), 21);
  EXPECT_EQ(RadiusOf(6, 100, 30), 10);
  EXPECT_EQ(RadiusOf(6, 24, 90), 8);
  EXPECT_EQ(RadiusOf(7, 100, 30), 8);
  EXPECT_EQ(RadiusOf(7, 20, 30), 5);
}

TEST(RoundedRegion, ShapeWindowGivesRoundedStylesAnOutlineAndOthersNone) {
  ReadyButton b(100, 30);
  b.button.SetStyle(4);
  ASSERT_NE(b.host.Raster().WindowRegion(), nullptr);
  EXPECT_EQ(*b.host.Raster().WindowRegion(), BuildRoundedRegion(0, 0, 100, 30, 16));
  ASSERT_NE(b.button.InnerRegion(), nullptr);
  EXPECT_EQ(*b.button.InnerRegion(), BuildRoundedRegion(1, 1, 98, 28, 16));
  // Reshaping the same size reuses the built regions.
  const platform::PixelRegion* first = b.host.Raster().WindowRegion();
  b.button.ShapeWindow();
  EXPECT_EQ(b.host.Raster().WindowRegion(), first);

  for (int style : {0, 1, 8, -3}) {
    b.button.SetStyle(style);
    EXPECT_EQ(b.host.Raster().WindowRegion(), nullptr) << style;
    EXPECT_EQ(b.button.InnerRegion(), nullptr) << style;
  }
}

}  // namespace
}  // namespace tarnwick::candy
