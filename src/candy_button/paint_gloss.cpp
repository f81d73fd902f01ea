// Gloss faces (styles 2, 3, 4, 5, 7): a face colour, a glow of concentric ellipses that
// brightens towards the bright colour, a white-to-face highlight at the top and a one-pixel
// border ring in a colour set by BorderBrightness.
#include <cmath>
#include <vector>

#include "candy_button/gloss_params.h"
#include "candy_button/paint_context.h"
#include "candy_button/rounded_region.h"

namespace tarnwick::candy {
namespace {

int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

Colour BorderColour(PaintContext& context, Colour face) {
  std::int32_t& brightness = context.props.border_brightness;
  if (brightness < 0) return context.Blend(face, platform::kBlack, -brightness);
  return BlendColors(face, platform::kWhite, brightness, context.colours);  // clamps the member
}

void PaintGlow(PaintContext& context, const GlossParams& p, Colour face, Colour bright) {
  const int dx = RoundHalfEven(context.width * p.r7 / 100.0);
  const int dy = RoundHalfEven(context.height * p.r8 / 100.0);
  platform::PixelRect rect{p.r9 - dx, p.r10 - dy, p.r9 + dx, p.r10 + dy};
  if (rect.Empty()) return;
  const double sx = dy < dx ? double(dx) / dy : 1.0;
  const double sy = dy < dx ? 1.0 : double(dy) / dx;
  const int step_x = RoundHalfEven(sx), step_y = RoundHalfEven(sy);
  std::vector<platform::EllipseFill> glow;
  Colour brush = face;
  for (int i = 1; !rect.Empty();) {
    glow.push_back({rect, brush});
    rect = {rect.left + step_x, rect.top + step_y, rect.right - step_x, rect.bottom - step_y};
    ++i;
    brush = context.Blend(face, bright, RoundHalfEven(double(p.r11) * i / dy));
  }
  context.draw.FillEllipses(glow);
}

// Per row: the border ring where the row leaves the inner region, and the highlight line
// from the first pixel that is inside both the inner region and the highlight shape.
void PaintEdgeAndHighlight(PaintContext& context, const GlossParams& p, Colour face,
                           Colour border) {
  const platform::PixelRegion empty;
  const platform::PixelRegion& inner = context.inner_region ? *context.inner_region : empty;
  const platform::PixelRegion highlight =
      BuildRoundRectRegion({p.r2, p.r3, p.r6, p.r5}, 2 * p.r4, 2 * p.r4);
  const int W = context.width;
  for (int y = 0; y <= context.height; ++y) {
    for (int x = 0; x <= W / 2; ++x) {
      if (!inner.Contains(x, y)) {
        context.draw.SetPixel(x, y, border);
        context.draw.SetPixel(W - x, y, border);
      } else if (highlight.Contains(x, y)) {
        const Colour line = context.Blend(platform::kWhite, face,
                                          p.r0 + p.r1 * y / context.corner_radius);
        context.draw.Line(x, y, W - x + 1, y, line);
        break;
      }
    }
  }
}

}  // namespace

Colour FaceColour(const CandyProperties& props, ButtonState state) {
  switch (state) {
    case ButtonState::Hover: return props.color_button_hover;
    case ButtonState::Pressed:
    case ButtonState::Checked: return props.color_button_down;
    default: return props.color_button_up;
  }
}

void PaintGloss(PaintContext& context, ButtonState state) {
  Colour face = FaceColour(context.props, state), bright = context.props.color_bright;
  if (!context.props.enabled) {
    face = kDisabledFaceColour;
    bright = platform::kWhite;
  }
  const std::optional<GlossParams> params = MakeGlossParams(
      context.props.style, context.corner_radius, context.width, context.height);
  if (!params) return;
  if (context.corner_radius < 1) context.corner_radius = 1;
  const Colour border = BorderColour(context, face);
  context.draw.FillRect({0, 0, context.width, context.height}, face);
  PaintGlow(context, *params, face, bright);
  PaintEdgeAndHighlight(context, *params, face, border);
}

}  // namespace tarnwick::candy
