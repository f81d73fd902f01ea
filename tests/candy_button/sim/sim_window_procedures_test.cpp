// The simulated window procedures: chains, destruction messages, binding and lookups.
#include <gtest/gtest.h>

#include "candy_button/sim/sim_window_procedures.h"

namespace tarnwick::sim {
namespace {

struct EchoTarget : platform::BoundWindowTarget {
  std::intptr_t OnBoundMessage(const platform::WindowMessage& message) override {
    seen.push_back(message.message);
    return -1;
  }
  std::vector<std::uint32_t> seen;
};

TEST(SimWindowProcedures, DestroyingSendsTheLastTwoMessagesThroughTheChain) {
  SimWindowProcedures sim;
  std::vector<std::uint32_t> own;
  const platform::WindowHandle window = sim.CreateWindow([&](const platform::WindowMessage& m) {
    own.push_back(m.message);
    return std::intptr_t{7};
  });
  EchoTarget target;
  const platform::BindResult bound = sim.Bind(window, target);
  EXPECT_NE(bound.previous, 0u);
  EXPECT_EQ(sim.Send(window, 0x400), -1);
  sim.DestroyWindow(window);
  EXPECT_EQ(target.seen, (std::vector<std::uint32_t>{0x400, 0x0002, platform::kMsgNcDestroy}));
  EXPECT_TRUE(own.empty());  // the target did not pass them on
  EXPECT_FALSE(sim.IsWindow(window));
  EXPECT_TRUE(sim.IsBound(window));  // until the target undoes it
  sim.Unbind(window, bound.previous);
  EXPECT_FALSE(sim.IsBound(window));
  EXPECT_EQ(sim.Send(window, 0x400), 0);
  EXPECT_EQ(sim.CallProcedure(bound.previous, {window, 0x401, 0, 0}), 7);  // stays callable
}

TEST(SimWindowProcedures, BindingRefusesMissingAndBoundWindowsAndScriptedFailures) {
  SimWindowProcedures sim;
  EchoTarget target;
  EXPECT_EQ(sim.Bind(0x999, target).error, 1400u);
  const platform::WindowHandle window = sim.CreateWindow();
  sim.fail_next_bind = 8;
  EXPECT_EQ(sim.Bind(window, target).error, 8u);
  EXPECT_FALSE(sim.IsBound(window));
  const platform::ProcedureId own = sim.CurrentProcedure(window);
  EXPECT_EQ(sim.Bind(window, target).previous, own);
  EXPECT_TRUE(sim.Bind(window, target).already_bound);
  sim.Unbind(window, own);
  EXPECT_EQ(sim.CurrentProcedure(window), own);
  EXPECT_EQ(sim.Send(window, 1), 0);  // the empty own procedure answers 0
}

TEST(SimWindowProcedures, WindowsOfAnotherProcessAndExportLookups) {
  SimWindowProcedures sim;
  EXPECT_TRUE(sim.IsWindowOfThisProcess(sim.CreateWindow()));
  EXPECT_FALSE(sim.IsWindowOfThisProcess(sim.CreateWindow({}, true)));
  EXPECT_FALSE(sim.IsWindowOfThisProcess(0));
  EXPECT_TRUE(sim.IsFunctionExported("TrackMouseEvent", "USER32"));  // module names ignore case
  EXPECT_FALSE(sim.IsFunctionExported("trackmouseevent", "User32"));
  EXPECT_TRUE(sim.IsFunctionExported("_TrackMouseEvent", "comctl32"));
}

TEST(SimWindowProcedures, LeftoverWindowsAreDestroyedWithTheSim) {
  EchoTarget target;
  {
    SimWindowProcedures sim;
    sim.Bind(sim.CreateWindow(), target);
  }
  EXPECT_EQ(target.seen, (std::vector<std::uint32_t>{0x0002, platform::kMsgNcDestroy}));
}

}  // namespace
}  // namespace tarnwick::sim
