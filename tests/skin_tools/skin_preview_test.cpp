// The preview: the launcher's windows drawn from the simulated window table.
#include "skin_tools/skin_preview.h"

#include <gtest/gtest.h>

#include "platform/sim/raster_png.h"
#include "platform/sim/raster_stretch.h"
#include "skin_tools/design_pictures.h"
#include "skin_folder.h"

namespace tarnwick::skin_test {
namespace {

const std::filesystem::path kGolden = std::filesystem::path(TARNWICK_SOURCE_DIR) / "tests/golden/skin_preview_sample.png";

skin_tools::Preview Render(const std::filesystem::path& folder, const skin_tools::PreviewOptions& options) {
  static sim::Cp949CodePage code_page;
  return skin_tools::RenderPreview(folder, code_page, options);
}

// The number of pixels in which two images differ, or -1 when their sizes differ.
long Differences(const sim::RasterImage& a, const sim::RasterImage& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  long count = 0;
  for (std::size_t i = 0; i < a.Pixels().size(); ++i) count += a.Pixels()[i] != b.Pixels()[i];
  return count;
}

TEST(SkinPreview, SampleWithPanelMatchesTheGoldenPicturePixelForPixel) {
  skin_tools::PreviewOptions options;
  options.panel = true;
  const auto preview = Render(kSampleFolder, options);
  ASSERT_TRUE(preview.image) << preview.problem;
  const auto golden = sim::ReadPng(kGolden.string());
  ASSERT_TRUE(golden) << "missing " << kGolden;
  EXPECT_EQ(Differences(*preview.image, *golden), 0)
      << "to accept a new look: build/native/tarnwick-skin preview sample --panel -o " << kGolden;
}

class PreviewOfAFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteConfig("[option1]\r\ntransparency=0\r\n[003]\r\nimage=red.bmp\r\n");
    folder_.WriteFile("image/red.bmp", test::SolidBmp(10, 10, 0xFF0000));
  }
  SkinFolder folder_;
};

TEST_F(PreviewOfAFolder, AnInvisibleBarLeavesOnlyTheCheckeredBackdrop) {
  const auto preview = Render(folder_.Path(), {});
  ASSERT_TRUE(preview.image);
  sim::RasterImage backdrop(1280, 800);
  skin_tools::DrawCheckers(backdrop);
  EXPECT_EQ(Differences(*preview.image, backdrop), 0);
}

TEST_F(PreviewOfAFolder, TheBarDocksAtTheRightEdgeWithItsPictureStretchedAndThePressFrame) {
  folder_.WriteConfig("[003]\r\nimage=red.bmp\r\n");
  skin_tools::PreviewOptions options;
  options.pressed = 3;
  options.screen.width_px = 1024;
  options.screen.height_px = 768;
  const auto preview = Render(folder_.Path(), options);
  ASSERT_TRUE(preview.image);
  const sim::RasterImage& image = *preview.image;
  EXPECT_EQ(image.Width(), 1024);
  // The bar is 1335 twips (89 pixels) wide at the right edge; button 3 is 73 x 57 at (8, 168).
  const int left = 1024 - 89;
  EXPECT_EQ(image.At(left, 0), 0x404040u) << "the bar's background colour";
  EXPECT_EQ(image.At(left + 8 + 36, 168 + 28), platform::MakeColour(255, 0, 0)) << "the picture fills the button";
  EXPECT_EQ(image.At(left + 8 + 72, 168 + 56), platform::MakeColour(0, 0, 0)) << "the press frame's corner";
  // Button 7 (top 600 + 6 x 960 twips = 424 pixels) shows its built-in picture at its own size.
  skin_tools::EmbeddedDesignPictures design;
  const auto* tile = dynamic_cast<const sim::SimPictureData*>(
      design.LoadDesignPicture(platform::DesignPicture::MainLaunchButton, 6).Data());
  ASSERT_NE(tile, nullptr);
  for (const auto& [x, y] : {std::pair{5, 5}, std::pair{36, 28}, std::pair{70, 50}}) {
    EXPECT_EQ(image.At(left + 8 + x, 424 + y), tile->Pixels()[std::size_t(y * 73 + x)] & 0xFFFFFFu) << x << "," << y;
  }
  EXPECT_NE(image.At(left - 1, 0), 0x404040u) << "nothing of the bar left of it";
}

TEST_F(PreviewOfAFolder, TheLeEditionsPanelStandsLeftOfTheBar) {
  skin_tools::PreviewOptions options;
  options.panel = true;
  options.edition = Edition::Le;
  folder_.WriteConfig("[option1]\r\n");
  const auto preview = Render(folder_.Path(), options);
  ASSERT_TRUE(preview.image);
  // Left = screen width - 15340 - 500 - the bar's 1335 twips = 2025 twips (135 pixels); the
  // panel is 15340 twips (1023 pixels) wide, so its frame ends 33 pixels left of the bar.
  EXPECT_EQ(preview.image->At(135, 700), 0x808080u) << "the panel's left frame";
  EXPECT_EQ(preview.image->At(1157, 700), 0x808080u) << "the panel's right frame";
  EXPECT_NE(preview.image->At(134, 700), 0x808080u);
  EXPECT_NE(preview.image->At(1158, 700), 0x808080u);
  EXPECT_NE(preview.image->At(1190, 700), 0x404040u) << "backdrop between panel and bar";
}

