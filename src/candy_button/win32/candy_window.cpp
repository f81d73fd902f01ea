#include "candy_button/win32/candy_window.h"

#include <cmath>

#include "candy_button/win32/gdi_region.h"
#include "platform/win32/monitor_dpi.h"
#include "platform/win32/native_handle.h"
#include "platform/win32/scoped_paint.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/window_class.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TarnwickCandyButton";
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

// The font at the resolution of the monitor the button is on.
GdiFont MakeFont(const platform::FontSpec& spec, int dpi) {
  const int height = -static_cast<int>(std::lround(spec.points * dpi / 72.0));
  return GdiFont(CreateFontW(height, 0, 0, 0, spec.weight, spec.italic, spec.underline,
                             spec.strikeout, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                             Utf8ToWide(spec.name).c_str()));
}

// Shift 1, Ctrl 2, Alt 4, as the keyboard is now.
std::int16_t ShiftState() {
  return std::int16_t((GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                      (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

}  // namespace

// The object exists before its window, which is bound to it at WM_NCCREATE: the object hears
// every message of its window, those of the creation included.
std::unique_ptr<CandyWindow> CandyWindow::Create(HWND parent, int x, int y, int width, int height,
                                                 std::optional<platform::Colour> parent_back,
                                                 bool visible) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClassOnce(instance, kClassName, &CandyWindow::Procedure);
  std::unique_ptr<CandyWindow> candy(new CandyWindow(width, height, parent_back));
  if (!candy->canvas_dc_.Valid()) return nullptr;
  const DWORD style = WS_CHILD | WS_TABSTOP | (visible ? WS_VISIBLE : 0);
  CreateWindowExW(0, kClassName, L"", style, x, y, width, height, parent, nullptr, instance, candy.get());
  if (!candy->window_.Valid()) return nullptr;
  candy->dpi_ = WindowDpi(candy->window_.Get());
  candy->ResizeCanvas(width, height);
  candy->SetFont(candy->font_spec_);
  return candy;
}

// The drawing surface is a memory context of the screen's kind; its bitmap is made once the
// window exists, and again at each change of size.
CandyWindow::CandyWindow(int width, int height, std::optional<platform::Colour> parent_back)
    : width_(width), height_(height), parent_back_(parent_back),
      canvas_dc_(CreateCompatibleDC(nullptr)), drawing_(canvas_dc_.Get()) {}

// The window goes first, while the surface and font it draws with still exist.
CandyWindow::~CandyWindow() {
  if (window_.Valid()) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
  window_.Reset();
}

platform::WindowHandle CandyWindow::Window() const { return FromHwnd(window_.Get()); }

void CandyWindow::SetFont(const platform::FontSpec& font) {
  font_selection_.reset();
  font_spec_ = font;
  font_ = MakeFont(font, dpi_);
  font_selection_.emplace(canvas_dc_.Get(), font_.Get());
}

void CandyWindow::FollowDpi(int dpi) {
  dpi_ = dpi;
  SetFont(font_spec_);
}

void CandyWindow::SetWindowRegion(std::shared_ptr<const platform::PixelRegion> outline) {
  if (outline == outline_) return;  // the window has this outline already
  outline_ = outline;
  if (!outline) {
    SetWindowRgn(window_.Get(), nullptr, TRUE);
    return;
  }
  GdiRegion region = MakeGdiRegion(*outline);
  if (SetWindowRgn(window_.Get(), region.Get(), TRUE)) region.Release();  // the window owns it now
}

void CandyWindow::ResizeCanvas(int width, int height) {
  canvas_selection_.reset();
  width_ = width, height_ = height;
  WindowDc screen(window_.Get());
  canvas_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
  canvas_selection_.emplace(canvas_dc_.Get(), canvas_.Get());
}

void CandyWindow::Paint() {
  const ScopedPaint paint(window_.Get());
  BitBlt(paint.Dc(), 0, 0, width_, height_, canvas_dc_.Get(), 0, 0, SRCCOPY);
}

// A press takes the keyboard focus and the pointer capture; the last release lets the
// capture go after the control heard it, so a release over the button still makes a click.
void CandyWindow::DeliverInput(UINT message, WPARAM wparam, LPARAM lparam) {
  const platform::ButtonAction action = platform::DecodeButtonMessage(message).action;
  const bool press = action == platform::ButtonAction::Press || action == platform::ButtonAction::DoublePress;
  if (press) {
    if (GetFocus() != window_.Get()) SetFocus(window_.Get());
    SetCapture(window_.Get());
  }
  if (input_)
    window_input_.Deliver(*input_, {Window(), message, wparam, lparam}, width_, height_,
                          ShiftState());
  if (action == platform::ButtonAction::Release && (wparam & kAnyButton) == 0 && GetCapture() == window_.Get())
    ReleaseCapture();
}

bool CandyWindow::Dispatch(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_PAINT: Paint(); return true;
    case WM_SETCURSOR:
      if (pointer_ != platform::kPointerCustomHand) return false;
      SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
      result = TRUE;
      return true;
    case WM_GETDLGCODE: {  // Enter reaches the button; Tab stays with the dialog navigation
      const auto* key = reinterpret_cast<const MSG*>(lparam);
      result = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
      return true;
    }
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != window_.Get()) window_input_.CancelClick();
      return false;
    case WM_SIZE:
      ResizeCanvas(LOWORD(lparam), HIWORD(lparam));
      break;
    case WM_NCDESTROY:  // the parent destroyed the window first
      SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);
      window_.Release();
      return false;
    default: break;
  }
  DeliverInput(message, wparam, lparam);
  return false;
}

LRESULT CALLBACK CandyWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* candy = WindowObject<CandyWindow>(window, message, lparam);
  if (candy && message == WM_NCCREATE) candy->window_.Reset(window);
  LRESULT result = 0;
  if (candy && candy->Dispatch(message, wparam, lparam, result)) return result;
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace tarnwick::win32
