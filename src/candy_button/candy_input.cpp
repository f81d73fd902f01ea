// Input notifications from the host: keyboard, mouse, focus, size and showing, turned into
// the painted state and the control's events.
#include "candy_button/candy_button.h"

namespace tarnwick::candy {
namespace {

constexpr std::int16_t kEnterKey = 13;

}  // namespace

void CandyButton::Raise(CandyEventId id) {
  CandyEvent event;
  event.id = id;
  host_.RaiseEvent(event);
}

void CandyButton::RaiseMouse(CandyEventId id, std::int16_t button, std::int16_t shift, float x,
                             float y) {
  CandyEvent event;
  event.id = id;
  event.button = button, event.shift = shift, event.x = x, event.y = y;
  host_.RaiseEvent(event);
}

// Only Enter acts as a keyboard press; the space bar and other keys are ignored.
void CandyButton::OnKeyDown(std::int16_t key_code, std::int16_t /*shift*/) {
  if (props_.enabled && key_code == kEnterKey) OnMouseDown(1, 0, 0, 0);
}

void CandyButton::OnKeyUp(std::int16_t key_code, std::int16_t /*shift*/) {
  if (!props_.enabled || key_code != kEnterKey) return;
  OnMouseUp(1, 0, 0, 0);
  Raise(CandyEventId::Click);
}

void CandyButton::OnClick() {
  if (props_.enabled) Raise(CandyEventId::Click);
}

void CandyButton::OnDblClick() {
  if (!props_.enabled) return;
  Redraw(ButtonState::Pressed);
  Raise(CandyEventId::DblClick);
}

void CandyButton::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  if (!props_.enabled) return;
  has_focus_ = true;
  Redraw(ButtonState::Pressed);
  RaiseMouse(CandyEventId::MouseDown, button, shift, x, y);
}

// A drag with the left button out of the inner rectangle ends the hover state without a
// MouseLeave, so the next hooked move inside raises MouseEnter again.
void CandyButton::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  if (!props_.enabled) return;
  RaiseMouse(CandyEventId::MouseMove, button, shift, x, y);
  const platform::ControlSurface& surface = host_.Surface();
  const bool outside = x < 0 || x > float(surface.InnerWidth()) || y < 0 ||
                       y > float(surface.InnerHeight());
  if (button == 1 && outside) {
    is_hovering_ = false;
    Redraw(ButtonState::Normal);
  }
}

void CandyButton::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  if (!props_.enabled) return;
  if (!props_.checked) {
    if (is_hovering_)
      Redraw(ButtonState::Hover);
    else if (has_focus_)
      Redraw(ButtonState::Focused);
  }
  RaiseMouse(CandyEventId::MouseUp, button, shift, x, y);
}

void CandyButton::OnGotFocus() {
  has_focus_ = true;
  if (props_.enabled && !props_.checked && !is_hovering_) Redraw(ButtonState::Focused);
}

void CandyButton::OnLostFocus() {
  has_focus_ = false;
  if (props_.enabled && !props_.checked) Redraw(ButtonState::Normal);
}

void CandyButton::OnResize() {
  ShapeWindow();
  Redraw(ButtonState::Normal);
}

void CandyButton::OnShow() {
  ShapeWindow();
  Redraw(ButtonState::Normal);
}

}  // namespace tarnwick::candy
