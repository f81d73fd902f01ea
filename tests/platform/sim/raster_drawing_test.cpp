// The software raster's primitives: end points, box corners, ellipse coverage, clipping.
#include "platform/sim/raster_drawing.h"

#include <gtest/gtest.h>

#include "platform/sim/raster_colours.h"

namespace tarnwick::sim {
namespace {

struct Canvas {
  Canvas(int width, int height) : image(width, height, 0), drawing(image, colours, font) {}
  // Rows of the image as text: '#' for `colour`, '.' for anything else.
  std::string Text(platform::Colour colour = 0xFFFFFF) const {
    std::string text;
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) text += image.At(x, y) == colour ? '#' : '.';
      text += '\n';
    }
    return text;
  }
  RasterImage image;
  ClassicColourTranslator colours;
  platform::FontSpec font;
  RasterDrawing drawing;
};

TEST(RasterDrawing, LinesLeaveOutTheirEndPointInEveryDirection) {
  Canvas c(6, 4);
  c.drawing.Line(1, 0, 4, 0, 0xFFFFFF);  // right
  c.drawing.Line(4, 1, 1, 1, 0xFFFFFF);  // left
  c.drawing.Line(0, 3, 3, 0, 0xFFFFFF);  // up-right diagonal
  c.drawing.Line(5, 0, 5, 0, 0xFFFFFF);  // zero length: nothing
  EXPECT_EQ(c.Text(), ".###..\n..###.\n.#....\n#.....\n");
}

TEST(RasterDrawing, BoxesIncludeBothCornersAndRectsExcludeTheFarSides) {
  Canvas c(5, 4);
  c.drawing.FillBox(3, 2, 1, 1, 0xFFFFFF);
  EXPECT_EQ(c.Text(), ".....\n.###.\n.###.\n.....\n");
  Canvas d(5, 4);
  d.drawing.FillRect({1, 1, 3, 2}, 0xFFFFFF);
  d.drawing.FillRect({-9, 3, 99, 99}, 0xFFFFFF);  // clipped
  EXPECT_EQ(d.Text(), ".....\n.##..\n.....\n#####\n");
}

TEST(RasterDrawing, EllipseCoversPixelCentresInsideIt) {
  Canvas c(7, 5);
  c.drawing.FillEllipses({{{0, 0, 7, 5}, 0xFFFFFF}});
  // Row 0: centre row offset 2 of 2.5 leaves a half chord of 2.1, so columns 1..5.
  EXPECT_EQ(c.Text(), ".#####.\n#######\n#######\n#######\n.#####.\n");
  Canvas huge(4, 2);
  huge.drawing.FillEllipses({{{-100000, -3, 100000, 5}, 0xFFFFFF}});  // far larger than the image
  EXPECT_EQ(huge.Text(), "####\n####\n");
}

TEST(RasterDrawing, EllipsesInOneCallLookAsIfDrawnOneAfterAnother) {
  // Nested (as the glow draws them), overlapping side by side, disjoint and empty ones.
  const std::vector<platform::EllipseFill> ellipses{
      {{-20, 2, 60, 30}, 0x111111}, {{-14, 4, 54, 28}, 0x222222}, {{-8, 6, 48, 26}, 0x333333},
      {{30, 0, 40, 12}, 0x444444},  {{0, 20, 12, 32}, 0x555555},  {{8, 18, 20, 30}, 0x666666},
      {{5, 5, 5, 9}, 0x777777},     {{25, 8, 35, 22}, 0x888888}};
  Canvas batch(40, 30), sequence(40, 30);
  batch.drawing.FillEllipses(ellipses);
  for (const platform::EllipseFill& ellipse : ellipses) sequence.drawing.FillEllipses({ellipse});
  EXPECT_EQ(batch.image, sequence.image);
  EXPECT_EQ(batch.image.At(20, 15), 0x333333u);
  EXPECT_EQ(batch.image.At(35, 3), 0x444444u);
}

TEST(RasterDrawing, SystemColoursResolveAndUnknownOnesDrawBlack) {
  Canvas c(2, 1);
  c.image.Set(1, 0, 0x123456);
  c.drawing.SetPixel(0, 0, 0x80000005);  // window background: white
  c.drawing.SetPixel(1, 0, 0x7F000000);  // no colour
  c.drawing.SetPixel(9, 9, 0xFFFFFF);    // outside: ignored
  EXPECT_EQ(c.image.At(0, 0), 0xFFFFFFu);
  EXPECT_EQ(c.image.At(1, 0), 0u);
}

TEST(RasterDrawing, TextIsMeasuredPerCharacterAndScaledByFontSize) {
  Canvas c(10, 10);
  const platform::TextExtent one = c.drawing.MeasureText("A");
  EXPECT_GT(one.width, 0);
  EXPECT_EQ(one.height, 12);
  EXPECT_EQ(c.drawing.MeasureText("한").width, c.drawing.MeasureText("?").width);  // one glyph per character
  EXPECT_EQ(c.drawing.MeasureText("").width, 0);
  c.font.points = 18;
  EXPECT_EQ(c.drawing.MeasureText("A").height, 24);
}

}  // namespace
}  // namespace tarnwick::sim
