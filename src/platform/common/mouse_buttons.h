#pragma once
// Mouse-button messages as the system sends them, and the rule by which a press and a release
// make a click: a left press, then a left release inside the control. The second press of a
// double click arms no click, and a press whose release is lost (the pointer capture went
// elsewhere) ends in none.
#include <cstdint>

#include "platform/window_events.h"

namespace tarnwick::platform {

enum class ButtonAction { None, Press, DoublePress, Release };

struct ButtonMessage {
  int button = 0;  // one MouseButton bit; 0 when `action` is None
  ButtonAction action = ButtonAction::None;
};

// What a window message says about a mouse button; {0, None} for any other message.
ButtonMessage DecodeButtonMessage(std::uint32_t message);

// The MouseButton bits held, from the key-state word of a mouse message.
int ButtonsHeld(std::uintptr_t key_state);

class ClickRule {
 public:
  void Press(const ButtonMessage& press) {
    if (press.button == kLeftButton) armed_ = press.action == ButtonAction::Press;
  }
  // Whether the release of `button`, inside the control or not, ends a click.
  [[nodiscard]] bool Release(int button, bool inside) {
    if (button != kLeftButton) return false;
    const bool click = armed_ && inside;
    armed_ = false;
    return click;
  }
  void Cancel() { armed_ = false; }

 private:
  bool armed_ = false;
};

}  // namespace tarnwick::platform
