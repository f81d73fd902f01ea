// The one-time cost of scaling a picture that a window draws at its own size, for the sample
// skin's pictures at 150 % and 200 %: the bar's background (83 x 1575) and the panel's
// (1017 x 289). The programs do this once per resolution and picture; every paint after it
// copies the kept result.
#include <benchmark/benchmark.h>

#include "platform/common/picture_scaling.h"

namespace tarnwick {
namespace {

void BM_ScalePicture(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  const int dpi = static_cast<int>(state.range(2));
  platform::PixelGrid source{width, height, std::vector<std::uint32_t>(std::size_t(width) * std::size_t(height))};
  for (std::size_t i = 0; i < source.pixels.size(); ++i) source.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
  const int to_width = platform::ScaledLength(width, dpi), to_height = platform::ScaledLength(height, dpi);
  for (auto _ : state) benchmark::DoNotOptimize(platform::Resample(source, to_width, to_height));
}
BENCHMARK(BM_ScalePicture)->Args({83, 1575, 144})->Args({83, 1575, 192})->Args({1017, 289, 144})->Args({1017, 289, 192})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