// At 150 % the bar's background picture is drawn at one and a half times its size, as the
// programs draw it, instead of stopping at its 96-dpi width inside a wider bar.
TEST_F(PreviewOfAFolder, At150PercentTheBackgroundPictureGrowsWithTheBar) {
  folder_.WriteConfig("[BG1]\r\nimage=bg.bmp\r\n");
  folder_.WriteFile("image/bg.bmp", test::SolidBmp(83, 100, 0xFF0000));
  skin_tools::PreviewOptions options;
  options.scale_percent = 150;
  options.screen.width_px = 1920;
  options.screen.height_px = 1200;
  const auto preview = Render(folder_.Path(), options);
  ASSERT_TRUE(preview.image);
  // 1335 twips at 10 twips a pixel: 134 pixels at the right edge. The picture becomes 125 x 150;
  // the buttons stand 12 pixels in from the left and the top.
  const int left = 1920 - 134;
  const auto red = platform::MakeColour(255, 0, 0);
  EXPECT_EQ(preview.image->At(left + 5, 5), red);
  EXPECT_EQ(preview.image->At(left + 123, 5), red) << "beyond 83 pixels: the picture grew";
  EXPECT_EQ(preview.image->At(left + 5, 148), red);
  EXPECT_EQ(preview.image->At(left + 5, 152), 0x404040u) << "below the grown picture: the window's colour";
  EXPECT_EQ(preview.image->At(left + 129, 5), 0x404040u) << "right of it";
}

TEST(SkinPreview, AFolderWithoutConfigGivesAReasonAndNoPicture) {
  SkinFolder folder;
  const auto preview = Render(folder.Path(), {});
  EXPECT_FALSE(preview.image);
  EXPECT_NE(preview.problem.find("config.ini is missing"), std::string::npos);
}

TEST(RasterStretch, AveragesWhatEachPixelCoversAndBlendsByAlpha) {
  const sim::SimPictureData two_by_one(2, 1, {0xFF0000FFu, 0xFFFF0000u}, "t");  // red, blue
  sim::RasterImage image(3, 2, 0x00FF00);
  sim::DrawStretchedPicture(image, two_by_one, {0, 0, 1, 1});
  EXPECT_EQ(image.At(0, 0), platform::MakeColour(128, 0, 128)) << "both halves averaged";
  sim::DrawStretchedPicture(image, two_by_one, {0, 1, 3, 2});
  EXPECT_EQ(image.At(0, 1), platform::MakeColour(255, 0, 0));
  EXPECT_EQ(image.At(1, 1), platform::MakeColour(128, 0, 128)) << "the middle pixel covers half of each";
  EXPECT_EQ(image.At(2, 1), platform::MakeColour(0, 0, 255));
  const sim::SimPictureData half_white(1, 1, {0x80FFFFFFu}, "h");
  sim::DrawStretchedPicture(image, half_white, {2, 0, 3, 1});
  EXPECT_EQ(image.At(2, 0), platform::MakeColour(128, 255, 128)) << "half white over green";
}

TEST(RasterStretch, OnlyThePartInsideTheImageIsDrawnAndTheRestCostsNothing) {
  const sim::SimPictureData two_by_one(2, 1, {0xFF0000FFu, 0xFFFF0000u}, "t");  // red, blue
  sim::RasterImage image(4, 1, 0x00FF00);
  sim::DrawStretchedPicture(image, two_by_one, {-1, 0, 3, 1});  // four columns, the first off the image
  EXPECT_EQ(image.At(0, 0), platform::MakeColour(255, 0, 0));
  EXPECT_EQ(image.At(1, 0), platform::MakeColour(0, 0, 255));
  EXPECT_EQ(image.At(2, 0), platform::MakeColour(0, 0, 255));
  EXPECT_EQ(image.At(3, 0), platform::MakeColour(0, 255, 0)) << "right of the target";
  // Scaled to 200 million pixels a side, which no memory holds; the image sees the middle pixel.
  const sim::SimPictureData three_by_three(3, 3, {0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFFFFFFFFu,
                                                  0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u}, "n");
  sim::RasterImage small(4, 4, 0x00FF00);
  sim::DrawStretchedPicture(small, three_by_three, {-100000000, -100000000, 100000000, 100000000});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(small.At(x, y), platform::MakeColour(255, 255, 255)) << x << "," << y;
}

TEST(EmbeddedDesignPictures, EachHasTheSizeOfItsControlsDesign) {
  skin_tools::EmbeddedDesignPictures design;
  using platform::DesignPicture;
  const auto size = [&](DesignPicture which, int offset) {
    const platform::Picture picture = design.LoadDesignPicture(which, offset);
    return std::pair{picture.WidthPixels(), picture.HeightPixels()};
  };
  EXPECT_EQ(size(DesignPicture::MainTopButton, 0), std::pair(73, 23));
  for (int i = 0; i < 24; ++i) EXPECT_EQ(size(DesignPicture::MainLaunchButton, i), std::pair(73, 57)) << i;
  for (int i = 0; i < 7; ++i) EXPECT_EQ(size(DesignPicture::PanelFolderTab, i), std::pair(137, 41)) << i;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(size(DesignPicture::PanelProgramButton, i), std::pair(73, 57)) << i;
  EXPECT_EQ(size(DesignPicture::PanelAboutButton, 0), std::pair(73, 57));
  EXPECT_TRUE(design.LoadDesignPicture(DesignPicture::PanelAboutButton, 1).Empty());
}

}  // namespace
}  // namespace tarnwick::skin_test
