#include "candy_button/window_input.h"

namespace tarnwick::candy {

std::int32_t LoWordSigned(std::int32_t value) {
  return static_cast<std::int16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

std::int32_t HiWordSigned(std::int32_t value) { return value >> 16; }

bool WindowInput::Deliver(ControlInput& control, const platform::WindowMessage& message,
                          int width, int height, std::int16_t shift) {
  switch (message.message) {
    case platform::kMsgSetFocus: control.OnGotFocus(); return true;
    case platform::kMsgKillFocus: control.OnLostFocus(); return true;
    case platform::kMsgSize: control.OnResize(); return true;
    case platform::kMsgShowWindow:
      if (message.wparam != 0) control.OnShow();
      return true;
    case platform::kMsgKeyDown: control.OnKeyDown(std::int16_t(message.wparam), shift); return true;
    case platform::kMsgKeyUp: control.OnKeyUp(std::int16_t(message.wparam), shift); return true;
    default: return DeliverMouse(control, message, width, height, shift);
  }
}

bool WindowInput::DeliverMouse(ControlInput& control, const platform::WindowMessage& message,
                               int width, int height, std::int16_t shift) {
  const auto packed = static_cast<std::int32_t>(message.lparam);
  const float x = float(LoWordSigned(packed)), y = float(HiWordSigned(packed));
  if (message.message == platform::kMsgMouseMove) {
    control.OnMouseMove(std::int16_t(platform::ButtonsHeld(message.wparam)), shift, x, y);
    return true;
  }
  const platform::ButtonMessage decoded = platform::DecodeButtonMessage(message.message);
  const auto button = std::int16_t(decoded.button);
  switch (decoded.action) {
    case platform::ButtonAction::None:
      return false;
    case platform::ButtonAction::Release: {
      const bool inside = x >= 0 && y >= 0 && x < float(width) && y < float(height);
      const bool click = clicks_.Release(decoded.button, inside);
      control.OnMouseUp(button, shift, x, y);
      if (click) control.OnClick();
      return true;
    }
    case platform::ButtonAction::Press:
    case platform::ButtonAction::DoublePress:
      clicks_.Press(decoded);
      // The second press of a left double click is the double click itself.
      if (decoded.button == platform::kLeftButton && decoded.action == platform::ButtonAction::DoublePress) {
        control.OnDblClick();
      } else {
        control.OnMouseDown(button, shift, x, y);
      }
      return true;
  }
  return false;
}

}  // namespace tarnwick::candy
