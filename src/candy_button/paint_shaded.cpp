// Shaded face (style 6): a vertical ramp from the face colour at the middle row towards the
// bright colour at top and bottom, a lighter band along the top, and a darker edge ring.
#include <cstdlib>
#include <optional>

#include "candy_button/paint_context.h"
#include "candy_button/rounded_region.h"

namespace tarnwick::candy {
namespace {

struct ShadedRow {
  int y = 0;
  Colour top = 0;   // colour of the top band in this row
  Colour ramp = 0;  // colour of the rest of the face in this row
};

Colour ShadedPixelColour(const ShadedRow& row, int x, int P, int R) {
  const int band_radius = 2 * R / 3;
  const bool in_band = IsInsideRounded(x, row.y, 4, 2, P - R, 2 * R - 1, band_radius);
  const bool below_band = IsInsideRounded(x, row.y, 4, R / 2, P - R, 2 * R - 1, band_radius);
  return in_band && !below_band ? row.top : row.ramp;
}

// The colour of pixel (x, row.y) and of its mirror image; nullopt outside the outline.
std::optional<Colour> ShadedColour(const ShadedRow& row, int x, int P, int Q, int R, Colour edge) {
  if (IsInsideRounded(x, row.y, 1, 1, P - 2, Q - 2, R)) return ShadedPixelColour(row, x, P, R);
  if (IsInsideRounded(x, row.y, 0, 0, P, Q, R)) return edge;
  return std::nullopt;
}

// Draws the left half of a row in runs of one colour, each with its mirror image at P - x.
template <typename ColourAt>
void DrawMirroredRow(platform::DrawingPort& draw, int y, int P, ColourAt colour_at) {
  int run_start = 0;
  std::optional<Colour> run_colour = colour_at(0);
  for (int x = 1; x <= P / 2 + 1; ++x) {
    const std::optional<Colour> colour = x <= P / 2 ? colour_at(x) : std::nullopt;
    if (colour == run_colour && x <= P / 2) continue;
    if (run_colour) {
      draw.Line(run_start, y, x, y, *run_colour);
      draw.Line(P - run_start, y, P - x, y, *run_colour);
    }
    run_start = x;
    run_colour = colour;
  }
}

}  // namespace

void PaintShaded(PaintContext& context, ButtonState state) {
  const int P = context.width - 1, Q = context.height - 1, R = context.corner_radius;
  if (Q <= 0) return;  // a one-row face has no middle row to ramp from
  const Colour face = FaceColour(context.props, state);
  const Colour edge = context.Blend(platform::kBlack, face, 50);
  ShadedRow row;
  for (row.y = 0; row.y <= Q; ++row.y) {
    if (row.y < R) row.top = context.Blend(platform::kWhite, face, row.y * 30 / R);
    row.ramp = context.Blend(face, context.props.color_bright, std::abs((2 * row.y - Q) * 100 / Q));
    DrawMirroredRow(context.draw, row.y, P, [&](int x) { return ShadedColour(row, x, P, Q, R, edge); });
  }
}

}  // namespace tarnwick::candy
