#pragma once
// The input notifications a container delivers to a hosted control. Mouse coordinates are
// in the control's pixels; Button holds 1 left, 2 right, 4 middle; Shift holds 1 Shift,
// 2 Ctrl, 4 Alt.
#include <cstdint>

namespace tarnwick::candy {

class ControlInput {
 public:
  virtual void OnKeyDown(std::int16_t key_code, std::int16_t shift) = 0;
  virtual void OnKeyUp(std::int16_t key_code, std::int16_t shift) = 0;
  virtual void OnClick() = 0;
  virtual void OnDblClick() = 0;
  virtual void OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) = 0;
  virtual void OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) = 0;
  virtual void OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) = 0;
  virtual void OnGotFocus() = 0;
  virtual void OnLostFocus() = 0;
  virtual void OnResize() = 0;
  virtual void OnShow() = 0;

 protected:
  ~ControlInput() = default;
};

}  // namespace tarnwick::candy
