#include "platform/sim/raster_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/pixel_region.h"
#include "platform/sim/raster_font.h"
#include "platform/sim/sim_pictures.h"

namespace tarnwick::sim {
namespace {

constexpr platform::Colour kEmbossLight = 0xFFFFFF, kEmbossShadow = 0x808080;

// Picture pixels are 0xAABBGGRR.
struct Rgba {
  int red, green, blue, alpha;
  explicit Rgba(std::uint32_t p)
      : red(int(p & 0xFF)), green(int(p >> 8 & 0xFF)), blue(int(p >> 16 & 0xFF)), alpha(int(p >> 24)) {}
};

bool IsDark(const Rgba& p) { return p.red * 30 + p.green * 59 + p.blue * 11 < 192 * 100; }

// Whether a picture pixel shows at all: icons use their transparency, bitmaps are opaque.
bool Shows(const Rgba& p, platform::PictureKind kind) {
  return kind == platform::PictureKind::Bitmap || p.alpha >= 128;
}

platform::Colour Over(const Rgba& p, platform::Colour below, platform::PictureKind kind) {
  const int alpha = kind == platform::PictureKind::Bitmap ? 255 : p.alpha;
  const auto mix = [alpha](int top, platform::Colour under, int shift) {
    return (top * alpha + int(under >> shift & 0xFF) * (255 - alpha) + 127) / 255;
  };
  return platform::MakeColour(mix(p.red, below, 0), mix(p.green, below, 8), mix(p.blue, below, 16));
}

// Calls paint(x, y, pixel) for every shown pixel of a picture placed at `where`, in image
// coordinates; the picture is cut to the size of `where`.
template <typename Paint>
void ForEachShown(const SimPictureData& picture, platform::PictureKind kind,
                  const platform::PixelRect& where, Paint paint) {
  const int width = std::min(picture.WidthPixels(), where.right - where.left);
  const int height = std::min(picture.HeightPixels(), where.bottom - where.top);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgba pixel(picture.Pixels()[std::size_t(y) * std::size_t(picture.WidthPixels()) + std::size_t(x)]);
      if (Shows(pixel, kind)) paint(where.left + x, where.top + y, pixel);
    }
  }
}

// The pixels of row y whose centres lie inside the ellipse inscribed in `rect`, cut to
// [0, width); nullopt when there are none.
std::optional<platform::PixelRun> EllipseRun(const platform::PixelRect& rect, int y, int width) {
  if (rect.Empty() || y < rect.top || y >= rect.bottom) return std::nullopt;
  const double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
  const double rx = (rect.right - rect.left) / 2.0, ry = (rect.bottom - rect.top) / 2.0;
  const double v = (y + 0.5 - cy) / ry;
  if (v * v >= 1) return std::nullopt;
  const double half = rx * std::sqrt(1 - v * v);
  const double left = std::max(std::ceil(cx - half - 0.5), 0.0);
  const double right = std::min(std::floor(cx + half - 0.5) + 1, double(width));
  if (left >= right) return std::nullopt;
  return platform::PixelRun{int(left), int(right)};
}

// Fills the parts of `run` in row y that no run in `covered` holds yet, then adds `run` to
// `covered` (kept sorted and merged).
void FillUncovered(RasterImage& image, int y, platform::PixelRun run, platform::Colour colour,
                   std::vector<platform::PixelRun>& covered) {
  int from = run.left;
  for (const platform::PixelRun& done : covered) {
    if (done.right <= from || done.left >= run.right) continue;
    if (done.left > from) image.FillRun(y, from, done.left, colour);
    from = std::max(from, done.right);
  }
  if (from < run.right) image.FillRun(y, from, run.right, colour);
  auto at = std::lower_bound(covered.begin(), covered.end(), run,
                             [](const platform::PixelRun& a, const platform::PixelRun& b) { return a.left < b.left; });
  at = covered.insert(at, run);
  if (at != covered.begin() && std::prev(at)->right >= at->left) at = std::prev(at);
  while (std::next(at) != covered.end() && std::next(at)->left <= at->right) {
    at->right = std::max(at->right, std::next(at)->right);
    covered.erase(std::next(at));
  }
}

}  // namespace

