#pragma once
// What a container provides to a hosted candy button: change notifications, ambient values,
// the instance name, the drawing surface, colour translation, pictures, event delivery and
// the system's window-message hooks.
#include <cstdint>
#include <string>
#include <string_view>

#include "candy_button/button_picture.h"
#include "candy_button/ports/control_surface_port.h"
#include "candy_button/ports/message_hook_port.h"
#include "platform/colour_port.h"
#include "platform/font_spec.h"

namespace tarnwick::candy {

// The control's events in their declared order (the value is the event's number).
enum class CandyEventId {
  Status = 1, Click, DblClick, MouseEnter, MouseLeave, MouseMove, MouseUp, MouseDown
};

struct CandyEvent {
  CandyEventId id = CandyEventId::Click;
  std::int16_t button = 0, shift = 0;  // MouseMove, MouseUp, MouseDown
  float x = 0, y = 0;
  std::string status;  // Status
};

class ControlHost {
 public:
  virtual ~ControlHost() = default;
  virtual void PropertyChanged(std::string_view property_name) = 0;
  // False while a designer edits the form that holds the control.
  virtual bool AmbientUserMode() const = 0;
  virtual platform::FontSpec AmbientFont() const = 0;
  // The instance name the container gave the control.
  virtual std::string ExtenderName() const = 0;
  virtual platform::ControlSurface& Surface() = 0;
  virtual const platform::ColourTranslator& Colours() const = 0;
  virtual PictureSource& Pictures() = 0;
  virtual void RaiseEvent(const CandyEvent& event) = 0;
  // Window-procedure hooks, pointer-leave tracking and error reports for the control.
  virtual platform::MessageHookPort& Hooks() = 0;
};

}  // namespace tarnwick::candy
