#pragma once
// Turns the input messages of a control's window into the control's input notifications, as
// its container does: a left press and release over the control make a click (a release
// outside, or one that ends a double click, does not); the second press of a double click is
// a double click; focus changes, key presses, size changes and showing pass through.
#include <cstdint>

#include "candy_button/control_input.h"
#include "candy_button/ports/message_hook_port.h"
#include "platform/common/mouse_buttons.h"

namespace tarnwick::candy {

class WindowInput {
 public:
  // Delivers `message` when it is an input message; returns whether it was. `width` and
  // `height` are the control's size now, `shift` the Shift/Ctrl/Alt bits now.
  bool Deliver(ControlInput& control, const platform::WindowMessage& message, int width,
               int height, std::int16_t shift);
  // The press in progress no longer ends in a click (the window lost the pointer capture).
  void CancelClick() { clicks_.Cancel(); }

 private:
  bool DeliverMouse(ControlInput& control, const platform::WindowMessage& message, int width,
                    int height, std::int16_t shift);

  platform::ClickRule clicks_;
};

// The low and high 16 bits of a 32-bit message parameter, sign-extended.
std::int32_t LoWordSigned(std::int32_t value);
std::int32_t HiWordSigned(std::int32_t value);

}  // namespace tarnwick::candy
