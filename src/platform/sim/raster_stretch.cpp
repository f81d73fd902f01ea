#include "platform/sim/raster_stretch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tarnwick::sim {
namespace {

// Sums of alpha-weighted red, green, blue and of alpha.
using Sums = std::array<std::uint64_t, 4>;

Sums Premultiplied(std::uint32_t abgr) {
  const std::uint64_t alpha = abgr >> 24;
  return {(abgr & 0xFF) * alpha, (abgr >> 8 & 0xFF) * alpha, (abgr >> 16 & 0xFF) * alpha, alpha * 255};
}

// For each of `to` target cells, the source cells [first, last] and the weights of the first
// and last one, in units where the whole target cell weighs `from`.
struct Span {
  int first = 0, last = 0;
  std::int64_t first_weight = 0, last_weight = 0;
};

std::vector<Span> Spans(int from, int to) {
  std::vector<Span> spans(static_cast<std::size_t>(to));
  for (int t = 0; t < to; ++t) {
    const std::int64_t begin = std::int64_t(t) * from, end = std::int64_t(t + 1) * from;  // in 1/to units
    Span& span = spans[static_cast<std::size_t>(t)];
    span.first = static_cast<int>(begin / to);
    span.last = static_cast<int>((end - 1) / to);
    span.first_weight = std::min<std::int64_t>(end, std::int64_t(span.first + 1) * to) - begin;
    span.last_weight = end - std::max<std::int64_t>(begin, std::int64_t(span.last) * to);
  }
  return spans;
}

std::int64_t Weight(const Span& span, int cell, int to) {
  if (cell == span.first) return span.first_weight;
  if (cell == span.last) return span.last_weight;
  return to;
}

// Rows of the picture scaled to `width` columns; each entry sums `picture width * to` weights.
std::vector<Sums> ScaleRows(const SimPictureData& picture, int width) {
  const int from = picture.WidthPixels();
  const std::vector<Span> spans = Spans(from, width);
  std::vector<Sums> rows(std::size_t(width) * std::size_t(picture.HeightPixels()));
  for (int y = 0; y < picture.HeightPixels(); ++y) {
    const std::uint32_t* row = picture.Pixels().data() + std::size_t(y) * std::size_t(from);
    for (int x = 0; x < width; ++x) {
      Sums& sum = rows[std::size_t(y) * std::size_t(width) + std::size_t(x)];
      const Span& span = spans[std::size_t(x)];
      for (int source = span.first; source <= span.last; ++source) {
        const auto weight = static_cast<std::uint64_t>(Weight(span, source, width));
        const Sums pixel = Premultiplied(row[source]);
        for (int c = 0; c < 4; ++c) sum[std::size_t(c)] += pixel[std::size_t(c)] * weight;
      }
    }
  }
  return rows;
}

platform::Colour Over(const Sums& sum, std::uint64_t total, platform::Colour below) {
  const std::uint64_t alpha = (sum[3] / 255 + total / 2) / total;  // 0..255
  const auto channel = [&](int c, int shift) {
    const std::uint64_t top = (sum[std::size_t(c)] / 255 + total / 2) / total;  // premultiplied
    return static_cast<int>(top + ((below >> shift & 0xFF) * (255 - alpha) + 127) / 255);
  };
  return platform::MakeColour(std::min(channel(0, 0), 255), std::min(channel(1, 8), 255), std::min(channel(2, 16), 255));
}

}  // namespace

void DrawStretchedPicture(RasterImage& image, const SimPictureData& picture, const platform::PixelRect& where) {
  const int width = where.right - where.left, height = where.bottom - where.top;
  if (width <= 0 || height <= 0 || picture.WidthPixels() <= 0 || picture.HeightPixels() <= 0) return;
  const std::vector<Sums> rows = ScaleRows(picture, width);
  const std::vector<Span> spans = Spans(picture.HeightPixels(), height);
  const std::uint64_t total = std::uint64_t(picture.WidthPixels()) * std::uint64_t(picture.HeightPixels());
  for (int y = 0; y < height; ++y) {
    if (where.top + y < 0 || where.top + y >= image.Height()) continue;
    const Span& span = spans[std::size_t(y)];
    for (int x = 0; x < width; ++x) {
      if (!image.Inside(where.left + x, where.top + y)) continue;
      Sums sum{};
      for (int source = span.first; source <= span.last; ++source) {
        const auto weight = static_cast<std::uint64_t>(Weight(span, source, height));
        const Sums& row = rows[std::size_t(source) * std::size_t(width) + std::size_t(x)];
        for (int c = 0; c < 4; ++c) sum[std::size_t(c)] += row[std::size_t(c)] * weight;
      }
      // Each scaled row entry carries `picture width` and each row `picture height` weights per pixel.
      image.Set(where.left + x, where.top + y, Over(sum, total, image.At(where.left + x, where.top + y)));
    }
  }
}

}  // namespace tarnwick::sim
