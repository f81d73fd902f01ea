// Random sequences of window-hook operations on the simulated window procedures: windows of
// this and another process made and destroyed, two engines (each bundled with its owner, as a
// control is) made and destroyed, hooks installed and released, messages added and removed,
// messages sent, and, from inside owner callbacks, window procedures and warning boxes, more
// operations nested to a depth of four. Whatever the order, no record is used after it is
// freed and nothing leaks (AddressSanitizer and LeakSanitizer watch). The input's bytes are
// read one statement at a time, never two in one call's arguments, whose order of evaluation
// differs between compilers: the corpus replay (gcc) must run what the fuzzer (clang) ran.
#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

#include "candy_button/hook_engine.h"
#include "candy_button/sim/sim_window_procedures.h"

namespace {

using namespace tarnwick;

constexpr std::uint32_t kMessages[] = {0x000F, 0x0200, 0x02A3, 0x0082, 0x0002, 0x0400, 0, 7};
constexpr int kMaxDepth = 4;
constexpr std::size_t kMaxWindows = 6;

class World;

// An engine and its owner, made and destroyed together as a control's are.
struct Control final : candy::HookOwner {
  Control(World& world, platform::MessageHookPort& port)
      : world(world), engine(port, *this, "CandyButton") {}
  void OnHookMessage(bool, bool& handled, std::intptr_t& value, platform::WindowHandle,
                     std::uint32_t, std::uintptr_t, std::intptr_t, std::int32_t& user) override;
  World& world;
  candy::HookEngine engine;
};

class World {
 public:
  World(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
    sim_.while_warning_open = [this] { Nested(); };
  }
  // The controls go first, then the windows, with their last messages and no further
  // operations.
  ~World() {
    at_ = size_;
    for (auto& control : controls_) control.reset();
    for (const platform::WindowHandle window : windows_) sim_.DestroyWindow(window);
  }
  bool More() const { return at_ < size_; }
  void Operation();
  // The owner's part of a callback; it may destroy the control being called.
  void Callback(bool& handled, std::intptr_t& value, std::int32_t& user) {
    const std::uint8_t choice = Byte();
    handled = (choice & 0x10) != 0;
    if (choice & 0x20) value = choice;
    if (choice & 0x40) ++user;
    Nested();
  }

 private:
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  // One more operation when the next byte asks for it and the nesting allows it.
  void Nested() {
    if (!More() || depth_ >= kMaxDepth || (Byte() & 3) != 0) return;
    ++depth_;
    Operation();
    --depth_;
  }
  platform::WindowHandle AnyWindow() {
    if (windows_.empty() || (Byte() & 7) == 0) return platform::WindowHandle(Byte());
    return windows_[Byte() % windows_.size()];
  }
  std::int32_t AnyMessage() {
    const std::uint8_t pick = Byte();
    return pick == 0xFF ? candy::ALL_MESSAGES
                        : std::int32_t(kMessages[pick % std::size(kMessages)]);
  }
  void CreateWindow() {
    if (windows_.size() == kMaxWindows) return;
    windows_.push_back(sim_.CreateWindow(
        [this](const platform::WindowMessage& m) {
          Nested();
          return std::intptr_t(m.message);
        },
        (Byte() & 7) == 0));
  }
  // The control may be gone after any call that reports (its warning box runs operations).
  candy::HookEngine* Engine(int which) { return controls_[which] ? &controls_[which]->engine : nullptr; }
  void EngineOperation(std::uint8_t op, int which);

  const std::uint8_t* data_;
  std::size_t size_, at_ = 0;
  int depth_ = 0;
  std::vector<platform::WindowHandle> windows_;
  sim::SimWindowProcedures sim_;
  std::array<std::unique_ptr<Control>, 2> controls_;
};

void Control::OnHookMessage(bool, bool& handled, std::intptr_t& value, platform::WindowHandle,
                            std::uint32_t, std::uintptr_t, std::intptr_t, std::int32_t& user) {
  world.Callback(handled, value, user);  // nothing of this object is used afterwards
}

void World::Operation() {
  const std::uint8_t op = Byte() % 16;
  switch (op) {
    case 0: CreateWindow(); return;
    case 1: sim_.DestroyWindow(AnyWindow()); return;
    case 2: {
      const platform::WindowHandle window = AnyWindow();
      const auto message = std::uint32_t(AnyMessage());
      const std::uint8_t wparam = Byte(), lparam = Byte();
      sim_.Send(window, message, wparam, lparam);
      return;
    }
    case 3: sim_.fail_next_bind = Byte() & 1 ? 5 : 0; return;
    case 4: {
      std::unique_ptr<Control>& control = controls_[Byte() & 1];
      if (control) {
        control.reset();
      } else {
        control = std::make_unique<Control>(*this, sim_);
      }
      return;
    }
    default: EngineOperation(op, Byte() & 1); return;
  }
}

void World::EngineOperation(std::uint8_t op, int which) {
  candy::HookEngine* engine = Engine(which);
  if (engine == nullptr) return;
  switch (op) {
    case 5: {
      const platform::WindowHandle window = AnyWindow();
      const std::uint8_t user_value = Byte();
      engine->sc_Subclass(window, user_value, Byte() == 0xFF ? 2 : 1);
      break;
    }
    case 6: engine->sc_UnSubclass(AnyWindow()); break;
    case 7: engine->HookTerminateAll(); break;
    case 8:
    case 9: {
      const platform::WindowHandle window = AnyWindow();
      const std::int32_t message = AnyMessage();
      const int when = 1 + Byte() % 3;
      if (op == 8) engine->HookAddMessage(window, message, when);
      if (op == 9) engine->HookRemoveMessage(window, message, when);
      break;
    }
    case 10: {
      const platform::WindowHandle window = AnyWindow();
      engine->HookCallOriginal(window, std::uint32_t(AnyMessage()), 0, 0);
      break;
    }
    case 11: {
      const platform::WindowHandle window = AnyWindow();
      engine->HookUserValue(window, Byte());
      break;
    }
    case 12: engine->HookUserValue(AnyWindow()); break;
    default:  // fill a table towards its limit
      for (int i = 0; i < 8 && (engine = Engine(which)) != nullptr; ++i) {
        const platform::WindowHandle window = AnyWindow();
        engine->HookAddMessage(window, 0x400 + i * 5 + Byte(), 3);
      }
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  World world(data, size);
  while (world.More()) world.Operation();
  return 0;
}
