#include "platform/win32/candy_window.h"

#include <cmath>

#include "platform/win32/gdi_region.h"
#include "platform/win32/monitor_dpi.h"
#include "platform/win32/native_handle.h"
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

bool IsPress(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: return true;
    default: return false;
  }
}

bool IsRelease(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

}  // namespace

std::unique_ptr<CandyWindow> CandyWindow::Create(HWND parent, int x, int y, int width, int height,
                                                 std::optional<platform::Colour> parent_back,
                                                 bool visible) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClassOnce(instance, kClassName, &CandyWindow::Procedure);
  const DWORD style = WS_CHILD | WS_TABSTOP | (visible ? WS_VISIBLE : 0);
  HWND window = CreateWindowExW(0, kClassName, L"", style, x, y, width, height, parent, nullptr,
                                instance, nullptr);
  if (!window) return nullptr;
  std::unique_ptr<CandyWindow> candy(new CandyWindow(window, width, height, parent_back));
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(candy.get()));
  return candy;
}

CandyWindow::CandyWindow(HWND window, int width, int height,
                         std::optional<platform::Colour> parent_back)
    : window_(window), width_(width), height_(height), parent_back_(parent_back), dpi_(WindowDpi(window)),
      canvas_dc_(WindowDc(window).Get()), drawing_(canvas_dc_.Get()) {
  ResizeCanvas(width, height);
  SetFont(font_spec_);
}

CandyWindow::~CandyWindow() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

platform::WindowHandle CandyWindow::Window() const { return FromHwnd(window_); }

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
    SetWindowRgn(window_, nullptr, TRUE);
    return;
  }
  GdiRegion region = MakeGdiRegion(*outline);
  if (SetWindowRgn(window_, region.Get(), TRUE)) region.Release();  // the window owns it now
}

void CandyWindow::ResizeCanvas(int width, int height) {
  canvas_selection_.reset();
  width_ = width, height_ = height;
  WindowDc screen(window_);
  canvas_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
  canvas_selection_.emplace(canvas_dc_.Get(), canvas_.Get());
}

void CandyWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  BitBlt(dc, 0, 0, width_, height_, canvas_dc_.Get(), 0, 0, SRCCOPY);
  EndPaint(window_, &paint);
}

// A press takes the keyboard focus and the pointer capture; the last release lets the
// capture go after the control heard it, so a release over the button still makes a click.
void CandyWindow::DeliverInput(UINT message, WPARAM wparam, LPARAM lparam) {
  if (IsPress(message)) {
    if (GetFocus() != window_) SetFocus(window_);
    SetCapture(window_);
  }
  if (input_)
    window_input_.Deliver(*input_, {Window(), message, wparam, lparam}, width_, height_,
                          ShiftState());
  if (IsRelease(message) && (wparam & kAnyButton) == 0 && GetCapture() == window_)
    ReleaseCapture();
}

bool CandyWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
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
      if (reinterpret_cast<HWND>(lparam) != window_) window_input_.CancelClick();
      return false;
    case WM_SIZE:
      ResizeCanvas(LOWORD(lparam), HIWORD(lparam));
      break;
    default: break;
  }
  DeliverInput(message, wparam, lparam);
  return false;
}

LRESULT CALLBACK CandyWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* candy = reinterpret_cast<CandyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  LRESULT result = 0;
  if (candy && candy->Handle(message, wparam, lparam, result)) return result;
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace tarnwick::win32
