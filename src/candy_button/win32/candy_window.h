#pragma once
// The window a candy button lives in: a child window with a persistent drawing surface (a
// memory bitmap that keeps the image between system repaints), its font, text colour,
// pointer and outline region. It delivers the window's input to the attached control: mouse
// buttons (captured while pressed, so the release reaches the button wherever it happens),
// double clicks, keyboard focus on a press and by Tab in its parent's dialog-style
// navigation, the Enter key, focus changes, size changes and showing.
#include <windows.h>

#include <memory>
#include <optional>

#include "candy_button/control_input.h"
#include "candy_button/ports/control_surface_port.h"
#include "candy_button/win32/gdi_drawing.h"
#include "candy_button/window_input.h"
#include "platform/common/mouse_buttons.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/scoped_handles.h"

namespace tarnwick::win32 {

class CandyWindow : public platform::ControlSurface {
 public:
  // A child of `parent` (a tab stop) at (x, y), width x height pixels; null when creation
  // fails. A hidden one hears its first showing.
  static std::unique_ptr<CandyWindow> Create(HWND parent, int x, int y, int width, int height,
                                             std::optional<platform::Colour> parent_back,
                                             bool visible = true);
  ~CandyWindow() override;
  CandyWindow(const CandyWindow&) = delete;
  CandyWindow& operator=(const CandyWindow&) = delete;

  platform::WindowHandle Window() const override;
  std::string Name() const override { return "CandyButton"; }
  int InnerWidth() const override { return width_; }
  int InnerHeight() const override { return height_; }
  platform::DrawingPort& Drawing() override { return drawing_; }
  platform::Colour TextColour() const override { return text_colour_; }
  void SetTextColour(platform::Colour colour) override { text_colour_ = colour; }
  platform::FontSpec Font() const override { return font_spec_; }
  void SetFont(const platform::FontSpec& font) override;
  void ClearBackgroundPicture() override {}  // the surface has no background picture of its own
  void SetMousePointer(int pointer_code) override { pointer_ = pointer_code; }
  void Refresh() override { InvalidateRect(window_.Get(), nullptr, FALSE); }
  std::optional<platform::Colour> ParentBackColour() const override { return parent_back_; }
  void SetWindowRegion(std::shared_ptr<const platform::PixelRegion> outline) override;

  HWND Handle() const { return window_.Get(); }
  // Where the window's input goes; null delivers none.
  void SetInput(candy::ControlInput* input) { input_ = input; }
  // The window now shows at another resolution: the font is made again at it. The caller
  // then gives the window its size at that resolution, which repaints the control.
  void FollowDpi(int dpi);

 private:
  CandyWindow(int width, int height, std::optional<platform::Colour> parent_back);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // The window's own handling of a message; false passes it to the default procedure.
  bool Dispatch(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  void DeliverInput(UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();
  void ResizeCanvas(int width, int height);

  int width_, height_;
  std::optional<platform::Colour> parent_back_;
  int dpi_ = 96;  // the resolution the font is made at
  std::shared_ptr<const platform::PixelRegion> outline_;
  MemoryDc canvas_dc_;
  GdiBitmap canvas_;
  std::optional<GdiSelection> canvas_selection_;
  GdiFont font_;
  std::optional<GdiSelection> font_selection_;
  platform::FontSpec font_spec_;
  GdiDrawing drawing_;
  platform::Colour text_colour_ = 0;
  int pointer_ = 0;
  candy::ControlInput* input_ = nullptr;
  candy::WindowInput window_input_;
  ScopedWindow window_;  // bound at WM_NCCREATE
};

}  // namespace tarnwick::win32
