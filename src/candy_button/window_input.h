#pragma once
// Turns the input messages of a control's window into the control's input notifications, as
// its container does: a left press and release over the control make a click (a release
// outside, or one that ends a double click, does not); the second press of a double click is
// a double click; focus changes, key presses, size changes and showing pass through.
#include <cstdint>

#include "candy_button/control_input.h"
#include "platform/message_hook_port.h"

namespace tarnwick::candy {

inline constexpr std::uint32_t kMsgSize = 0x0005, kMsgSetFocus = 0x0007,
                               kMsgKillFocus = 0x0008, kMsgShowWindow = 0x0018,
                               kMsgKeyDown = 0x0100, kMsgKeyUp = 0x0101,
                               kMsgLButtonDown = 0x0201, kMsgLButtonUp = 0x0202,
                               kMsgLButtonDblClk = 0x0203, kMsgRButtonDown = 0x0204,
                               kMsgRButtonUp = 0x0205, kMsgRButtonDblClk = 0x0206,
                               kMsgMButtonDown = 0x0207, kMsgMButtonUp = 0x0208,
                               kMsgMButtonDblClk = 0x0209;
// Key-state bits of a mouse message's wParam.
inline constexpr std::uintptr_t kMkLButton = 0x01, kMkRButton = 0x02, kMkMButton = 0x10;

class WindowInput {
 public:
  // Delivers `message` when it is an input message; returns whether it was. `width` and
  // `height` are the control's size now, `shift` the Shift/Ctrl/Alt bits now.
  bool Deliver(ControlInput& control, const platform::WindowMessage& message, int width,
               int height, std::int16_t shift);
  // The press in progress no longer ends in a click (the window lost the pointer capture).
  void CancelClick() { click_armed_ = false; }

 private:
  bool DeliverMouse(ControlInput& control, const platform::WindowMessage& message, int width,
                    int height, std::int16_t shift);

  bool click_armed_ = false;
};

// The low and high 16 bits of a 32-bit message parameter, sign-extended.
std::int32_t LoWordSigned(std::int32_t value);
std::int32_t HiWordSigned(std::int32_t value);

}  // namespace tarnwick::candy
