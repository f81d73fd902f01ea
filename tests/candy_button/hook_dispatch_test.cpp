// The entry point of a hooked window: the passes, the previous procedure, the nesting count
// and the deferred release, whatever order messages, releases and destruction come in.
#include <gtest/gtest.h>

#include "hook_test_support.h"

namespace tarnwick::candy {
namespace {

using testing::HookFixture;
using Messages = std::vector<std::uint32_t>;

class HookDispatchTest : public HookFixture, public ::testing::Test {
 protected:
  void SetUp() override {
    window = NewWindow();
    own = sim.CurrentProcedure(window);
    ASSERT_TRUE(engine->sc_Subclass(window));
  }
  std::vector<std::uint32_t> CalledMessages() const {
    std::vector<std::uint32_t> messages;
    for (const auto& call : owner.calls) messages.push_back(call.message);
    return messages;
  }
  platform::WindowHandle window = 0;
  platform::ProcedureId own = 0;
};

TEST_F(HookDispatchTest, MessagesInNeitherTableOnlyReachTheWindow) {
  engine->HookAddMessage(window, 15, HOOK_BEFORE);
  EXPECT_EQ(sim.Send(window, 512), 612);
  EXPECT_EQ(own_messages, Messages{512u});
  EXPECT_TRUE(owner.calls.empty());
}

TEST_F(HookDispatchTest, BeforeRunsBeforeTheWindowAndAfterSeesItsResult) {
  engine->HookAddMessage(window, 15, HOOK_BEFORE | HOOK_AFTER);
  owner.action = [this](bool before, bool&, std::intptr_t& value, std::uint32_t, std::int32_t&) {
    EXPECT_EQ(own_messages.size(), before ? 0u : 1u);
    if (!before) value += 1000;
  };
  EXPECT_EQ(sim.Send(window, 15), 1115);
  ASSERT_EQ(owner.calls.size(), 2u);
  EXPECT_TRUE(owner.calls[0].before);
  EXPECT_EQ(owner.calls[0].return_value, 0);
  EXPECT_FALSE(owner.calls[1].before);
  EXPECT_EQ(owner.calls[1].return_value, 115);
}

TEST_F(HookDispatchTest, HandledInTheBeforePassSkipsTheWindowAndTheAfterPass) {
  engine->HookAddMessage(window, ALL_MESSAGES, HOOK_BEFORE | HOOK_AFTER);
  owner.action = [](bool, bool& handled, std::intptr_t& value, std::uint32_t, std::int32_t&) {
    handled = true;
    value = -7;
  };
  EXPECT_EQ(sim.Send(window, 20), -7);
  EXPECT_TRUE(own_messages.empty());
  EXPECT_EQ(owner.calls.size(), 1u);
}

TEST_F(HookDispatchTest, ARemovedMessageNoLongerReachesTheOwner) {
  engine->HookAddMessage(window, 512, HOOK_AFTER);
  engine->HookAddMessage(window, 675, HOOK_AFTER);
  engine->HookRemoveMessage(window, 512, HOOK_AFTER);
  sim.Send(window, 512);
  sim.Send(window, 675);
  EXPECT_EQ(CalledMessages(), Messages{675u});
}

TEST_F(HookDispatchTest, AReleaseOfAnIdleWindowHappensAtItsNextMessage) {
  engine->HookAddMessage(window, ALL_MESSAGES, HOOK_BEFORE | HOOK_AFTER);
  engine->sc_UnSubclass(window);
  EXPECT_EQ(sim.CurrentProcedure(window), sim.HookProcedure());  // requested, not done
  EXPECT_EQ(sim.Send(window, 3), 103);  // the window's own procedure still answers
  EXPECT_TRUE(owner.calls.empty());
  EXPECT_EQ(sim.CurrentProcedure(window), own);
  EXPECT_FALSE(sim.IsBound(window));
}

TEST_F(HookDispatchTest, AReleaseDuringANestedMessageWaitsForTheOutermostCall) {
  engine->HookAddMessage(window, 1, HOOK_AFTER);
  engine->HookAddMessage(window, 2, HOOK_BEFORE);
  std::vector<platform::ProcedureId> seen_after_nested;
  during_own = [&](const platform::WindowMessage& m) {
    if (m.message != 1) return;
    sim.Send(window, 2);  // nested: its callback asks for the release
    seen_after_nested.push_back(sim.CurrentProcedure(window));
  };
  owner.action = [this](bool, bool&, std::intptr_t&, std::uint32_t message, std::int32_t&) {
    if (message == 2) engine->sc_UnSubclass(window);
  };
  EXPECT_EQ(sim.Send(window, 1), 101);
  EXPECT_EQ(seen_after_nested, std::vector<platform::ProcedureId>{sim.HookProcedure()});  // still hooked inside
  EXPECT_EQ(CalledMessages(), Messages{2u});  // the outer after pass was skipped
  EXPECT_EQ(sim.CurrentProcedure(window), own);
  EXPECT_FALSE(sim.IsBound(window));
}

TEST_F(HookDispatchTest, TerminateAllFromInsideAHookedMessage) {
  const platform::WindowHandle second = NewWindow();
  ASSERT_TRUE(engine->sc_Subclass(second));
  engine->HookAddMessage(window, 5, HOOK_BEFORE | HOOK_AFTER);
  owner.action = [this](bool, bool&, std::intptr_t&, std::uint32_t, std::int32_t&) {
    engine->HookTerminateAll();
  };
  EXPECT_EQ(sim.Send(window, 5), 105);
  EXPECT_EQ(owner.calls.size(), 1u);  // the tables were emptied: no after pass
  EXPECT_EQ(sim.CurrentProcedure(window), own);
  sim.Send(second, 5);
  EXPECT_EQ(sim.BoundCount(), 0u);
  EXPECT_FALSE(engine->HasRegistry());
}

TEST_F(HookDispatchTest, HookingAgainWhileAReleaseIsPendingIsRefusedWithoutLeftovers) {
  engine->sc_UnSubclass(window);
  EXPECT_FALSE(engine->sc_Subclass(window));
  EXPECT_EQ(sim.warnings.size(), 1u);
  EXPECT_EQ(sim.warnings[0].text, "Window handle is already subclassed.");
  sim.Send(window, 1);  // the pending release happens
  EXPECT_TRUE(engine->sc_Subclass(window));
  engine->HookAddMessage(window, 1, HOOK_BEFORE);
  sim.Send(window, 1);
  EXPECT_EQ(owner.calls.size(), 1u);
}

TEST_F(HookDispatchTest, AWindowDestroyedWhileHookedEndsItsBinding) {
  engine->HookAddMessage(window, platform::kMsgNcDestroy, HOOK_AFTER);
  sim.DestroyWindow(window);
  EXPECT_EQ(CalledMessages(), Messages{platform::kMsgNcDestroy});
  EXPECT_FALSE(sim.IsBound(window));
  EXPECT_EQ(engine->HookCount(), 1u);  // the key stays until the control lets it go
  engine->sc_UnSubclass(window);
  EXPECT_TRUE(sim.warnings.empty());
  EXPECT_EQ(engine->HookCount(), 0u);
}

TEST_F(HookDispatchTest, AWindowDestroyedFromInsideItsOwnNestedMessages) {
  engine->HookAddMessage(window, ALL_MESSAGES, HOOK_BEFORE | HOOK_AFTER);
  during_own = [this](const platform::WindowMessage& m) {
    if (m.message == 0x401) sim.Send(window, 0x402);
    if (m.message == 0x402) sim.DestroyWindow(window);
  };
  sim.Send(window, 0x401);
  EXPECT_FALSE(sim.IsWindow(window));
  EXPECT_FALSE(sim.IsBound(window));
  engine->HookTerminateAll();
  EXPECT_TRUE(sim.warnings.empty());
}

TEST_F(HookDispatchTest, TheControlDestroyedWhileItsMessagesAreNested) {
  engine->HookAddMessage(window, ALL_MESSAGES, HOOK_BEFORE | HOOK_AFTER);
  during_own = [this](const platform::WindowMessage& m) {
    if (m.message == 0x401) sim.Send(window, 0x402);
    if (m.message == 0x402) engine.reset();
  };
  EXPECT_EQ(sim.Send(window, 0x401), 100 + 0x401);
  EXPECT_EQ(owner.calls.size(), 2u);  // the two before passes; the tables were emptied then
  EXPECT_EQ(sim.CurrentProcedure(window), own);
  EXPECT_EQ(sim.BoundCount(), 0u);
}

TEST_F(HookDispatchTest, AWarningBoxThatDispatchesCannotPullTheRecordAway) {
  // While the overflow box is open its modal loop runs a message that ends every hook.
  for (std::int32_t m = 1; m <= 32; ++m) engine->HookAddMessage(window, m, HOOK_BEFORE);
  sim.while_warning_open = [this] {
    sim.while_warning_open = nullptr;
    engine->HookTerminateAll();
    sim.Send(window, 99);
  };
  engine->HookAddMessage(window, 40, HOOK_BEFORE | HOOK_AFTER);
  EXPECT_EQ(sim.warnings.size(), 1u);
  EXPECT_FALSE(sim.IsBound(window));
}

TEST_F(HookDispatchTest, AWindowHookedDuringItsOwnDestructionIsReleasedWhenUnhooked) {
  // Hooked again while its last message runs: no message will ever release it.
  const platform::WindowHandle dying = NewWindow();
  during_own = [&](const platform::WindowMessage& m) {
    if (m.window == dying && m.message == platform::kMsgNcDestroy) engine->sc_Subclass(dying);
  };
  sim.DestroyWindow(dying);
  EXPECT_EQ(engine->HookCount(), 2u);
  EXPECT_TRUE(sim.IsBound(dying));
  engine->sc_UnSubclass(dying);  // the window is gone: released at once, nothing left behind
  EXPECT_EQ(engine->HookCount(), 1u);
  EXPECT_FALSE(sim.IsBound(dying));
  EXPECT_TRUE(sim.warnings.empty());
}

TEST_F(HookDispatchTest, EndingTheControlReleasesHooksOfAWindowInItsLastMessage) {
  // Hooked during its last message, the control ended in that same message: the release would
  // wait for a message that never comes, and the record was lost with its binding.
  const platform::WindowHandle dying = NewWindow();
  during_own = [&](const platform::WindowMessage& m) {
    if (m.window != dying || m.message != platform::kMsgNcDestroy) return;
    engine->sc_Subclass(dying);
    engine.reset();
  };
  sim.DestroyWindow(dying);
  EXPECT_FALSE(sim.IsBound(dying));
  EXPECT_FALSE(sim.IsBound(window));
  EXPECT_EQ(sim.CurrentProcedure(window), own);
  EXPECT_TRUE(sim.warnings.empty());
}

TEST_F(HookDispatchTest, EndingTheControlDuringAHookedMessageReleasesWhenItsCallReturns) {
  during_own = [&](const platform::WindowMessage& m) {
    if (m.message == 7) engine.reset();
  };
  EXPECT_EQ(sim.Send(window, 7), 107);  // the previous procedure's call ends, then the release
  EXPECT_FALSE(sim.IsBound(window));
  EXPECT_EQ(sim.CurrentProcedure(window), own);
}

TEST_F(HookDispatchTest, TheEngineDestroyedWhileItsOwnWarningBoxIsOpen) {
  sim.while_warning_open = [this] { engine.reset(); };
  // Absent from both tables: the first report's box ends the engine, the second never comes.
  engine->HookRemoveMessage(window, 0x7777, HOOK_BEFORE | HOOK_AFTER);
  EXPECT_EQ(sim.warnings.size(), 1u);
  EXPECT_EQ(sim.error_entries.size(), 1u);
  EXPECT_EQ(sim.Send(window, 1), 101);  // released when the engine ended; nothing else runs
  EXPECT_EQ(sim.CurrentProcedure(window), own);
  EXPECT_TRUE(owner.calls.empty());
}

}  // namespace
}  // namespace tarnwick::candy
