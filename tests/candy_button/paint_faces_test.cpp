// Chosen pixels of the gloss and shaded faces: where each colour rule lands.
#include <gtest/gtest.h>

#include "candy_test_support.h"

namespace tarnwick::candy {
namespace {

using testing::ReadyButton;

const sim::ClassicColourTranslator kColours;

Colour Blend(Colour a, Colour b, std::int32_t percentage) {
  return BlendColors(a, b, percentage, kColours);
}

struct Face : ReadyButton {
  explicit Face(int style) : ReadyButton(100, 30) {
    button.SetCaption("");
    button.SetColorScheme(1);
    button.SetStyle(style);
  }
};

TEST(PaintFaces, GlossHighlightFadesFromWhiteDownTheTopRows) {
  Face b(2);  // radius 16, highlight fade 50 points per 16 rows
  const Colour up = FindColourScheme(1)->up;
  EXPECT_EQ(b.Image().At(50, 2), Blend(platform::kWhite, up, 50 * 2 / 16));
  EXPECT_EQ(b.Image().At(50, 10), Blend(platform::kWhite, up, 50 * 10 / 16));
  // Below the highlight the glow brightens towards the bright colour near the bottom centre.
  const Colour low = b.Image().At(50, 27);
  EXPECT_NE(low, up);
  EXPECT_GT(low >> 16 & 0xFF, up >> 16 & 0xFF);
}

TEST(PaintFaces, ShadedFaceRampsFromTheMiddleAndHasADarkEdge) {
  Face b(6);  // radius 10; P = 99, Q = 29
  const ColourScheme scheme = *FindColourScheme(1);
  EXPECT_EQ(b.Image().At(1, 15), Blend(platform::kBlack, scheme.up, 50));   // edge ring
  EXPECT_EQ(b.Image().At(98, 15), Blend(platform::kBlack, scheme.up, 50));  // mirrored
  EXPECT_EQ(b.Image().At(50, 14), Blend(scheme.up, scheme.bright, 3));      // near the middle row
  EXPECT_EQ(b.Image().At(50, 25), Blend(scheme.up, scheme.bright, 72));     // |(50 - 29) * 100 \ 29|
  EXPECT_EQ(b.Image().At(50, 3), Blend(platform::kWhite, scheme.up, 9));    // top band, 3 * 30 \ 10
  b.button.Redraw(ButtonState::Hover);
  EXPECT_EQ(b.Image().At(50, 14), Blend(scheme.hover, scheme.bright, 3));
}

TEST(PaintFaces, CompositeShowsOnlyThePixelsInsideTheOutline) {
  Face b(3);
  const sim::RasterImage shown = b.host.Raster().Composite(0x00FF00);
  EXPECT_EQ(shown.At(0, 15), 0x00FF00u);   // left column is outside every outline
  EXPECT_EQ(shown.At(1, 1), 0x00FF00u);    // rounded corner
  EXPECT_EQ(shown.At(50, 15), b.Image().At(50, 15));
}

TEST(PaintFaces, FilePicturesTakeTheirKindFromTheName) {
  sim::RasterCandyHost host(10, 10);
  EXPECT_FALSE(host.Pictures().Load(::testing::TempDir() + "no_such_picture.bmp"));
  const std::string path = ::testing::TempDir() + "candy_kind.png";
  ASSERT_TRUE(sim::WritePng(sim::RasterImage(2, 2, 0xFF), path));
  const std::optional<ButtonPicture> png = host.Pictures().Load(path);
  ASSERT_TRUE(png);
  EXPECT_EQ(png->kind, platform::PictureKind::Icon);
  EXPECT_EQ(png->source, path);
  EXPECT_EQ(png->image.WidthPixels(), 2);
}

}  // namespace
}  // namespace tarnwick::candy
