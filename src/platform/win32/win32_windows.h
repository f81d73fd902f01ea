#pragma once
// Windowing and controls: launcher windows built from WindowSpecs, their geometry in twips at
// the resolution of the monitor each is on, contents, timers, modal boxes and menus. Screen
// facts are those of the primary monitor, where the bar docks.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "platform/win32/native_window.h"
#include "platform/window_port.h"

namespace tarnwick::win32 {

class Win32Windows final : public platform::WindowPort {
 public:
  // `owner` owns every window created here, which keeps them out of the task list. The icons
  // must outlive this object. `on_shell_restarted` runs when a window hears that the shell
  // (re)started.
  Win32Windows(HINSTANCE instance, HWND owner, HICON large_icon, HICON small_icon,
               std::function<void()> on_shell_restarted);
  ~Win32Windows() override;
  Win32Windows(const Win32Windows&) = delete;
  Win32Windows& operator=(const Win32Windows&) = delete;

  platform::WindowHandle Create(const platform::WindowSpec& spec, platform::WindowEvents& events) override;
  void Destroy(platform::WindowHandle window) override;
  bool Show(platform::WindowHandle window) override;
  bool Hide(platform::WindowHandle window) override;
  bool IsVisible(platform::WindowHandle window) const override;
  bool SetDimension(platform::WindowHandle window, platform::Dimension which, float twips) override;
  std::optional<float> GetDimension(platform::WindowHandle window, platform::Dimension which) const override;
  bool SetCaption(platform::WindowHandle window, const std::string& text) override;
  bool SetBackgroundPicture(platform::WindowHandle window, const platform::Picture& picture) override;
  bool SetControlText(platform::WindowHandle window, int control, const std::string& text) override;
  bool SetControlPicture(platform::WindowHandle window, int control, const platform::Picture& picture) override;
  bool SetControlBorder(platform::WindowHandle window, int control, int border_style) override;
  bool SetTimerInterval(platform::WindowHandle window, int timer, int interval_ms) override;
  float ScreenWidthTwips() const override;
  float ScreenHeightTwips() const override;
  float TwipsPerPixelX() const override;
  float TwipsPerPixelY() const override;
  int SystemMetric(int index) const override { return GetSystemMetrics(index); }
  int ShowMessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                     int style) override;
  int PopupMenu(platform::WindowHandle owner, const std::vector<std::string>& items) override;
  bool ActivateByTitle(const std::string& title) override;
  platform::WindowHandle ForegroundWindow() const override;
  bool ShowWindow(platform::WindowHandle window, int show_command) override;

  // For the folder-view port: shows `location` in folder-view control `control` of `window`.
  bool NavigateFolderView(platform::WindowHandle window, int control, const std::string& location);

 private:
  NativeWindow* Find(platform::WindowHandle window) const;
  struct Screen {
    SIZE pixels;
    TwipsScale scale;
  };
  // The primary screen's size and scale, read once and again after the display or a window's
  // resolution changed: the bar's timer asks for them many times a second, and the system
  // answers each query with a registry check.
  const Screen& PrimaryScreen() const;
  void OnDpiChanged(HWND window, int dpi);
  NativeControl* FindControl(platform::WindowHandle window, int control) const;

  WindowContext context_;
  std::map<HWND, std::shared_ptr<NativeWindow>> windows_;
  mutable std::optional<Screen> screen_;
};

}  // namespace tarnwick::win32
