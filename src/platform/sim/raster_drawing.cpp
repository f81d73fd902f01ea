#include "platform/sim/raster_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

void RasterDrawing::FillEllipse(const platform::PixelRect& rect, platform::Colour colour) {
  if (rect.Empty()) return;
  const platform::Colour c = Resolve(colour);
  const double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
  const double rx = (rect.right - rect.left) / 2.0, ry = (rect.bottom - rect.top) / 2.0;
  const int top = std::max(rect.top, 0), bottom = std::min(rect.bottom, image_.Height());
  for (int y = top; y < bottom; ++y) {
    const double v = (y + 0.5 - cy) / ry;
    if (v * v >= 1) continue;
    const double half = rx * std::sqrt(1 - v * v);
    const double left = std::ceil(cx - half - 0.5), right = std::floor(cx + half - 0.5) + 1;
    const double width = image_.Width();
    image_.FillRun(y, int(std::clamp(left, -1.0, width)), int(std::clamp(right, -1.0, width)), c);
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
  const auto* pixels = dynamic_cast<const SimPictureData*>(picture.Data());
  if (!pixels) return;
  const auto at = [pixels](int x, int y) {
    return Rgba(pixels->Pixels()[std::size_t(y) * std::size_t(pixels->WidthPixels()) + std::size_t(x)]);
  };
  const platform::Colour silhouette = Resolve(silhouette_colour);
  const int width = std::min(pixels->WidthPixels(), where.right - where.left);
  const int height = std::min(pixels->HeightPixels(), where.bottom - where.top);
  const auto for_each_shown = [&](auto paint) {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (Shows(at(x, y), kind)) paint(x, y, at(x, y));
  };
  const int left = where.left, top = where.top;
  switch (effect) {
    case platform::PictureEffect::Plain:
      for_each_shown([&](int x, int y, const Rgba& p) {
        if (image_.Inside(left + x, top + y))
          image_.Set(left + x, top + y, Over(p, image_.At(left + x, top + y), kind));
      });
      break;
    case platform::PictureEffect::Silhouette:
      for_each_shown([&](int x, int y, const Rgba&) { image_.Set(left + x, top + y, silhouette); });
      break;
    case platform::PictureEffect::Disabled:
      for_each_shown([&](int x, int y, const Rgba& p) {
        if (IsDark(p)) image_.Set(left + x + 1, top + y + 1, kEmbossLight);
      });
      for_each_shown([&](int x, int y, const Rgba& p) {
        if (IsDark(p)) image_.Set(left + x, top + y, kEmbossShadow);
      });
      break;
  }
}

}  // namespace tarnwick::sim
