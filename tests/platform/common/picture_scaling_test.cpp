// Pictures drawn at their own size follow the display's scaling.
#include "platform/common/picture_scaling.h"

#include <gtest/gtest.h>

namespace tarnwick::platform {
namespace {

PixelGrid Grid(int width, int height, std::vector<std::uint32_t> pixels) { return {width, height, std::move(pixels)}; }

TEST(ScaledLength, GrowsByDpiOver96RoundingHalvesUp) {
  EXPECT_EQ(ScaledLength(83, 96), 83);
  EXPECT_EQ(ScaledLength(83, 144), 125) << "124.5";
  EXPECT_EQ(ScaledLength(83, 120), 104) << "103.75";
  EXPECT_EQ(ScaledLength(83, 192), 166);
  EXPECT_EQ(ScaledLength(1, 120), 1);
  EXPECT_EQ(ScaledLength(1, 48), 1) << "a picture never vanishes";
  EXPECT_EQ(ScaledLength(0, 144), 0);
}

TEST(Resample, FlatAreasStayExactlyFlatAtEverySize) {
  for (const std::uint32_t colour : {0xFF204060u, 0x80402010u, 0x00000000u, 0xFFFFFFFFu}) {
    const PixelGrid flat = Grid(7, 5, std::vector<std::uint32_t>(35, colour));
    for (const auto& [width, height] : {std::pair{9, 6}, std::pair{14, 10}, std::pair{11, 8}, std::pair{3, 2}}) {
      const PixelGrid scaled = Resample(flat, width, height);
      ASSERT_EQ(scaled.pixels.size(), std::size_t(width * height));
      for (std::uint32_t pixel : scaled.pixels) ASSERT_EQ(pixel, colour) << std::hex << colour << " at " << width;
    }
  }
}

TEST(Resample, AnEdgeGrowsSmoothlyWithItsEndsKept) {
  // A black-to-white step, four pixels each side, to twice its width.
  std::vector<std::uint32_t> row(8, 0xFF000000u);
  for (int x = 4; x < 8; ++x) row[std::size_t(x)] = 0xFFFFFFFFu;
  const PixelGrid scaled = Resample(Grid(8, 1, row), 16, 1);
  ASSERT_EQ(scaled.width, 16);
  EXPECT_EQ(scaled.pixels.front(), 0xFF000000u);
  EXPECT_EQ(scaled.pixels.back(), 0xFFFFFFFFu);
  int previous = -1;
  for (std::uint32_t pixel : scaled.pixels) {
    const int grey = int(pixel & 0xFF);
    EXPECT_GE(grey, previous) << "no dip: the cubic's overshoot is clamped";
    previous = grey;
    EXPECT_EQ(pixel >> 24, 0xFFu);
  }
  EXPECT_GT(scaled.pixels[7] & 0xFF, 0u) << "the edge is blended, not a hard copy";
  EXPECT_LT(scaled.pixels[8] & 0xFF, 255u);
}

TEST(Resample, ShrinkingAveragesEveryPixelAndColourNeverExceedsAlpha) {
  // A fine checkerboard halves to an even grey: no pixel is skipped.
  std::vector<std::uint32_t> board(256);
  for (int i = 0; i < 256; ++i) board[std::size_t(i)] = ((i % 16 + i / 16) % 2) ? 0xFFFFFFFFu : 0xFF000000u;
  const PixelGrid halved = Resample(Grid(16, 16, board), 8, 8);
  for (int y = 1; y < 7; ++y) {
    for (int x = 1; x < 7; ++x) EXPECT_NEAR(int(halved.pixels[std::size_t(y * 8 + x)] & 0xFF), 128, 1) << x << "," << y;
  }
  // Opaque next to clear, premultiplied: the blend's colour stays within its alpha.
  const PixelGrid scaled = Resample(Grid(2, 1, {0xFFFFFFFFu, 0x00000000u}), 7, 1);
  for (std::uint32_t pixel : scaled.pixels) {
    for (int shift = 0; shift < 24; shift += 8) EXPECT_LE(pixel >> shift & 0xFF, pixel >> 24);
  }
}

TEST(Resample, NothingToScaleGivesNothing) {
  EXPECT_TRUE(Resample({}, 4, 4).pixels.empty());
  EXPECT_TRUE(Resample(Grid(2, 2, {1, 2, 3, 4}), 0, 3).pixels.empty());
  EXPECT_TRUE(Resample(Grid(2, 2, {1, 2, 3}), 4, 4).pixels.empty()) << "pixels missing";
}

}  // namespace
}  // namespace tarnwick::platform
