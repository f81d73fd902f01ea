// The hook set-up that loading the saved properties does at run time, and how the control
// copes without a tracking function or a hook.
#include <gtest/gtest.h>

#include "candy_input_support.h"

namespace tarnwick::candy {
namespace {

using testing::PointerAt;

struct LoadedButton {
  explicit LoadedButton(bool user_mode = true, std::set<std::string> exported = {"user32!TrackMouseEvent",
                                                                               "comctl32!_TrackMouseEvent"},
                        std::uint32_t bind_error = 0)
      : host(100, 30), button(host) {
    host.SetUserMode(user_mode);
    host.Procedures().exported = std::move(exported);
    host.Procedures().fail_next_bind = bind_error;
    button.ReadProperties(PropertyBag());
    host.Log().Clear();
  }
  sim::SimWindowProcedures& Sim() { return host.Procedures(); }
  void MoveAndLeave() {
    host.Send(platform::kMsgMouseMove, 0, PointerAt(50, 15));
    host.Send(platform::kMsgMouseLeave);
  }
  sim::RasterCandyHost host;
  CandyButton button;
};

TEST(CandyHookSetUp, RunTimeLoadingHooksPaintMouseMoveAndMouseLeave) {
  LoadedButton b;
  EXPECT_TRUE(b.button.HookAvailable());
  EXPECT_TRUE(b.button.UseUser32Tracking());
  HookRecord* record = b.button.Hooks().zMap_hWnd(b.host.Surface().Window());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->user_value, 0);
  EXPECT_EQ(record->before[0], 1);
  EXPECT_EQ(record->before[1], 15);
  EXPECT_EQ(record->after[0], 2);
  EXPECT_EQ(record->after[1], 512);
  EXPECT_EQ(record->after[2], 675);
  EXPECT_TRUE(b.Sim().warnings.empty());
}

TEST(CandyHookSetUp, DesignTimeLoadingInstallsNoHook) {
  LoadedButton b(false);
  EXPECT_FALSE(b.button.HookAvailable());
  EXPECT_FALSE(b.Sim().IsBound(b.host.Surface().Window()));
  EXPECT_FALSE(b.button.Hooks().HasRegistry());
}

TEST(CandyHookSetUp, CommonControlsTrackingServesWhenTheOtherIsMissing) {
  LoadedButton b(true, {"comctl32!_TrackMouseEvent"});
  EXPECT_TRUE(b.button.HookAvailable());
  EXPECT_FALSE(b.button.UseUser32Tracking());
  b.MoveAndLeave();
  ASSERT_EQ(b.Sim().leave_requests.size(), 1u);
  EXPECT_FALSE(b.Sim().leave_requests[0].second);
}

TEST(CandyHookSetUp, WithoutATrackingFunctionTheButtonNeverHovers) {
  LoadedButton b(true, {});
  EXPECT_FALSE(b.button.HookAvailable());
  b.MoveAndLeave();
  EXPECT_FALSE(b.button.IsHovering());
  EXPECT_TRUE(b.host.Log().Matching("RaiseEvent(4").empty());
  EXPECT_TRUE(b.host.Log().Matching("RaiseEvent(5").empty());
  EXPECT_TRUE(b.Sim().warnings.empty());  // no error shown
}

TEST(CandyHookSetUp, AFailedInstallationIsReportedAndEachAdditionReportsItsLookup) {
  LoadedButton b(true, {"user32!TrackMouseEvent"}, 5);
  EXPECT_EQ(b.Sim().error_entries,
            (std::vector<std::string>{"CandyButton.sc_Subclass: SetWindowLong failed, error #5",
                                      "CandyButton.zMap_hWnd: Window handle isn't subclassed",
                                      "CandyButton.zMap_hWnd: Window handle isn't subclassed",
                                      "CandyButton.zMap_hWnd: Window handle isn't subclassed"}));
  EXPECT_TRUE(b.button.IsReady());
  b.MoveAndLeave();  // works on, without hover handling
  EXPECT_FALSE(b.button.IsHovering());
  EXPECT_TRUE(b.host.Log().Matching("RaiseEvent(4").empty());
}

}  // namespace
}  // namespace tarnwick::candy
