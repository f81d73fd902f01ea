// Pointer-leave tracking through the window-message hook: the hook's set-up when the saved
// properties are loaded at run time, the three hooked messages, and the tear-down.
#include "candy_button/candy_button.h"
#include "candy_button/window_input.h"

namespace tarnwick::candy {

CandyButton::CandyButton(ControlHost& host)
    : host_(host), hooks_(host.Hooks(), *this, "CandyButton") {}

CandyButton::~CandyButton() {
  hooks_.HookTerminateAll();
  inner_region_.reset();
}

bool CandyButton::IsFunctionExported(std::string_view function, std::string_view module) {
  return host_.Hooks().IsFunctionExported(function, module);
}

void CandyButton::RequestLeaveNotification(platform::WindowHandle window) {
  if (hook_available_) host_.Hooks().RequestLeaveNotification(window, use_user32_tracking_);
}

// Without a tracking function the control never paints Hover nor raises MouseEnter or
// MouseLeave. A failed installation is reported by the engine; the three additions then
// report their own lookup errors and the control works without hover handling.
void CandyButton::SetUpHook() {
  hook_available_ = true;
  use_user32_tracking_ = IsFunctionExported("TrackMouseEvent", "User32");
  if (!use_user32_tracking_ && !IsFunctionExported("_TrackMouseEvent", "Comctl32"))
    hook_available_ = false;
  if (!hook_available_) return;
  const platform::WindowHandle window = host_.Surface().Window();
  hooks_.sc_Subclass(window, 0, 1);
  hooks_.HookAddMessage(window, platform::kMsgPaint, HOOK_BEFORE);
  hooks_.HookAddMessage(window, platform::kMsgMouseMove, HOOK_AFTER);
  hooks_.HookAddMessage(window, platform::kMsgMouseLeave, HOOK_AFTER);
}

// Dispatches on the message number only; never marks a message handled, so the window's own
// procedure always runs.
void CandyButton::OnHookMessage(bool /*before*/, bool& /*handled*/, std::intptr_t& /*return_value*/,
                                platform::WindowHandle window, std::uint32_t message,
                                std::uintptr_t wparam, std::intptr_t lparam,
                                std::int32_t& /*user_value*/) {
  switch (message) {
    case platform::kMsgPaint: ShapeWindow(); break;
    case platform::kMsgMouseMove: OnPointerMoved(window, wparam, lparam); break;
    case platform::kMsgMouseLeave: OnPointerLeft(); break;
    default: break;
  }
}

// The pointer enters strictly inside the button (the top row and left column do not count),
// and not while only the left button is held.
void CandyButton::OnPointerMoved(platform::WindowHandle window, std::uintptr_t key_state,
                                 std::intptr_t position) {
  if (key_state == 1 || is_hovering_) return;
  const auto packed = static_cast<std::int32_t>(position);
  const std::int32_t x = LoWordSigned(packed), y = HiWordSigned(packed);
  const platform::ControlSurface& surface = host_.Surface();
  if (x > 0 && y > 0 && x < surface.InnerWidth() && y < surface.InnerHeight()) {
    is_hovering_ = true;
    RequestLeaveNotification(window);
    Raise(CandyEventId::MouseEnter);
    Redraw(ButtonState::Hover);
  }
}

void CandyButton::OnPointerLeft() {
  is_hovering_ = false;
  Raise(CandyEventId::MouseLeave);
  if (!props_.checked) Redraw(has_focus_ ? ButtonState::Focused : ButtonState::Normal);
}

}  // namespace tarnwick::candy
