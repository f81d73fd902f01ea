#include "platform/common/picture_scaling.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::platform {
namespace {

constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;

// The Catmull-Rom cubic (a = -0.5) at distance x.
double Cubic(double x) {
  x = std::fabs(x);
  if (x < 1.0) return (1.5 * x - 2.5) * x * x + 1.0;
  if (x < 2.0) return ((-0.5 * x + 2.5) * x - 4.0) * x + 2.0;
  return 0.0;
}

// The source cells that one target cell reads and their weights, which sum to kWeightOne.
struct Taps {
  int first = 0;
  std::vector<int> weights;
};

std::vector<Taps> TapsFor(int from, int to) {
  const double scale = static_cast<double>(to) / from;
  const double stretch = scale < 1.0 ? 1.0 / scale : 1.0;  // the kernel widens when shrinking
  const double support = 2.0 * stretch;
  std::vector<Taps> all(static_cast<std::size_t>(to));
  for (int t = 0; t < to; ++t) {
    const double centre = (t + 0.5) / scale - 0.5;
    const int first = std::max(0, static_cast<int>(std::floor(centre - support)) + 1);
    const int last = std::min(from - 1, static_cast<int>(std::ceil(centre + support)) - 1);
    std::vector<double> raw;
    double sum = 0.0;
    for (int s = first; s <= last; ++s) {
      raw.push_back(Cubic((s - centre) / stretch));
      sum += raw.back();
    }
    Taps& taps = all[static_cast<std::size_t>(t)];
    taps.first = first;
    int given = 0;
    for (double weight : raw) {
      taps.weights.push_back(static_cast<int>(std::lround(weight / sum * kWeightOne)));
      given += taps.weights.back();
    }
    // Rounding leftovers go to the largest weight, so that flat areas stay exactly flat.
    if (!taps.weights.empty()) *std::max_element(taps.weights.begin(), taps.weights.end()) += kWeightOne - given;
  }
  return all;
}

std::uint8_t Byte(std::uint32_t pixel, int channel) { return static_cast<std::uint8_t>(pixel >> (8 * channel)); }

// One resampling pass: `lines` lines of `from` pixels become lines of `to` pixels; `read` gives
// a channel of a source pixel, `write` takes the four weighted sums of a target pixel.
template <typename In, typename Out>
void Pass(const In& read, Out& write, int lines, int from, int to) {
  const std::vector<Taps> taps = TapsFor(from, to);
  for (int line = 0; line < lines; ++line) {
    for (int t = 0; t < to; ++t) {
      const Taps& tap = taps[static_cast<std::size_t>(t)];
      long long sums[4] = {0, 0, 0, 0};
      for (std::size_t k = 0; k < tap.weights.size(); ++k) {
        for (int c = 0; c < 4; ++c) sums[c] += read(line, tap.first + static_cast<int>(k), c) * tap.weights[k];
      }
      write(line, t, sums);
    }
  }
}

int Clamp255(long long value) { return static_cast<int>(std::clamp<long long>(value, 0, 255)); }

}  // namespace

int ScaledLength(int pixels, int dpi) {
  if (pixels <= 0) return 0;
  const long long scaled = (static_cast<long long>(pixels) * dpi * 2 + kDesignDpi) / (2 * kDesignDpi);
  return static_cast<int>(std::max<long long>(1, scaled));
}

PixelGrid Resample(const PixelGrid& source, int width, int height) {
  if (source.width <= 0 || source.height <= 0 || width <= 0 || height <= 0 ||
      source.pixels.size() != static_cast<std::size_t>(source.width) * static_cast<std::size_t>(source.height)) {
    return {};
  }
  // Across: source rows to `width` columns, kept as 8.14 fixed point per channel.
  std::vector<long long> across(static_cast<std::size_t>(width) * static_cast<std::size_t>(source.height) * 4);
  const auto read_source = [&](int row, int column, int c) -> long long {
    return Byte(source.pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(source.width) +
                              static_cast<std::size_t>(column)], c);
  };
  const auto write_across = [&](int row, int column, const long long* sums) {
    for (int c = 0; c < 4; ++c) {
      across[(static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column)) * 4 +
             static_cast<std::size_t>(c)] = sums[c];
    }
  };
  Pass(read_source, write_across, source.height, source.width, width);

  // Down: columns of `across` to `height` rows, rounded back to bytes.
  PixelGrid target{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height))};
  const auto read_across = [&](int column, int row, int c) {
    return across[(static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column)) * 4 +
                  static_cast<std::size_t>(c)];
  };
  const auto write_target = [&](int column, int row, const long long* sums) {
    constexpr long long kHalf = 1LL << (2 * kWeightBits - 1);
    int bytes[4];
    for (int c = 0; c < 4; ++c) bytes[c] = Clamp255((sums[c] + kHalf) >> (2 * kWeightBits));
    std::uint32_t pixel = static_cast<std::uint32_t>(bytes[3]) << 24;
    for (int c = 0; c < 3; ++c) pixel |= static_cast<std::uint32_t>(std::min(bytes[c], bytes[3])) << (8 * c);
    target.pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(column)] = pixel;
  };
  Pass(read_across, write_target, width, source.height, height);
  return target;
}

}  // namespace tarnwick::platform
