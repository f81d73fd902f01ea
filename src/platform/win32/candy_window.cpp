#include "platform/win32/candy_window.h"

#include <cmath>

#include "platform/win32/gdi_region.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TarnwickCandyButton";

bool RegisterCandyClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  return registered;
}

GdiFont MakeFont(const platform::FontSpec& spec) {
  const int height = -static_cast<int>(std::lround(spec.points * 96.0 / 72.0));
  return GdiFont(CreateFontW(height, 0, 0, 0, spec.weight, spec.italic, spec.underline,
                             spec.strikeout, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                             Utf8ToWide(spec.name).c_str()));
}

}  // namespace

std::unique_ptr<CandyWindow> CandyWindow::Create(HWND parent, int x, int y, int width, int height,
                                                 std::optional<platform::Colour> parent_back) {
  if (!RegisterCandyClass(&CandyWindow::Procedure)) return nullptr;
  HWND window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, y, width, height,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return nullptr;
  std::unique_ptr<CandyWindow> candy(new CandyWindow(window, width, height, parent_back));
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(candy.get()));
  return candy;
}

CandyWindow::CandyWindow(HWND window, int width, int height,
                         std::optional<platform::Colour> parent_back)
    : window_(window), width_(width), height_(height), parent_back_(parent_back),
      canvas_dc_(WindowDc(window).Get()), drawing_(canvas_dc_.Get()) {
  WindowDc screen(window);
  canvas_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
  canvas_selection_.emplace(canvas_dc_.Get(), canvas_.Get());
  SetFont(font_spec_);
}

CandyWindow::~CandyWindow() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

platform::WindowHandle CandyWindow::Window() const {
  return static_cast<platform::WindowHandle>(reinterpret_cast<std::uintptr_t>(window_));
}

void CandyWindow::SetFont(const platform::FontSpec& font) {
  font_selection_.reset();
  font_spec_ = font;
  font_ = MakeFont(font);
  font_selection_.emplace(canvas_dc_.Get(), font_.Get());
}

void CandyWindow::SetWindowRegion(std::shared_ptr<const platform::PixelRegion> outline) {
  if (!outline) {
    SetWindowRgn(window_, nullptr, TRUE);
    return;
  }
  GdiRegion region = MakeGdiRegion(*outline);
  if (SetWindowRgn(window_, region.Get(), TRUE)) region.Release();  // the window owns it now
}

void CandyWindow::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_, &paint);
  BitBlt(dc, 0, 0, width_, height_, canvas_dc_.Get(), 0, 0, SRCCOPY);
  EndPaint(window_, &paint);
}

LRESULT CALLBACK CandyWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* candy = reinterpret_cast<CandyWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (candy && message == WM_PAINT) {
    candy->Paint();
    return 0;
  }
  if (candy && message == WM_SETCURSOR && candy->pointer_ == platform::kPointerCustomHand) {
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
    return TRUE;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace tarnwick::win32
