#include "platform/win32/win32_windows.h"

#include <utility>

#include "platform/win32/modal_ui.h"
#include "platform/win32/monitor_dpi.h"
#include "platform/win32/native_handle.h"
#include "platform/win32/shell_notice_filter.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {
SIZE PrimaryScreenPixels() { return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// Restores a minimised window and brings it in front: the launcher's windows have no task-list
// entry that would bring them back.
bool RestoreInFront(HWND window) {
  if (IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
  return SetForegroundWindow(window) != FALSE;
}

}  // namespace

Win32Windows::Win32Windows(HINSTANCE instance, HWND owner, HICON large_icon, HICON small_icon,
                           std::function<void()> on_shell_restarted) {
  context_.instance = instance;
  context_.owner = owner;
  context_.large_icon = large_icon;
  context_.small_icon = small_icon;
  context_.on_destroyed = [this](HWND window) { windows_.erase(window); };
  context_.on_shell_restarted = std::move(on_shell_restarted);
  context_.on_display_changed = [this] { screen_.reset(); };
  context_.on_dpi_changed = [this](HWND window, int dpi) { OnDpiChanged(window, dpi); };
}

Win32Windows::~Win32Windows() {
  context_.on_destroyed = nullptr;
  windows_.clear();
}

platform::WindowHandle Win32Windows::Create(const platform::WindowSpec& spec, platform::WindowEvents& events) {
  auto window = std::make_shared<NativeWindow>(context_, events);
  if (!window->Build(spec)) return platform::kNoWindow;
  // With raised rights the shell's restart notice would not arrive, and the tray icon with it.
  (void)AllowShellRestartNotice(window->Handle(), ShellRestartedMessage());
  windows_[window->Handle()] = window;
  return FromHwnd(window->Handle());
}

void Win32Windows::Destroy(platform::WindowHandle handle) {
  const auto found = windows_.find(ToHwnd(handle));
  if (found == windows_.end()) return;
  const std::shared_ptr<NativeWindow> window = found->second;
  windows_.erase(found);
  window->Destroy();
}

NativeWindow* Win32Windows::Find(platform::WindowHandle handle) const {
  const auto found = windows_.find(ToHwnd(handle));
  return found == windows_.end() ? nullptr : found->second.get();
}

NativeControl* Win32Windows::FindControl(platform::WindowHandle handle, int control) const {
  NativeWindow* window = Find(handle);
  return window ? window->FindControl(control) : nullptr;
}

bool Win32Windows::Show(platform::WindowHandle window) {
  if (!Find(window)) return false;
  if (IsIconic(ToHwnd(window))) {
    (void)RestoreInFront(ToHwnd(window));
  } else {
    ::ShowWindow(ToHwnd(window), SW_SHOW);
  }
  return true;
}

bool Win32Windows::Hide(platform::WindowHandle window) {
  if (!Find(window)) return false;
  ::ShowWindow(ToHwnd(window), SW_HIDE);
  return true;
}

bool Win32Windows::IsVisible(platform::WindowHandle window) const {
  return Find(window) && IsWindowVisible(ToHwnd(window));
}

// A write that would leave the window's live rectangle as it is returns without a call to the
// window system: the bar's timer writes its geometry many times a second, and the write only
// has work to do after something else moved or resized the bar.
bool Win32Windows::SetDimension(platform::WindowHandle window, platform::Dimension which, float twips) {
  RECT rect{};
  const NativeWindow* native = Find(window);
  if (!native || !GetWindowRect(ToHwnd(window), &rect)) return false;
  const TwipsScale& scale = native->Scale();
  int left = rect.left, top = rect.top, width = rect.right - rect.left, height = rect.bottom - rect.top;
  UINT keep = SWP_NOSIZE;
  switch (which) {
    case platform::Dimension::Left: left = scale.XToPixels(twips); break;
    case platform::Dimension::Top: top = scale.YToPixels(twips); break;
    case platform::Dimension::Width: width = scale.XToPixels(twips); keep = SWP_NOMOVE; break;
    case platform::Dimension::Height: height = scale.YToPixels(twips); keep = SWP_NOMOVE; break;
  }
  const RECT wanted{left, top, left + width, top + height};
  if (EqualRect(&wanted, &rect)) return true;
  return SetWindowPos(ToHwnd(window), nullptr, left, top, width, height, keep | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

std::optional<float> Win32Windows::GetDimension(platform::WindowHandle window, platform::Dimension which) const {
  RECT rect{};
  const NativeWindow* native = Find(window);
  if (!native || !GetWindowRect(ToHwnd(window), &rect)) return std::nullopt;
  const TwipsScale& scale = native->Scale();
  switch (which) {
    case platform::Dimension::Left: return scale.XToTwips(rect.left);
    case platform::Dimension::Top: return scale.YToTwips(rect.top);
    case platform::Dimension::Width: return scale.XToTwips(rect.right - rect.left);
    case platform::Dimension::Height: return scale.YToTwips(rect.bottom - rect.top);
  }
  return std::nullopt;
}

bool Win32Windows::SetCaption(platform::WindowHandle window, const std::string& text) {
  return Find(window) && SetWindowTextW(ToHwnd(window), Utf8ToWide(text).c_str());
}

bool Win32Windows::SetBackgroundPicture(platform::WindowHandle handle, const platform::Picture& picture) {
  NativeWindow* window = Find(handle);
  if (window) window->SetBackgroundPicture(picture);
  return window != nullptr;
}

bool Win32Windows::SetControlText(platform::WindowHandle window, int control, const std::string& text) {
  NativeControl* found = FindControl(window, control);
  if (found) found->SetText(text);
  return found != nullptr;
}

bool Win32Windows::SetControlPicture(platform::WindowHandle window, int control, const platform::Picture& picture) {
  NativeControl* found = FindControl(window, control);
  if (found) found->SetPicture(picture);
  return found != nullptr;
}

bool Win32Windows::SetControlBorder(platform::WindowHandle window, int control, int border_style) {
  NativeControl* found = FindControl(window, control);
  if (found) found->SetBorder(border_style);
  return found != nullptr;
}

bool Win32Windows::NavigateFolderView(platform::WindowHandle window, int control, const std::string& location) {
  NativeControl* found = FindControl(window, control);
  return found != nullptr && found->Navigate(location);
}

bool Win32Windows::SetTimerInterval(platform::WindowHandle window, int timer, int interval_ms) {
  if (!Find(window)) return false;
  const auto id = static_cast<UINT_PTR>(timer);
  if (interval_ms == 0) return KillTimer(ToHwnd(window), id) != FALSE;
  return SetTimer(ToHwnd(window), id, static_cast<UINT>(interval_ms), nullptr) != 0;
}

const Win32Windows::Screen& Win32Windows::PrimaryScreen() const {
  if (!screen_) screen_ = Screen{PrimaryScreenPixels(), TwipsScale::AtDpi(PrimaryMonitorDpi())};
  return *screen_;
}

// A window on the primary monitor that hears of a new resolution gives the screen that
// resolution: the monitor's scaling changed, and the bar docks at once in the new twips.
void Win32Windows::OnDpiChanged(HWND window, int dpi) {
  screen_.reset();
  if (MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) != MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)) return;
  screen_ = Screen{PrimaryScreenPixels(), TwipsScale::AtDpi(dpi)};
}

float Win32Windows::ScreenWidthTwips() const { return PrimaryScreen().scale.XToTwips(PrimaryScreen().pixels.cx); }

float Win32Windows::ScreenHeightTwips() const { return PrimaryScreen().scale.YToTwips(PrimaryScreen().pixels.cy); }

float Win32Windows::TwipsPerPixelX() const { return PrimaryScreen().scale.per_pixel_x; }

float Win32Windows::TwipsPerPixelY() const { return PrimaryScreen().scale.per_pixel_y; }

int Win32Windows::ShowMessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                                 int style) {
  return ShowModalMessageBox(Find(owner) ? ToHwnd(owner) : nullptr, text, caption, style);
}

int Win32Windows::PopupMenu(platform::WindowHandle owner, const std::vector<std::string>& items) {
  return TrackPopupAtPointer(ToHwnd(owner), items);
}

bool Win32Windows::ActivateByTitle(const std::string& title) {
  HWND window = FindWindowByTitle(title);
  return window != nullptr && RestoreInFront(window);
}

platform::WindowHandle Win32Windows::ForegroundWindow() const { return FromHwnd(GetForegroundWindow()); }

bool Win32Windows::ShowWindow(platform::WindowHandle window, int show_command) {
  if (!::IsWindow(ToHwnd(window))) return false;
  ::ShowWindow(ToHwnd(window), show_command);
  return true;
}

}  // namespace tarnwick::win32
