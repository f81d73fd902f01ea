#include "candy_button/window_input.h"

namespace tarnwick::candy {
namespace {

std::int16_t ButtonsHeld(std::uintptr_t key_state) {
  return std::int16_t(((key_state & kMkLButton) ? 1 : 0) | ((key_state & kMkRButton) ? 2 : 0) |
                      ((key_state & kMkMButton) ? 4 : 0));
}

// The button a press or release message is about (0 for other messages).
std::int16_t ButtonOf(std::uint32_t message) {
  switch (message) {
    case kMsgLButtonDown: case kMsgLButtonUp: case kMsgLButtonDblClk: return 1;
    case kMsgRButtonDown: case kMsgRButtonUp: case kMsgRButtonDblClk: return 2;
    case kMsgMButtonDown: case kMsgMButtonUp: case kMsgMButtonDblClk: return 4;
    default: return 0;
  }
}

}  // namespace

std::int32_t LoWordSigned(std::int32_t value) {
  return static_cast<std::int16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

std::int32_t HiWordSigned(std::int32_t value) { return value >> 16; }

bool WindowInput::Deliver(ControlInput& control, const platform::WindowMessage& message,
                          int width, int height, std::int16_t shift) {
  switch (message.message) {
    case kMsgSetFocus: control.OnGotFocus(); return true;
    case kMsgKillFocus: control.OnLostFocus(); return true;
    case kMsgSize: control.OnResize(); return true;
    case kMsgShowWindow:
      if (message.wparam != 0) control.OnShow();
      return true;
    case kMsgKeyDown: control.OnKeyDown(std::int16_t(message.wparam), shift); return true;
    case kMsgKeyUp: control.OnKeyUp(std::int16_t(message.wparam), shift); return true;
    default: return DeliverMouse(control, message, width, height, shift);
  }
}

bool WindowInput::DeliverMouse(ControlInput& control, const platform::WindowMessage& message,
                               int width, int height, std::int16_t shift) {
  const auto packed = static_cast<std::int32_t>(message.lparam);
  const float x = float(LoWordSigned(packed)), y = float(HiWordSigned(packed));
  const std::int16_t button = ButtonOf(message.message);
  switch (message.message) {
    case platform::kMsgMouseMove:
      control.OnMouseMove(ButtonsHeld(message.wparam), shift, x, y);
      return true;
    case kMsgLButtonDblClk:
      click_armed_ = false;
      control.OnDblClick();
      return true;
    case kMsgLButtonDown:
      click_armed_ = true;
      [[fallthrough]];
    case kMsgRButtonDown: case kMsgMButtonDown: case kMsgRButtonDblClk: case kMsgMButtonDblClk:
      control.OnMouseDown(button, shift, x, y);
      return true;
    case kMsgLButtonUp: case kMsgRButtonUp: case kMsgMButtonUp: {
      const bool click = button == 1 && click_armed_ && x >= 0 && y >= 0 && x < float(width) &&
                         y < float(height);
      if (button == 1) click_armed_ = false;
      control.OnMouseUp(button, shift, x, y);
      if (click) control.OnClick();
      return true;
    }
    default: return false;
  }
}

}  // namespace tarnwick::candy
