#include "platform/common/mouse_buttons.h"

#include "platform/system_numbers.h"

namespace tarnwick::platform {

ButtonMessage DecodeButtonMessage(std::uint32_t message) {
  switch (message) {
    case kMsgLButtonDown: return {kLeftButton, ButtonAction::Press};
    case kMsgLButtonDblClk: return {kLeftButton, ButtonAction::DoublePress};
    case kMsgLButtonUp: return {kLeftButton, ButtonAction::Release};
    case kMsgRButtonDown: return {kRightButton, ButtonAction::Press};
    case kMsgRButtonDblClk: return {kRightButton, ButtonAction::DoublePress};
    case kMsgRButtonUp: return {kRightButton, ButtonAction::Release};
    case kMsgMButtonDown: return {kMiddleButton, ButtonAction::Press};
    case kMsgMButtonDblClk: return {kMiddleButton, ButtonAction::DoublePress};
    case kMsgMButtonUp: return {kMiddleButton, ButtonAction::Release};
    default: return {};
  }
}

int ButtonsHeld(std::uintptr_t key_state) {
  return ((key_state & kMkLButton) ? kLeftButton : 0) | ((key_state & kMkRButton) ? kRightButton : 0) |
         ((key_state & kMkMButton) ? kMiddleButton : 0);
}

}  // namespace tarnwick::platform
