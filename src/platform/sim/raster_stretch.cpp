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

// The spans of target cells [begin, end) of `to`; only the cells that are drawn are computed,
// so a stretch far larger than the image costs no more than the part that shows.
std::vector<Span> Spans(int from, int to, int begin, int end) {
  std::vector<Span> spans(static_cast<std::size_t>(end - begin));
  for (int t = begin; t < end; ++t) {
    const std::int64_t first = std::int64_t(t) * from, last = std::int64_t(t + 1) * from;  // in 1/to units
    Span& span = spans[static_cast<std::size_t>(t - begin)];
    span.first = static_cast<int>(first / to);
    span.last = static_cast<int>((last - 1) / to);
    span.first_weight = std::min<std::int64_t>(last, std::int64_t(span.first + 1) * to) - first;
    span.last_weight = last - std::max<std::int64_t>(first, std::int64_t(span.last) * to);
  }
  return spans;
}

std::int64_t Weight(const Span& span, int cell, int to) {
  if (cell == span.first) return span.first_weight;
  if (cell == span.last) return span.last_weight;
  return to;
}

// One row of the picture scaled to the columns of `columns`; each entry sums `to` weights per
// picture pixel, `to` being the width the whole picture is scaled to.
void ScaleRow(const SimPictureData& picture, int y, const std::vector<Span>& columns, int to, std::vector<Sums>& out) {
  const std::uint32_t* row = picture.Pixels().data() + std::size_t(y) * std::size_t(picture.WidthPixels());
  for (std::size_t x = 0; x < columns.size(); ++x) {
    Sums& sum = out[x];
    sum = Sums{};
    const Span& span = columns[x];
    for (int source = span.first; source <= span.last; ++source) {
      const auto weight = static_cast<std::uint64_t>(Weight(span, source, to));
      const Sums pixel = Premultiplied(row[source]);
      for (int c = 0; c < 4; ++c) sum[std::size_t(c)] += pixel[std::size_t(c)] * weight;
    }
  }
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
  // The target cells inside the image; memory and work follow these, not the whole target.
  const int x_begin = std::max(0, -where.left), x_end = std::min(width, image.Width() - where.left);
  const int y_begin = std::max(0, -where.top), y_end = std::min(height, image.Height() - where.top);
  if (x_begin >= x_end || y_begin >= y_end) return;
  const std::vector<Span> columns = Spans(picture.WidthPixels(), width, x_begin, x_end);
  const std::vector<Span> rows = Spans(picture.HeightPixels(), height, y_begin, y_end);
  const std::uint64_t total = std::uint64_t(picture.WidthPixels()) * std::uint64_t(picture.HeightPixels());
  // Picture rows are taken in order and a target row shares at most its first with the one
  // before, so keeping the last scaled row scales each picture row once.
  std::vector<Sums> scaled(columns.size()), sums(columns.size());
  int scaled_row = -1;
  for (int y = y_begin; y < y_end; ++y) {
    const Span& span = rows[std::size_t(y - y_begin)];
    std::fill(sums.begin(), sums.end(), Sums{});
    for (int source = span.first; source <= span.last; ++source) {
      if (source != scaled_row) ScaleRow(picture, scaled_row = source, columns, width, scaled);
      const auto weight = static_cast<std::uint64_t>(Weight(span, source, height));
      for (std::size_t x = 0; x < sums.size(); ++x)
        for (int c = 0; c < 4; ++c) sums[x][std::size_t(c)] += scaled[x][std::size_t(c)] * weight;
    }
    // Each scaled row entry carries `picture width` and each row `picture height` weights per pixel.
    for (std::size_t x = 0; x < sums.size(); ++x) {
      const int at_x = where.left + x_begin + static_cast<int>(x), at_y = where.top + y;
      image.Set(at_x, at_y, Over(sums[x], total, image.At(at_x, at_y)));
    }
  }
}

}  // namespace tarnwick::sim
