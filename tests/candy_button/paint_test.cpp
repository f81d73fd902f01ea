// Face painters and caption/picture drawing, checked on the software raster.
#include <gtest/gtest.h>

#include "candy_test_support.h"
#include "platform/sim/sim_pictures.h"

namespace tarnwick::candy {
namespace {

using testing::ReadyButton;

// A button with no caption, so that only the face is painted.
struct FaceOnly : ReadyButton {
  explicit FaceOnly(int style, int width = 100, int height = 30) : ReadyButton(width, height) {
    button.SetCaption("");
    button.SetStyle(style);
  }
  sim::RasterImage Paint(ButtonState state) {
    button.Redraw(state);
    return Image();
  }
};

TEST(Paint, BorderRingFollowsBorderBrightness) {
  FaceOnly b(2);
  const struct { int brightness; Colour ring; } cases[] = {
      {-100, platform::kBlack}, {0, kDefaultFaceColour}, {100, platform::kWhite}};
  for (const auto& c : cases) {
    b.button.SetBorderBrightness(c.brightness);
    // Column 1 and column W-1 at mid height lie between the outline and the inner region.
    EXPECT_EQ(b.Image().At(1, 15), c.ring) << c.brightness;
    EXPECT_EQ(b.Image().At(99, 15), c.ring) << c.brightness;
    EXPECT_NE(b.Image().At(5, 15), c.ring) << c.brightness;
  }
}

TEST(Paint, DisabledGlossUsesTheGreyFaceAndAWhiteGlow) {
  for (int style : {2, 3, 4, 5, 7}) {
    FaceOnly disabled(style), lookalike(style);
    disabled.button.SetEnabled(false);
    lookalike.button.SetColorButtonUp(kDisabledFaceColour);
    lookalike.button.SetColorBright(platform::kWhite);
    EXPECT_EQ(disabled.Paint(ButtonState::Normal), lookalike.Paint(ButtonState::Normal)) << style;
    EXPECT_NE(disabled.Image(), FaceOnly(style).Paint(ButtonState::Normal)) << style;
  }
}

TEST(Paint, CheckedRepaintsUseThePressedColoursOnRoundedStyles) {
  for (int style = 2; style <= 7; ++style) {
    FaceOnly pressed(style), checked(style);
    pressed.button.SetColorScheme(1);  // a scheme whose rest and pressed colours differ
    checked.button.SetColorScheme(1);
    checked.button.SetChecked(true);
    EXPECT_EQ(checked.Paint(ButtonState::Hover), pressed.Paint(ButtonState::Pressed)) << style;
    EXPECT_NE(checked.Image(), pressed.Paint(ButtonState::Normal)) << style;
  }
  FaceOnly classic(0);
  classic.button.SetChecked(true);
  EXPECT_EQ(classic.Paint(ButtonState::Pressed), FaceOnly(0).Paint(ButtonState::Normal));
}

TEST(Paint, FlatStyleAtRestShowsOnlyTheParentColour) {
  for (ButtonState state : {ButtonState::Normal, ButtonState::Focused}) {
    FaceOnly b(1);
    b.host.Raster().SetParentBackColour(0x336699);
    const sim::RasterImage image = b.Paint(state);
    for (Colour pixel : image.Pixels()) ASSERT_EQ(pixel, 0x336699u);
  }
  FaceOnly hover(1);
  EXPECT_EQ(hover.Paint(ButtonState::Hover).At(2, 0), platform::MakeColour(206, 206, 195));
}

TEST(Paint, ClassicOutlineHasCutCornersInItsFixedPalette) {
  FaceOnly b(0, 40, 20);
  const sim::RasterImage image = b.Paint(ButtonState::Normal);
  const Colour corner = platform::MakeColour(122, 149, 168), diagonal = platform::MakeColour(37, 87, 131);
  EXPECT_EQ(image.At(0, 1), corner);
  EXPECT_EQ(image.At(1, 1), diagonal);
  EXPECT_EQ(image.At(10, 0), 0x743C00u);
  EXPECT_EQ(image.At(39, 10), 0x743C00u);
  EXPECT_EQ(image.At(10, 19), 0x743C00u);
  EXPECT_EQ(image.At(0, 0), 0xC8D0D4u);  // the corner keeps the parent colour
  EXPECT_EQ(image.At(10, 1), platform::MakeColour(254, 254, 253));  // step 1 of 16 of the body fade
  // Hover draws the orange inner frame on rows 1 and 2.
  EXPECT_EQ(b.Paint(ButtonState::Hover).At(10, 1), platform::MakeColour(255, 240, 202));
  EXPECT_EQ(b.Image().At(10, 2), platform::MakeColour(253, 216, 137));
}

TEST(Paint, TooSmallButtonsPaintNoFaceAndDoNotCrash) {
  for (auto [width, height] : {std::pair{0, 30}, {30, 0}, {1, 1}, {0, 0}, {1, 30}}) {
    for (int style = 0; style <= 7; ++style) {
      ReadyButton b(width, height);
      b.button.SetStyle(style);
      const sim::RasterImage before = b.Image();
      b.button.Redraw(ButtonState::Hover);
      EXPECT_EQ(b.Image(), before) << width << "x" << height << " style " << style;
    }
  }
  FaceOnly tiny(3, 12, 5);  // style 3 glow height turns negative on a 5-pixel button
  EXPECT_NO_FATAL_FAILURE(tiny.Paint(ButtonState::Normal));
}

sim::RasterImage CaptionRow(const std::string& caption, int row) {
  FaceOnly b(1);
  b.button.SetCaption(caption);
  const sim::RasterImage image = b.Paint(ButtonState::Normal);
  sim::RasterImage line(image.Width(), 1);
  for (int x = 0; x < image.Width(); ++x) line.Set(x, 0, image.At(x, row));
  return line;
}

TEST(Paint, AmpersandUnderlinesTheAccessKey) {
  // Caption height 12 on a 30-pixel face: top at 9, underline on row 9 + 9.
  const sim::RasterImage marked = CaptionRow("&Go", 18), plain = CaptionRow("Go", 18);
  const auto count_black = [](const sim::RasterImage& line) {
    return std::count(line.Pixels().begin(), line.Pixels().end(), platform::kBlack);
  };
  EXPECT_EQ(count_black(plain), 0);
  EXPECT_GE(count_black(marked), 4);
  EXPECT_EQ(count_black(CaptionRow("&&Go", 18)), 0);
}

TEST(Paint, CaptionColourFollowsStateAndEnabled) {
  FaceOnly b(1);
  b.button.SetCaption("Hi");
  b.button.SetForeColor(0x0000FF);
  b.button.SetCaptionHighLite(true);
  b.button.SetCaptionHighLiteColor(0x00FF00);
  const auto contains = [](const sim::RasterImage& image, Colour colour) {
    return std::count(image.Pixels().begin(), image.Pixels().end(), colour) > 0;
  };
  EXPECT_TRUE(contains(b.Paint(ButtonState::Normal), 0x0000FF));
  EXPECT_TRUE(contains(b.Paint(ButtonState::Hover), 0x00FF00));
  EXPECT_FALSE(contains(b.Image(), 0x0000FF));
  EXPECT_EQ(b.host.Raster().TextColour(), 0x0000FFu);
  b.button.SetEnabled(false);  // embossed grey, not the fore colour
  EXPECT_TRUE(contains(b.Paint(ButtonState::Normal), 0x808080));
  EXPECT_FALSE(contains(b.Image(), 0x0000FF));
}

ButtonPicture RedSquare(platform::PictureKind kind) {
  return {platform::Picture(std::make_shared<sim::SimPictureData>(
              4, 4, std::vector<std::uint32_t>(16, 0xFF0000FFu), "red")),
          kind, ""};
}

TEST(Paint, PictureGoesEightPixelsInWithoutAnOutlineRadius) {
  FaceOnly b(0, 100, 30);
  b.button.SetPictureAlignment(2);
  b.button.SetPicture(RedSquare(platform::PictureKind::Bitmap));
  const int top = (30 - 4) / 2 + 1;
  EXPECT_EQ(b.Image().At(8, top), 0x0000FFu);
  EXPECT_EQ(b.Image().At(11, top + 3), 0x0000FFu);
  EXPECT_NE(b.Image().At(7, top), 0x0000FFu);
  EXPECT_NE(b.Image().At(12, top), 0x0000FFu);
}

TEST(Paint, PictureEffectsForHoverHighlightAndDisabled) {
  FaceOnly b(1);
  b.button.SetPicture(RedSquare(platform::PictureKind::Icon));
  b.button.SetIconHighLite(true);
  b.button.SetIconHighLiteColor(0x00FF00);
  const int x = (100 - 4) / 2 + 1, y = (30 - 4) / 2 + 1;
  EXPECT_EQ(b.Paint(ButtonState::Normal).At(x, y), 0x0000FFu);
  EXPECT_EQ(b.Paint(ButtonState::Hover).At(x, y), 0x00FF00u);
  EXPECT_EQ(b.Paint(ButtonState::Pressed).At(x + 1, y + 1), 0x0000FFu);
  b.button.SetEnabled(false);
  EXPECT_EQ(b.Paint(ButtonState::Hover).At(x, y), 0x808080u);
  EXPECT_EQ(b.Image().At(x + 4, y + 4), platform::kWhite);
}

}  // namespace
}  // namespace tarnwick::candy
