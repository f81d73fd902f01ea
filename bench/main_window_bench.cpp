// The main bar on the simulated platform: construction with its 26 lookups and 25 pictures,
// and one docking tick (which must not allocate).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "allocation_counter.h"
#include "main_window/form1.h"
#include "platform/sim/test_double/sim_platform.h"
#include "support/picture_files.h"

namespace tarnwick {
namespace {

void WriteSkin(sim::SimPlatform& sim) {
  std::string ini = "[option1]\r\ntransparency=220\r\n[BG1]\r\nimage=back.bmp\r\n";
  for (int n = 1; n <= 24; ++n) {
    char section[64];
    std::snprintf(section, sizeof section, "[%03d]\r\nimage=tile%d.bmp\r\nsource=notepad.exe\r\n", n, n);
    ini += section;
    sim.WriteProgramFile("image/tile" + std::to_string(n) + ".bmp", test::SolidBmp(73, 57, 0x336699u * n));
  }
  sim.WriteProgramFile("config.ini", ini);
  sim.WriteProgramFile("image/back.bmp", test::SolidBmp(83, 1575, 0x303030));
}

void BM_MainWindowConstruction(benchmark::State& state) {
  sim::SimPlatform sim;
  sim.log.enabled = false;
  WriteSkin(sim);
  for (auto _ : state) {
    main_window::Form1 form(sim.Ports(), Edition::Full);
    form.Form_Load();
    benchmark::DoNotOptimize(form.Handle());
  }
}
BENCHMARK(BM_MainWindowConstruction)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_DockingTick(benchmark::State& state) {
  sim::SimPlatform sim;
  sim.log.enabled = false;
  sim.tray.keep_records = false;
  sim.WriteProgramFile("config.ini", "");
  main_window::Form1 form(sim.Ports(), Edition::Full);
  form.Form_Load();
  form.Timer1_Timer();
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : state) form.Timer1_Timer();
  state.counters["allocations_per_tick"] =
      static_cast<double>(bench::AllocationCount() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DockingTick)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tarnwick