void RasterDrawing::SetPixel(int x, int y, platform::Colour colour) {
  image_.Set(x, y, Resolve(colour));
}

void RasterDrawing::Line(int x1, int y1, int x2, int y2, platform::Colour colour) {
  const platform::Colour c = Resolve(colour);
  if (y1 == y2) {
    if (x1 <= x2) image_.FillRun(y1, x1, x2, c);
    else image_.FillRun(y1, x2 + 1, x1 + 1, c);
    return;
  }
  const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  const int step_x = x1 < x2 ? 1 : -1, step_y = y1 < y2 ? 1 : -1;
  for (int error = dx + dy; x1 != x2 || y1 != y2;) {
    image_.Set(x1, y1, c);
    const int twice = 2 * error;
    if (twice >= dy) error += dy, x1 += step_x;
    if (twice <= dx) error += dx, y1 += step_y;
  }
}

void RasterDrawing::FillBox(int x1, int y1, int x2, int y2, platform::Colour colour) {
  FillRect({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1}, colour);
}

void RasterDrawing::FillRect(const platform::PixelRect& rect, platform::Colour colour) {
  const platform::Colour c = Resolve(colour);
  const int top = std::max(rect.top, 0), bottom = std::min(rect.bottom, image_.Height());
  for (int y = top; y < bottom; ++y) image_.FillRun(y, rect.left, rect.right, c);
}

void RasterDrawing::FillEllipses(const std::vector<platform::EllipseFill>& ellipses) {
  std::vector<platform::Colour> colours;
  int top = image_.Height(), bottom = 0;
  for (const platform::EllipseFill& ellipse : ellipses) {
    colours.push_back(Resolve(ellipse.colour));
    top = std::min(top, std::max(ellipse.rect.top, 0));
    bottom = std::max(bottom, std::min(ellipse.rect.bottom, image_.Height()));
  }
  std::vector<platform::PixelRun> covered;
  for (int y = top; y < bottom; ++y) {
    covered.clear();
    for (std::size_t i = ellipses.size(); i-- > 0;) {
      const std::optional<platform::PixelRun> run = EllipseRun(ellipses[i].rect, y, image_.Width());
      if (run) FillUncovered(image_, y, *run, colours[i], covered);
    }
  }
}

platform::TextExtent RasterDrawing::MeasureText(const std::string& utf8) const {
  return MeasureRasterText(utf8, font_);
}

void RasterDrawing::DrawPrefixText(int x, int y, const std::string& utf8,
                                   platform::Colour colour, bool disabled) {
  if (!disabled) {
    DrawRasterText(image_, x, y, utf8, font_, Resolve(colour), true);
    return;
  }
  DrawRasterText(image_, x + 1, y + 1, utf8, font_, kEmbossLight, true);
  DrawRasterText(image_, x, y, utf8, font_, kEmbossShadow, true);
}

void RasterDrawing::DrawPicture(const platform::Picture& picture, platform::PictureKind kind,
                                const platform::PixelRect& where, platform::PictureEffect effect,
                                platform::Colour silhouette_colour) {
  const auto* data = dynamic_cast<const SimPictureData*>(picture.Data());
  if (!data) return;
  switch (effect) {
    case platform::PictureEffect::Plain:
      ForEachShown(*data, kind, where, [&](int x, int y, const Rgba& p) {
        if (image_.Inside(x, y)) image_.Set(x, y, Over(p, image_.At(x, y), kind));
      });
      break;
    case platform::PictureEffect::Silhouette:
      ForEachShown(*data, kind, where, [&, colour = Resolve(silhouette_colour)](int x, int y, const Rgba&) {
        image_.Set(x, y, colour);
      });
      break;
    case platform::PictureEffect::Disabled:  // embossed: light copy one pixel down-right, shadow on top
      ForEachShown(*data, kind, where, [&](int x, int y, const Rgba& p) {
        if (IsDark(p)) image_.Set(x + 1, y + 1, kEmbossLight);
      });
      ForEachShown(*data, kind, where, [&](int x, int y, const Rgba& p) {
        if (IsDark(p)) image_.Set(x, y, kEmbossShadow);
      });
      break;
  }
}

}  // namespace tarnwick::sim
