// The skin tools on the sample folder: a whole check, and a whole preview with the side panel.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/sim/cp949_code_page.h"
#include "platform/sim/raster_png.h"
#include "platform/sim/test_double/temporary_folder.h"
#include "skin_tools/seen_from_afar.h"
#include "skin_tools/skin_check.h"
#include "skin_tools/skin_preview.h"

namespace tarnwick {
namespace {

const std::filesystem::path kSample = std::filesystem::path(TARNWICK_SOURCE_DIR) / "sample";

void BM_CheckSampleFolder(benchmark::State& state) {
  sim::Cp949CodePage code_page;
  const auto places = [](const skin_tools::HostPaths& paths) { return std::make_unique<skin_tools::SeenFromAfar>(paths); };
  for (auto _ : state) benchmark::DoNotOptimize(skin_tools::CheckSkin(kSample, code_page, places));
}

void BM_PreviewSampleFolderWithPanel(benchmark::State& state) {
  sim::Cp949CodePage code_page;
  skin_tools::PreviewOptions options;
  options.panel = true;
  for (auto _ : state) benchmark::DoNotOptimize(skin_tools::RenderPreview(kSample, code_page, options));
}

// The same and the PNG file written, as `tarnwick-skin preview` does.
void BM_PreviewSampleFolderWithPanelToPng(benchmark::State& state) {
  sim::Cp949CodePage code_page;
  skin_tools::PreviewOptions options;
  options.panel = true;
  const sim::TemporaryFolder folder;
  const std::string out = (folder.Path() / "preview.png").string();
  for (auto _ : state) {
    const auto preview = skin_tools::RenderPreview(kSample, code_page, options);
    benchmark::DoNotOptimize(sim::WritePng(*preview.image, out));
  }
}

BENCHMARK(BM_CheckSampleFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewSampleFolderWithPanelToPng)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewSampleFolderWithPanel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
