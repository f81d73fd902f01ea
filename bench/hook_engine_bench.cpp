// The window-message hook on the simulated window procedures: one message through the entry
// point when it is in neither table, and when the after table holds 32 entries (the message
// last, so the whole table is scanned and the owner called); and the candy button's hover
// round trip (pointer entry with its leave request and Redraw(Hover) of a 100 x 30 gloss
// button, then the leave with its repaint). Allocations per message are counted.
#include <benchmark/benchmark.h>

#include "allocation_counter.h"
#include "candy_button/candy_button.h"
#include "candy_button/hook_engine.h"
#include "candy_button/sim/raster_candy_host.h"
#include "candy_button/sim/sim_window_procedures.h"

namespace {

using namespace tarnwick;

struct QuietOwner : candy::HookOwner {
  void OnHookMessage(bool, bool&, std::intptr_t& value, platform::WindowHandle, std::uint32_t,
                     std::uintptr_t, std::intptr_t, std::int32_t&) override {
    benchmark::DoNotOptimize(value);
  }
};

void ReportAllocations(benchmark::State& state, std::uint64_t before) {
  state.counters["allocs_per_msg"] =
      double(bench::AllocationCount() - before) / double(state.iterations());
}

// A hooked window whose before table holds WM_PAINT and whose after table `after_entries`
// messages from 0x400 up. `entry_only` calls the window's record directly: the entry point and
// the previous procedure, without the simulated window lookup and binding map.
void SendThroughHook(benchmark::State& state, int after_entries, std::uint32_t message,
                     bool entry_only) {
  sim::SimWindowProcedures sim;
  const platform::WindowHandle window =
      sim.CreateWindow([](const platform::WindowMessage& m) { return std::intptr_t(m.message); });
  QuietOwner owner;
  candy::HookEngine engine(sim, owner, "CandyButton");
  engine.sc_Subclass(window);
  engine.HookAddMessage(window, platform::kMsgPaint, candy::HOOK_BEFORE);
  for (int i = 0; i < after_entries; ++i) engine.HookAddMessage(window, 0x400 + i, candy::HOOK_AFTER);
  candy::HookRecord& record = *engine.zMap_hWnd(window);
  const platform::WindowMessage sent{window, message, 1, 2};
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : state) {
    if (entry_only)
      benchmark::DoNotOptimize(record.OnBoundMessage(sent));
    else
      benchmark::DoNotOptimize(sim.Send(window, message, 1, 2));
  }
  ReportAllocations(state, before);
}

void HookMessageInNeitherTable(benchmark::State& state) {
  SendThroughHook(state, 2, platform::kMsgMouseMove, state.range(0) != 0);
}
BENCHMARK(HookMessageInNeitherTable)->Arg(0)->Arg(1)->ArgName("entry_only");

void HookMessageLastOfThirtyTwo(benchmark::State& state) {
  SendThroughHook(state, 32, 0x400 + 31, state.range(0) != 0);
}
BENCHMARK(HookMessageLastOfThirtyTwo)->Arg(0)->Arg(1)->ArgName("entry_only");

// The same window without a hook: what the simulated dispatch itself costs.
void UnhookedMessage(benchmark::State& state) {
  sim::SimWindowProcedures sim;
  const platform::WindowHandle window =
      sim.CreateWindow([](const platform::WindowMessage& m) { return std::intptr_t(m.message); });
  for (auto _ : state) benchmark::DoNotOptimize(sim.Send(window, platform::kMsgMouseMove, 1, 2));
}
BENCHMARK(UnhookedMessage);

std::intptr_t PointerAt(int x, int y) { return std::intptr_t(y << 16 | x); }

void HoverRoundTrip(benchmark::State& state) {
  sim::RasterCandyHost host(100, 30);
  host.Log().enabled = false;
  candy::CandyButton button(host);
  host.AttachInput(&button);
  button.ReadProperties(candy::PropertyBag());
  button.SetStyle(2);
  button.SetColorScheme(1);
  button.SetCaption("Candy");
  button.OnShow();
  const std::uint64_t before = bench::AllocationCount();
  for (auto _ : state) {
    host.Send(platform::kMsgMouseMove, 0, PointerAt(50, 15));
    host.Send(platform::kMsgMouseLeave);
    host.Procedures().leave_requests.clear();
  }
  ReportAllocations(state, before);
  state.counters["hovering"] = button.IsHovering();
}
BENCHMARK(HoverRoundTrip);

// The part of the round trip that is the painting: one Redraw(Hover) of the same button.
void RedrawHoverOnly(benchmark::State& state) {
  sim::RasterCandyHost host(100, 30);
  host.Log().enabled = false;
  candy::CandyButton button(host);
  button.ReadProperties(candy::PropertyBag());
  button.SetStyle(2);
  button.SetColorScheme(1);
  button.SetCaption("Candy");
  button.OnShow();
  for (auto _ : state) button.Redraw(candy::ButtonState::Hover);
}
BENCHMARK(RedrawHoverOnly);

}  // namespace
