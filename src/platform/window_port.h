#pragma once
// Windowing and controls: top-level windows built from a WindowSpec, their geometry in twips,
// visibility, control contents, timers, screen facts, modal boxes and pop-up menus.
#include <optional>
#include <string>
#include <vector>

#include "platform/handle.h"
#include "platform/picture.h"
#include "platform/system_numbers.h"
#include "platform/window_events.h"
#include "platform/window_spec.h"

namespace tarnwick::platform {

enum class Dimension { Left, Top, Width, Height };

class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // Builds a hidden window; events go to `events` until the window is destroyed. 0 on failure.
  [[nodiscard]] virtual WindowHandle Create(const WindowSpec& spec, WindowEvents& events) = 0;
  virtual void Destroy(WindowHandle window) = 0;
  [[nodiscard]] virtual bool Show(WindowHandle window) = 0;
  [[nodiscard]] virtual bool Hide(WindowHandle window) = 0;
  virtual bool IsVisible(WindowHandle window) const = 0;

  // Outer geometry in twips. Set stores whole pixels; Get returns the value read back.
  [[nodiscard]] virtual bool SetDimension(WindowHandle window, Dimension which, float twips) = 0;
  [[nodiscard]] virtual std::optional<float> GetDimension(WindowHandle window, Dimension which) const = 0;

  [[nodiscard]] virtual bool SetCaption(WindowHandle window, const std::string& text) = 0;
  [[nodiscard]] virtual bool SetBackgroundPicture(WindowHandle window, const Picture& picture) = 0;
  [[nodiscard]] virtual bool SetControlText(WindowHandle window, int control, const std::string& text) = 0;
  [[nodiscard]] virtual bool SetControlPicture(WindowHandle window, int control, const Picture& picture) = 0;
  // 0 no border, 1 a one-pixel single-line frame.
  [[nodiscard]] virtual bool SetControlBorder(WindowHandle window, int control, int border_style) = 0;
  // 0 stops the timer; any other value (re)starts it with that period.
  [[nodiscard]] virtual bool SetTimerInterval(WindowHandle window, int timer, int interval_ms) = 0;

  virtual float ScreenWidthTwips() const = 0;
  virtual float ScreenHeightTwips() const = 0;
  virtual float TwipsPerPixelX() const = 0;
  virtual float TwipsPerPixelY() const = 0;
  virtual int SystemMetric(int index) const = 0;

  // Modal message box owned by `owner` (shown or hidden): it gets no task-list entry of its
  // own, and a click on its disabled owner brings it forward. Returns the answer (kIdOk,
  // kIdYes, kIdNo), or 0 when it failed.
  [[nodiscard]] virtual int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& caption,
                             int style) = 0;
  // Pop-up menu at the pointer; returns the chosen item's index, or -1 when none was chosen.
  virtual int PopupMenu(WindowHandle owner, const std::vector<std::string>& items) = 0;

  // Brings forward a top-level window whose title equals (or else begins with) `title`.
  [[nodiscard]] virtual bool ActivateByTitle(const std::string& title) = 0;
  virtual WindowHandle ForegroundWindow() const = 0;
  [[nodiscard]] virtual bool ShowWindow(WindowHandle window, int show_command) = 0;
};

}  // namespace tarnwick::platform
