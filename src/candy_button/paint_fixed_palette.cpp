// The fixed-palette faces: style 0 (classic raised button) and style 1 (flat, invisible at
// rest). Both fade horizontal lines between fixed colours and draw an outline with cut
// corners; the colour properties are not used.
#include <algorithm>
#include <array>
#include <cmath>

#include "candy_button/paint_context.h"

namespace tarnwick::candy {
namespace {

struct Rgb {
  int red, green, blue;
};

// Step i of a fade of n steps from `from` to `to`; steps beyond n continue the line.
Colour Fade(Rgb from, Rgb to, int i, int n) {
  const double t = n == 0 ? 0.0 : double(i) / n;
  const auto channel = [t](int s, int e) {
    return std::clamp(static_cast<int>(std::nearbyint(t * e + s - t * s)), 0, 255);
  };
  return platform::MakeColour(channel(from.red, to.red), channel(from.green, to.green),
                              channel(from.blue, to.blue));
}

Colour ToColour(Rgb c) { return platform::MakeColour(c.red, c.green, c.blue); }

struct OutlineColours {
  Rgb corner, diagonal, edge;
};

void PaintOutline(platform::DrawingPort& draw, int Wb, int Hb, const OutlineColours& c) {
  const Colour K = ToColour(c.corner), D = ToColour(c.diagonal), E = ToColour(c.edge);
  draw.SetPixel(0, 1, K);
  draw.SetPixel(1, 0, K);
  draw.Line(0, 2, 2, 0, D);
  draw.Line(2, 0, Wb - 2, 0, E);
  draw.SetPixel(Wb - 1, 0, K);
  draw.SetPixel(Wb, 1, K);
  draw.Line(Wb - 2, 0, Wb, 2, D);
  draw.Line(Wb, 2, Wb, Hb - 2, E);
  draw.SetPixel(Wb, Hb - 1, K);
  draw.SetPixel(Wb - 1, Hb, K);
  draw.Line(Wb, Hb - 2, Wb - 2, Hb, D);
  draw.Line(Wb - 2, Hb, 2, Hb, E);
  draw.SetPixel(1, Hb, K);
  draw.SetPixel(0, Hb - 1, K);
  draw.Line(2, Hb, 0, Hb - 2, D);
  draw.Line(0, Hb - 2, 0, 2, E);
}

// A pressed-looking body in three bands: four fading rows at the top, a long fade, and
// `bottom_rows` fading rows at the bottom.
struct BandColours {
  Rgb top, middle, low, bottom;
};

void PaintBands(platform::DrawingPort& draw, int Wb, int Hb, const BandColours& c,
                int bottom_rows) {
  for (int i = 0; i <= 3; ++i) draw.Line(0, i + 1, Wb, i + 1, Fade(c.top, c.middle, i, 3));
  for (int i = 4; i <= Hb - 4; ++i) draw.Line(0, i, Wb, i, Fade(c.middle, c.low, i, Hb - 6));
  for (int i = 0; i < bottom_rows; ++i)
    draw.Line(0, Hb - 4 + i, Wb, Hb - 4 + i, Fade(c.low, c.bottom, i, 3));
}

void ClearToParent(const PaintContext& context, int Wb, int Hb) {
  if (context.parent_back_colour)
    context.draw.FillBox(0, 0, Wb, Hb, *context.parent_back_colour);
}

void PaintClassicRaisedBody(platform::DrawingPort& draw, int Wb, int Hb) {
  const Rgb white{255, 255, 255}, light{236, 235, 230}, shade{214, 208, 197};
  for (int i = 0; i <= Hb - 3; ++i) draw.Line(1, i, Wb, i, Fade(white, light, i, Hb - 3));
  for (int i = 0; i <= 3; ++i) draw.Line(0, Hb - 4 + i, Wb, Hb - 4 + i, Fade(light, shade, i, 3));
}

void PaintClassicFrame(platform::DrawingPort& draw, int Wb, int Hb, const std::array<Rgb, 4>& a) {
  draw.Line(0, 1, Wb, 1, ToColour(a[0]));
  draw.Line(0, 2, Wb, 2, ToColour(a[1]));
  for (int i = 3; i <= Hb - 3; ++i) {
    const Colour fade = Fade(a[1], a[2], i, Hb);
    draw.Line(0, i, 3, i, fade);
    draw.Line(Wb - 2, i, Wb, i, fade);
  }
  draw.Line(0, Hb - 2, Wb, Hb - 2, ToColour(a[2]));
  draw.Line(0, Hb - 1, Wb, Hb - 1, ToColour(a[3]));
}

}  // namespace

void PaintStyleClassic(PaintContext& context, ButtonState state) {
  const int Wb = context.width - 1, Hb = context.height - 1;
  platform::DrawingPort& draw = context.draw;
  ClearToParent(context, Wb, Hb);
  if (state == ButtonState::Pressed) {
    PaintBands(draw, Wb, Hb, {{209, 204, 193}, {229, 228, 221}, {226, 226, 218}, {242, 241, 238}}, 5);
  } else {
    PaintClassicRaisedBody(draw, Wb, Hb);
  }
  if (state == ButtonState::Focused)
    PaintClassicFrame(draw, Wb, Hb, {{{206, 231, 255}, {188, 212, 246}, {137, 173, 228}, {105, 130, 238}}});
  if (state == ButtonState::Hover)
    PaintClassicFrame(draw, Wb, Hb, {{{255, 240, 202}, {253, 216, 137}, {248, 178, 48}, {229, 151, 0}}});
  PaintOutline(draw, Wb, Hb, {{122, 149, 168}, {37, 87, 131}, {0, 60, 116}});
}

void PaintStyleFlat(PaintContext& context, ButtonState state) {
  const int Wb = context.width - 1, Hb = context.height - 1;
  platform::DrawingPort& draw = context.draw;
  ClearToParent(context, Wb, Hb);
  switch (state) {
    case ButtonState::Pressed:
      PaintBands(draw, Wb, Hb, {{220, 218, 209}, {231, 230, 224}, {225, 224, 216}, {235, 234, 229}}, 4);
      PaintOutline(draw, Wb, Hb, {{215, 215, 204}, {179, 179, 168}, {157, 157, 146}});
      break;
    case ButtonState::Hover:
      PaintBands(draw, Wb, Hb, {{254, 254, 253}, {252, 252, 249}, {238, 237, 229}, {215, 210, 198}}, 4);
      PaintOutline(draw, Wb, Hb, {{232, 232, 221}, {216, 216, 205}, {206, 206, 195}});
      break;
    case ButtonState::Checked:
      draw.FillBox(1, 1, Wb - 1, Hb - 1, platform::kWhite);
      PaintOutline(draw, Wb, Hb, {{203, 213, 214}, {152, 175, 190}, {122, 152, 175}});
      break;
    default:
      break;
  }
}

}  // namespace tarnwick::candy
