#pragma once
// One top-level launcher window built from a WindowSpec: frame, client size, background colour
// and picture, icon, controls and timers. Its window procedure dispatches to the logic's
// WindowEvents: form mouse moves (in twips), timer ticks, and close requests (query-unload,
// then unload, then destruction). A dispatch keeps the object alive, so a handler may destroy
// its own window.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/win32/dpi_picture.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/native_control.h"
#include "platform/win32/scoped_handles.h"
#include "platform/win32/twips_scale.h"
#include "platform/window_events.h"
#include "platform/window_spec.h"

namespace tarnwick::win32 {

// What every window shares: the module, the owner that keeps windows out of the task list,
// the program icons, who to tell when a window is gone, and who to tell about the
// announcements that reach every top-level window: the shell (re)started, the display changed,
// the window's resolution changed.
struct WindowContext {
  HINSTANCE instance = nullptr;
  HWND owner = nullptr;
  HICON large_icon = nullptr;
  HICON small_icon = nullptr;
  std::function<void(HWND)> on_destroyed;
  std::function<void()> on_shell_restarted;
  std::function<void()> on_display_changed;
  std::function<void(HWND, int)> on_dpi_changed;  // the window and its new resolution
};

class NativeWindow : public std::enable_shared_from_this<NativeWindow> {
 public:
  NativeWindow(const WindowContext& context, platform::WindowEvents& events);
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  // Creates the native window, hidden, with its controls and running timers, at the primary
  // monitor's resolution.
  bool Build(const platform::WindowSpec& spec);
  HWND Handle() const { return window_.Get(); }
  // Twips per pixel at the resolution of the monitor the window is on.
  const TwipsScale& Scale() const { return scale_; }
  // The logic's handler, or null once the window is being torn down.
  platform::WindowEvents* Events() const { return events_; }
  NativeControl* FindControl(int id);
  void SetBackgroundPicture(const platform::Picture& picture);
  // Stops all further events and destroys the native window.
  void Destroy();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  void SetIcons();
  void OnClose();
  void PaintBackground(HDC dc);
  // The window moved to a monitor of resolution `dpi`: it takes `suggested` (the outer
  // rectangle the system proposes, the same size in twips) and lays out its controls again.
  void OnDpiChanged(int dpi, const RECT& suggested);
  void OnNativeDestroyed();

  const WindowContext& context_;
  platform::WindowEvents* events_;
  GdiBrush back_brush_;
  TwipsScale scale_;
  DpiPicture background_;  // drawn at its own size
  std::vector<std::unique_ptr<NativeControl>> controls_;
  ScopedWindow window_;  // declared last: destroyed first, while the controls still exist
};

// The message that the shell broadcasts to top-level windows when it has (re)started.
UINT ShellRestartedMessage();

// Mouse arguments of a client-area mouse message, positions converted to twips.
platform::MouseArgs MouseArgsFrom(WPARAM wparam, LPARAM lparam, const TwipsScale& scale);

}  // namespace tarnwick::win32
