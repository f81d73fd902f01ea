#pragma once
// A hook engine on the simulated window procedures, with an owner that records each callback
// and runs a scripted action in it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "candy_button/hook_engine.h"
#include "candy_button/sim/sim_window_procedures.h"

namespace tarnwick::candy::testing {

struct Callback {
  bool before = false;
  platform::WindowHandle window = 0;
  std::uint32_t message = 0;
  std::intptr_t return_value = 0;  // as the owner found it
};

class RecordingOwner : public HookOwner {
 public:
  void OnHookMessage(bool before, bool& handled, std::intptr_t& return_value,
                     platform::WindowHandle window, std::uint32_t message, std::uintptr_t,
                     std::intptr_t, std::int32_t& user_value) override {
    calls.push_back({before, window, message, return_value});
    if (action) action(before, handled, return_value, message, user_value);
  }
  std::vector<Callback> calls;
  std::function<void(bool before, bool& handled, std::intptr_t& return_value,
                     std::uint32_t message, std::int32_t& user_value)> action;
};

struct HookFixture {
  // A window whose own procedure records each message and answers 100 + its number.
  platform::WindowHandle NewWindow(bool other_process = false) {
    return sim.CreateWindow(
        [this](const platform::WindowMessage& m) {
          own_messages.push_back(m.message);
          if (during_own) during_own(m);
          return std::intptr_t(100 + m.message);
        },
        other_process);
  }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& w : sim.warnings) titles.push_back(w.title);
    return titles;
  }

  // Declared before the windows, which send their last messages when the sim goes.
  std::vector<std::uint32_t> own_messages;
  std::function<void(const platform::WindowMessage&)> during_own;
  sim::SimWindowProcedures sim;
  RecordingOwner owner;
  std::unique_ptr<HookEngine> engine = std::make_unique<HookEngine>(sim, owner, "CandyButton");
};

}  // namespace tarnwick::candy::testing
