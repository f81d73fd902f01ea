#include "candy_button/colour_math.h"

#include <gtest/gtest.h>

#include "platform/sim/raster_colours.h"

namespace tarnwick::candy {
namespace {

const sim::ClassicColourTranslator kColours;

Colour Blend(Colour a, Colour b, std::int32_t percentage) {
  return BlendColors(a, b, percentage, kColours);
}

TEST(ColourMath, BlendTruncatesTowardsTheFirstColour) {
  EXPECT_EQ(Blend(0x000000, 0xFFFFFF, 50), 0x7F7F7Fu);
  EXPECT_EQ(Blend(0xFFFFFF, 0x000000, 50), 0x808080u);
  EXPECT_EQ(Blend(0x102030, 0x405060, 0), 0x102030u);
  EXPECT_EQ(Blend(0x102030, 0x405060, 100), 0x405060u);
  // Channels move independently: red up, blue down.
  EXPECT_EQ(Blend(0xFF0000, 0x0000FF, 10), platform::MakeColour(25, 0, 230));
}

TEST(ColourMath, BlendClampsThePercentageAndWritesItBack) {
  std::int32_t above = 150, below = -20;
  EXPECT_EQ(BlendColors(0x123456, 0xABCDEF, above, kColours), 0xABCDEFu);
  EXPECT_EQ(above, 100);
  EXPECT_EQ(BlendColors(0x123456, 0xABCDEF, below, kColours), 0x123456u);
  EXPECT_EQ(below, 0);
}

TEST(ColourMath, SplitsChannelsAndResolvesSystemColours) {
  EXPECT_EQ(SplitColour(0x00D06720, kColours), (ChannelTriple{32, 103, 208}));
  // System colour 5 (window background) is white in the classic table; 15 is button face.
  EXPECT_EQ(SplitColour(0x80000005, kColours), (ChannelTriple{255, 255, 255}));
  EXPECT_EQ(SplitColour(0x8000000F, kColours), (ChannelTriple{212, 208, 200}));
  // Unknown references and other high bytes split into black.
  EXPECT_EQ(SplitColour(0x800000FF, kColours), (ChannelTriple{0, 0, 0}));
  EXPECT_EQ(SplitColour(0x05FFFFFF, kColours), (ChannelTriple{0, 0, 0}));
  EXPECT_EQ(Blend(0x80000005, 0x000000, 50), 0x808080u);
}

TEST(ColourMath, ClampValueKeepsRangesInclusive) {
  EXPECT_EQ(ClampValue(-101, -100, 100), -100);
  EXPECT_EQ(ClampValue(-100, -100, 100), -100);
  EXPECT_EQ(ClampValue(250, -100, 100), 100);
  EXPECT_EQ(ClampValue(7, 0, 100), 7);
}

TEST(ColourMath, SchemesOneToSixAndNothingElse) {
  const std::optional<ColourScheme> blue = FindColourScheme(3);
  ASSERT_TRUE(blue);
  EXPECT_EQ(blue->up, 0x800000u);
  EXPECT_EQ(blue->hover, 0xA00000u);
  EXPECT_EQ(blue->down, 0xF00000u);
  EXPECT_EQ(blue->bright, 0xFF0000u);
  EXPECT_EQ(FindColourScheme(1)->up, 0xD06720u);
  EXPECT_EQ(FindColourScheme(6)->bright, 0x00FFFFu);
  for (int other : {0, 7, -1, 9}) EXPECT_FALSE(FindColourScheme(other)) << other;
  // In schemes 3-6 the rest colour is the darkest and the pressed colour the lightest.
  for (int scheme = 3; scheme <= 6; ++scheme) {
    const ColourScheme s = *FindColourScheme(scheme);
    EXPECT_LT(s.up, s.hover);
    EXPECT_LT(s.hover, s.down);
  }
}

}  // namespace
}  // namespace tarnwick::candy
