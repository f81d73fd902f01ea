#include "platform/win32/native_window.h"

#include <windowsx.h>

#include "platform/win32/modal_ui.h"
#include "platform/win32/monitor_dpi.h"
#include "platform/win32/picture_drawing.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/window_class.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"TarnwickWindow";

// No minimise box: the launcher's windows have no task-list entry to come back from.
DWORD FrameStyleBits(platform::FrameStyle frame) {
  if (frame == platform::FrameStyle::FixedSingle) return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  return WS_POPUP;
}

// The outer rectangle of a window with the designed client area: at the screen's centre, or
// at the origin for windows that the launcher places itself.
RECT OuterRect(const platform::WindowSpec& spec, const TwipsScale& scale, DWORD style) {
  RECT rect{0, 0, scale.XToPixels(static_cast<float>(spec.client_width)),
            scale.YToPixels(static_cast<float>(spec.client_height))};
  AdjustWindowRectEx(&rect, style, FALSE, 0);
  OffsetRect(&rect, -rect.left, -rect.top);
  if (spec.centred) {
    OffsetRect(&rect, (GetSystemMetrics(SM_CXSCREEN) - rect.right) / 2, (GetSystemMetrics(SM_CYSCREEN) - rect.bottom) / 2);
  }
  return rect;
}

}  // namespace

platform::MouseArgs MouseArgsFrom(WPARAM wparam, LPARAM lparam, const TwipsScale& scale) {
  platform::MouseArgs args;
  if (wparam & MK_LBUTTON) args.button |= platform::kLeftButton;
  if (wparam & MK_RBUTTON) args.button |= platform::kRightButton;
  if (wparam & MK_MBUTTON) args.button |= platform::kMiddleButton;
  if (wparam & MK_SHIFT) args.shift |= 1;
  if (wparam & MK_CONTROL) args.shift |= 2;
  if (GetKeyState(VK_MENU) < 0) args.shift |= 4;
  args.x = scale.XToTwips(GET_X_LPARAM(lparam));
  args.y = scale.YToTwips(GET_Y_LPARAM(lparam));
  return args;
}

NativeWindow::NativeWindow(const WindowContext& context, platform::WindowEvents& events)
    : context_(context), events_(&events) {}

bool NativeWindow::Build(const platform::WindowSpec& spec) {
  RegisterWindowClassOnce(context_.instance, kWindowClass, Procedure);
  back_brush_.Reset(CreateSolidBrush(spec.back_color));
  scale_ = TwipsScale::AtDpi(PrimaryMonitorDpi());
  const DWORD style = FrameStyleBits(spec.frame) | WS_CLIPCHILDREN;
  const RECT outer = OuterRect(spec, scale_, style);
  // The window procedure takes ownership of the handle at WM_NCCREATE.
  if (!CreateWindowExW(0, kWindowClass, Utf8ToWide(spec.caption).c_str(), style, outer.left, outer.top,
                       outer.right - outer.left, outer.bottom - outer.top, context_.owner, nullptr,
                       context_.instance, this)) {
    return false;
  }
  if (spec.with_icon) SetIcons();
  for (const platform::ControlSpec& control : spec.controls) {
    controls_.push_back(std::make_unique<NativeControl>(*this, control));
  }
  for (const platform::TimerSpec& timer : spec.timers) {
    if (timer.interval_ms > 0) {
      SetTimer(window_.Get(), static_cast<UINT_PTR>(timer.id), static_cast<UINT>(timer.interval_ms), nullptr);
    }
  }
  return true;
}

void NativeWindow::SetIcons() {
  SendMessageW(window_.Get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(context_.large_icon));
  SendMessageW(window_.Get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(context_.small_icon));
}

NativeControl* NativeWindow::FindControl(int id) {
  for (const auto& control : controls_) {
    if (control->Id() == id && control->Created()) return control.get();
  }
  return nullptr;
}

void NativeWindow::SetBackgroundPicture(const platform::Picture& picture) {
  background_ = DpiPicture(picture);
  InvalidateRect(window_.Get(), nullptr, TRUE);
}

void NativeWindow::Destroy() {
  events_ = nullptr;
  window_.Reset();
}

LRESULT CALLBACK NativeWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = WindowObject<NativeWindow>(window, message, lparam);
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCCREATE) self->window_.Reset(window);  // known before CreateWindowEx returns
  const std::shared_ptr<NativeWindow> keep_alive = self->weak_from_this().lock();
  return self->Dispatch(message, wparam, lparam);
}

LRESULT NativeWindow::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND window = window_.Get();
  if (message == ShellRestartedMessage() && context_.on_shell_restarted) context_.on_shell_restarted();
  switch (message) {
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_MOUSEMOVE:
      if (events_) events_->OnFormMouseMove(MouseArgsFrom(wparam, lparam, scale_));
      return 0;
    case WM_TIMER:
      if (events_) events_->OnTimer(static_cast<int>(wparam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_GETMINMAXINFO:
      // The logic sizes its windows itself, the side panel down to a box narrower and lower
      // than the system's minimum for a titled window; a closing that waits for the panel to
      // get that small would otherwise never end where that minimum is larger.
      reinterpret_cast<MINMAXINFO*>(lparam)->ptMinTrackSize = POINT{1, 1};
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_SETCURSOR:
      BringModalBoxForwardOnPress(lparam);
      break;
    case WM_DISPLAYCHANGE:
      if (context_.on_display_changed) context_.on_display_changed();
      break;
    case WM_NCDESTROY:
      OnNativeDestroyed();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

UINT ShellRestartedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

void NativeWindow::OnClose() {
  platform::RunCloseSequence([this] { return events_; }, [this] { Destroy(); });
}

void NativeWindow::PaintBackground(HDC dc) {
  RECT client{};
  GetClientRect(window_.Get(), &client);
  FillRect(dc, &client, back_brush_.Get());
  DrawPicture(dc, background_.At(scale_.dpi), client, false);
}

// The controls take their new places unseen, then the window its new rectangle, and all is
// painted once at the new scale: no frame shows the old layout in the new size.
void NativeWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  scale_ = TwipsScale::AtDpi(dpi);
  for (const auto& control : controls_) control->FollowScale();
  SetWindowPos(window_.Get(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window_.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  if (context_.on_dpi_changed) context_.on_dpi_changed(window_.Get(), dpi);
}

void NativeWindow::OnNativeDestroyed() {
  HWND window = window_.Release();
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  events_ = nullptr;
  if (context_.on_destroyed) context_.on_destroyed(window);
}

}  // namespace tarnwick::win32
