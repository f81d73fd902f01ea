// Candy button painting on the software raster: Redraw per style at two sizes (reported per
// pixel), and ShapeWindow with and without its region cache.
#include <benchmark/benchmark.h>

#include "candy_button/candy_button.h"
#include "candy_button/rounded_region.h"
#include "candy_button/sim/raster_candy_host.h"

namespace {

using namespace tarnwick;

void RedrawStyle(benchmark::State& state) {
  const int style = int(state.range(0)), width = int(state.range(1)), height = int(state.range(2));
  sim::RasterCandyHost host(width, height);
  host.Log().enabled = false;
  candy::CandyButton button(host);
  button.ReadProperties(candy::PropertyBag());
  button.SetColorScheme(1);
  button.SetCaption("Candy");
  button.SetStyle(style);
  button.ShapeWindow();
  for (auto _ : state) {
    button.Redraw(candy::ButtonState::Hover);
    benchmark::DoNotOptimize(host.Raster().Image().Pixels().data());
  }
  const double pixels = double(width) * height;
  // Seconds per pixel; printed with an SI prefix, so "15n" reads 15 ns per pixel.
  state.counters["per_pixel"] = benchmark::Counter(
      pixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void RedrawArguments(benchmark::internal::Benchmark* bench) {
  for (int style = 0; style < 8; ++style) {
    bench->Args({style, 100, 30});
    bench->Args({style, 400, 120});
  }
  bench->ArgNames({"style", "w", "h"});
}
BENCHMARK(RedrawStyle)->Apply(RedrawArguments);

void ShapeWindowCached(benchmark::State& state) {
  sim::RasterCandyHost host(400, 120);
  host.Log().enabled = false;
  candy::CandyButton button(host);
  button.ReadProperties(candy::PropertyBag());
  button.SetStyle(int(state.range(0)));
  for (auto _ : state) {
    button.ShapeWindow();
  }
}
BENCHMARK(ShapeWindowCached)->Arg(2)->Arg(3)->Arg(6)->Arg(7)->ArgName("style");

void BuildOutlineUncached(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(candy::BuildRoundedRegion(0, 0, 400, 120, 61));
    benchmark::DoNotOptimize(candy::BuildRoundedRegion(1, 1, 398, 118, 61));
  }
}
BENCHMARK(BuildOutlineUncached);

}  // namespace
