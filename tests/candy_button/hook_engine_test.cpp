// The engine's operations and how it reports misuse: an event-log entry and a warning box,
// then the failure value.
#include <gtest/gtest.h>

#include "hook_test_support.h"

namespace tarnwick::candy {
namespace {

using testing::HookFixture;
using Messages = std::vector<std::uint32_t>;

class HookEngineTest : public HookFixture, public ::testing::Test {
 protected:
  void ExpectOneReport(const std::string& routine, const std::string& text) {
    ASSERT_EQ(sim.error_entries, std::vector<std::string>{"CandyButton." + routine + ": " + text});
    ASSERT_EQ(sim.warnings.size(), 1u);
    EXPECT_EQ(sim.warnings[0].text, text + ".");
    EXPECT_EQ(sim.warnings[0].title, "Error in CandyButton." + routine);
    sim.error_entries.clear();
    sim.warnings.clear();
  }
};

TEST_F(HookEngineTest, SubclassReplacesTheProcedureAndRegistersTheWindow) {
  const platform::WindowHandle window = NewWindow();
  const platform::ProcedureId own = sim.CurrentProcedure(window);
  EXPECT_FALSE(engine->HasRegistry());
  EXPECT_TRUE(engine->sc_Subclass(window));
  EXPECT_EQ(sim.CurrentProcedure(window), sim.HookProcedure());
  EXPECT_EQ(engine->zMap_hWnd(window)->previous, own);
  EXPECT_EQ(engine->zMap_hWnd(window)->window, window);
  EXPECT_EQ(engine->HookCount(), 1u);
  EXPECT_TRUE(sim.error_entries.empty());
  EXPECT_TRUE(sim.warnings.empty());
}

TEST_F(HookEngineTest, BadWindowsAreRefusedBeforeAnyRegistryExists) {
  EXPECT_FALSE(engine->sc_Subclass(0));
  ExpectOneReport("sc_Subclass", "Invalid window handle");
  const platform::WindowHandle gone = NewWindow();
  sim.DestroyWindow(gone);
  EXPECT_FALSE(engine->sc_Subclass(gone));
  ExpectOneReport("sc_Subclass", "Invalid window handle");
  EXPECT_FALSE(engine->sc_Subclass(NewWindow(true)));
  ExpectOneReport("sc_Subclass", "Window handle belongs to another process");
  EXPECT_FALSE(engine->sc_Subclass(NewWindow(), 0, 2));
  ExpectOneReport("sc_Subclass", "Callback method not found");
  EXPECT_FALSE(engine->HasRegistry());
}

TEST_F(HookEngineTest, HookingTwiceReportsAndLeavesTheFirstHookWorking) {
  const platform::WindowHandle window = NewWindow();
  ASSERT_TRUE(engine->sc_Subclass(window));
  engine->HookAddMessage(window, 512, HOOK_AFTER);
  EXPECT_FALSE(engine->sc_Subclass(window));
  ExpectOneReport("sc_Subclass", "Window handle is already subclassed");
  EXPECT_EQ(sim.Send(window, 512), 100 + 512);
  ASSERT_EQ(owner.calls.size(), 1u);
  EXPECT_EQ(owner.calls[0].message, 512u);
}

TEST_F(HookEngineTest, AFailedReplacementLeavesTheWindowFreeToHookLater) {
  const platform::WindowHandle window = NewWindow();
  sim.fail_next_bind = 5;
  EXPECT_FALSE(engine->sc_Subclass(window));
  ExpectOneReport("sc_Subclass", "SetWindowLong failed, error #5");
  EXPECT_TRUE(engine->HasRegistry());  // made by the first call that passed the checks
  EXPECT_EQ(engine->HookCount(), 0u);
  EXPECT_TRUE(engine->sc_Subclass(window));
  EXPECT_TRUE(sim.warnings.empty());
}

TEST_F(HookEngineTest, TableReportsNameTheRoutineAndTheMessage) {
  const platform::WindowHandle window = NewWindow();
  ASSERT_TRUE(engine->sc_Subclass(window));
  for (std::int32_t m = 1; m <= 31; ++m) engine->HookAddMessage(window, m, HOOK_BEFORE);
  engine->HookAddMessage(window, 5, HOOK_BEFORE);  // present: changes nothing
  engine->HookAddMessage(window, 32, HOOK_BEFORE);
  EXPECT_TRUE(sim.warnings.empty());
  engine->HookAddMessage(window, 33, HOOK_BEFORE);
  ExpectOneReport("zAddMsg",
                  "Message table overflow. Either increase the value of Const MSG_ENTRIES or use "
                  "ALL_MESSAGES instead of specific message values");
  engine->HookRemoveMessage(window, 512, HOOK_AFTER);
  ExpectOneReport("zDelMsg", "Message &H200 not found in table");
  engine->HookRemoveMessage(window, 0xC0DE, HOOK_BEFORE | HOOK_AFTER);
  EXPECT_EQ(sim.error_entries.size(), 2u);  // one report per table
  EXPECT_EQ(sim.error_entries[0], "CandyButton.zDelMsg: Message &HC0DE not found in table");
}

TEST_F(HookEngineTest, LookupsReportWhenNothingOrNotThisWindowIsHooked) {
  const platform::WindowHandle window = NewWindow();
  EXPECT_EQ(engine->zMap_hWnd(window), nullptr);
  ExpectOneReport("zMap_hWnd", "Subclassing hasn't been started");
  engine->sc_UnSubclass(window);
  ExpectOneReport("sc_UnSubclass", "Window handle isn't subclassed");
  ASSERT_TRUE(engine->sc_Subclass(NewWindow()));
  engine->HookAddMessage(window, 15, HOOK_BEFORE);
  ExpectOneReport("zMap_hWnd", "Window handle isn't subclassed");
  EXPECT_EQ(engine->HookCallOriginal(window, 15, 0, 0), 0);
  ExpectOneReport("zMap_hWnd", "Window handle isn't subclassed");
}

TEST_F(HookEngineTest, UnsubclassingTwiceReportsOnceAndRaisesNothing) {
  const platform::WindowHandle window = NewWindow();
  ASSERT_TRUE(engine->sc_Subclass(window));
  engine->sc_UnSubclass(window);
  EXPECT_TRUE(sim.warnings.empty());
  engine->sc_UnSubclass(window);
  ExpectOneReport("zMap_hWnd", "Window handle isn't subclassed");
}

TEST_F(HookEngineTest, UserValueIsTheRecordsAndPassedByReference) {
  const platform::WindowHandle window = NewWindow();
  ASSERT_TRUE(engine->sc_Subclass(window, 41));
  EXPECT_EQ(engine->HookUserValue(window), 41);
  engine->HookAddMessage(window, 7, HOOK_BEFORE);
  owner.action = [](bool, bool&, std::intptr_t&, std::uint32_t, std::int32_t& value) { ++value; };
  sim.Send(window, 7);
  EXPECT_EQ(engine->HookUserValue(window), 42);
  engine->HookUserValue(window, -3);
  EXPECT_EQ(engine->zMap_hWnd(window)->user_value, -3);
  EXPECT_EQ(engine->HookUserValue(NewWindow()), 0);  // not hooked: 0 and a report
  EXPECT_EQ(sim.warnings.size(), 1u);
}

TEST_F(HookEngineTest, CallOriginalReachesThePreviousProcedureWithoutCallbacks) {
  const platform::WindowHandle window = NewWindow();
  ASSERT_TRUE(engine->sc_Subclass(window));
  engine->HookAddMessage(window, ALL_MESSAGES, HOOK_BEFORE | HOOK_AFTER);
  EXPECT_EQ(engine->HookCallOriginal(window, 9, 0, 0), 109);
  EXPECT_EQ(own_messages, Messages{9u});
  EXPECT_TRUE(owner.calls.empty());
}

TEST_F(HookEngineTest, TerminateAllReleasesEveryWindowAndDropsTheRegistry) {
  const platform::WindowHandle a = NewWindow(), b = NewWindow();
  const platform::ProcedureId own_a = sim.CurrentProcedure(a), own_b = sim.CurrentProcedure(b);
  ASSERT_TRUE(engine->sc_Subclass(a));
  ASSERT_TRUE(engine->sc_Subclass(b));
  engine->HookAddMessage(a, ALL_MESSAGES, HOOK_BEFORE);
  engine->HookTerminateAll();
  EXPECT_FALSE(engine->HasRegistry());
  sim.Send(a, 1);
  sim.Send(b, 1);
  EXPECT_TRUE(owner.calls.empty());  // tables emptied by the release request
  EXPECT_EQ(sim.CurrentProcedure(a), own_a);
  EXPECT_EQ(sim.CurrentProcedure(b), own_b);
  EXPECT_EQ(sim.BoundCount(), 0u);
  EXPECT_TRUE(sim.warnings.empty());
  EXPECT_TRUE(engine->sc_Subclass(a));  // a released window can be hooked again
}

TEST_F(HookEngineTest, EachControlHasItsOwnRegistryButAWindowHasOneHook) {
  testing::RecordingOwner other_owner;
  HookEngine other(sim, other_owner, "CandyButton");
  const platform::WindowHandle window = NewWindow();
  ASSERT_TRUE(engine->sc_Subclass(window));
  EXPECT_FALSE(other.sc_Subclass(window));
  ExpectOneReport("sc_Subclass", "Window handle is already subclassed");
  EXPECT_TRUE(other.HasRegistry());
  EXPECT_EQ(other.HookCount(), 0u);
}

}  // namespace
}  // namespace tarnwick::candy
