#include "platform/win32/native_control.h"

#include <windowsx.h>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/label_font.h"
#include "platform/win32/native_window.h"
#include "platform/win32/parent_background.h"
#include "platform/win32/picture_drawing.h"
#include "platform/win32/scoped_paint.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/window_class.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kControlClass[] = L"TarnwickControl";

}  // namespace

NativeControl::NativeControl(NativeWindow& parent, const platform::ControlSpec& spec)
    : parent_(parent), kind_(spec.kind), id_(spec.id), stretch_(spec.stretch), left_(spec.left), top_(spec.top),
      width_(spec.width), height_(spec.height), font_name_(spec.font_name), font_points_(spec.font_points),
      picture_(spec.picture), text_(WithCrLfBreaks(Utf8ToWide(spec.text))), text_color_(spec.fore_color) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent.Handle(), GWLP_HINSTANCE));
  RegisterWindowClassOnce(instance, kControlClass, Procedure);
  FitFont();
  const RECT place = PixelPlace();
  CreateWindowExW(0, kControlClass, text_.c_str(), WS_CHILD | WS_VISIBLE, place.left, place.top,
                  place.right - place.left, place.bottom - place.top, parent.Handle(),
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, this);
  if (kind_ == platform::ControlKind::FolderView && window_.Valid()) {
    folder_view_ = std::make_unique<FolderViewHost>(window_.Get());
  }
}

RECT NativeControl::PixelPlace() const {
  const TwipsScale& scale = parent_.Scale();
  const int left = scale.XToPixels(static_cast<float>(left_)), top = scale.YToPixels(static_cast<float>(top_));
  return {left, top, left + scale.XToPixels(static_cast<float>(width_)), top + scale.YToPixels(static_cast<float>(height_))};
}

void NativeControl::FollowScale() {
  if (!window_.Valid()) return;
  FitFont();
  const RECT place = PixelPlace();
  SetWindowPos(window_.Get(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  if (folder_view_) folder_view_->FitTo(window_.Get());
}

void NativeControl::FitFont() {
  if (kind_ != platform::ControlKind::Label) return;
  const RECT place = PixelPlace();
  const LabelWidths widths{TwipsScale::AtDpi(96).XToPixels(static_cast<float>(width_)), place.right - place.left};
  font_ = FitLabelFont(font_name_, font_points_, parent_.Scale().dpi, text_, widths);
}

void NativeControl::SetText(const std::string& text) {
  text_ = WithCrLfBreaks(Utf8ToWide(text));
  FitFont();
  SetWindowTextW(window_.Get(), text_.c_str());  // readable by accessibility tools and tests
  Invalidate();
}

void NativeControl::SetPicture(const platform::Picture& picture) {
  picture_ = DpiPicture(picture);
  Invalidate();
}

void NativeControl::SetBorder(int border_style) {
  border_style_ = border_style;
  Invalidate();
}

bool NativeControl::Navigate(const std::string& location) {
  return folder_view_ != nullptr && folder_view_->Navigate(location);
}

void NativeControl::Invalidate() const { InvalidateRect(window_.Get(), nullptr, FALSE); }

LRESULT CALLBACK NativeControl::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = WindowObject<NativeControl>(window, message, lparam);
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCCREATE) self->window_.Reset(window);
  // The control belongs to its window: keeping the window alive keeps the control alive.
  const std::shared_ptr<NativeWindow> keep_alive = self->parent_.weak_from_this().lock();
  return self->Dispatch(message, wparam, lparam);
}

// True for the button messages, which it dispatches.
bool NativeControl::HandleButton(UINT message, WPARAM wparam, LPARAM lparam) {
  const platform::ButtonMessage decoded = platform::DecodeButtonMessage(message);
  switch (decoded.action) {
    case platform::ButtonAction::None:
      return false;
    case platform::ButtonAction::Release:
      OnButtonUp(decoded.button, wparam, lparam);
      return true;
    case platform::ButtonAction::Press:
    case platform::ButtonAction::DoublePress:
      OnButtonDown(decoded, wparam, lparam);
      return true;
  }
  return false;
}

LRESULT NativeControl::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND window = window_.Get();
  if (HandleButton(message, wparam, lparam)) return 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      ScopedPaint paint(window);
      Paint(paint.Dc());
      return 0;
    }
    case WM_CAPTURECHANGED:
      held_buttons_ = 0;  // the release, wherever it happens, is no longer this control's
      return 0;
    case WM_DESTROY:
      folder_view_.reset();
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_.Release();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// A press captures the mouse, so the release reaches this control wherever it happens. The
// second press of a double-click raises no MouseDown and its release no Click: one
// double-click is one click.
void NativeControl::OnButtonDown(const platform::ButtonMessage& press, WPARAM wparam, LPARAM lparam) {
  if (held_buttons_ == 0) SetCapture(window_.Get());
  held_buttons_ |= press.button;
  clicks_.Press(press);
  if (press.action == platform::ButtonAction::DoublePress) return;
  platform::MouseArgs args = MouseArgsFrom(wparam, lparam, parent_.Scale());
  args.button = press.button;
  if (auto* events = parent_.Events()) events->OnMouseDown(id_, args);
}

void NativeControl::OnButtonUp(int button, WPARAM wparam, LPARAM lparam) {
  if ((held_buttons_ & button) == 0) return;  // pressed elsewhere
  held_buttons_ &= ~button;
  if (held_buttons_ == 0 && GetCapture() == window_.Get()) ReleaseCapture();
  platform::MouseArgs args = MouseArgsFrom(wparam, lparam, parent_.Scale());
  args.button = button;
  if (auto* events = parent_.Events()) events->OnMouseUp(id_, args);
  RECT client{};
  GetClientRect(window_.Get(), &client);
  const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  if (clicks_.Release(button, PtInRect(&client, at) != FALSE)) {
    if (auto* events = parent_.Events()) events->OnClick(id_);
  }
}

// Pictures and labels lie on what their window shows behind them (its colour and picture), so
// the transparent parts of a picture show the window through.
void NativeControl::Paint(HDC target) {
  RECT area{};
  GetClientRect(window_.Get(), &area);
  const BufferedDc buffer(target, area);
  const HDC dc = buffer.Get();
  PaintParentBackground(window_.Get(), dc);
  if (folder_view_ != nullptr) {
    folder_view_->PaintNotice(dc, area);
    return;
  }
  if (kind_ == platform::ControlKind::Label) {
    PaintLabel(dc, area);
    return;
  }
  const bool stretch = kind_ == platform::ControlKind::Image && stretch_;
  DrawPicture(dc, stretch ? picture_.Source() : picture_.At(parent_.Scale().dpi), area, stretch);
  if (border_style_ == 1) FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

// A label is transparent: its text lies on what its window shows behind it.
void NativeControl::PaintLabel(HDC dc, RECT area) const {
  GdiSelection font(dc, font_.Valid() ? static_cast<HGDIOBJ>(font_.Get()) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text_color_);
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &area, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace tarnwick::win32
