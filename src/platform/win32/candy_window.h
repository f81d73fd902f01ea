#pragma once
// The window a candy button lives in: a child window with a persistent drawing surface (a
// memory bitmap that keeps the image between system repaints), its font, text colour,
// pointer and outline region.
#include <windows.h>

#include <memory>
#include <optional>

#include "platform/control_surface_port.h"
#include "platform/win32/gdi_drawing.h"
#include "platform/win32/gdi_objects.h"

namespace tarnwick::win32 {

class CandyWindow : public platform::ControlSurface {
 public:
  // A visible child of `parent` at (x, y), width x height pixels; null when creation fails.
  static std::unique_ptr<CandyWindow> Create(HWND parent, int x, int y, int width, int height,
                                             std::optional<platform::Colour> parent_back);
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
  void Refresh() override { InvalidateRect(window_, nullptr, FALSE); }
  std::optional<platform::Colour> ParentBackColour() const override { return parent_back_; }
  void SetWindowRegion(std::shared_ptr<const platform::PixelRegion> outline) override;

  HWND Handle() const { return window_; }

 private:
  CandyWindow(HWND window, int width, int height, std::optional<platform::Colour> parent_back);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();

  HWND window_;
  int width_, height_;
  std::optional<platform::Colour> parent_back_;
  MemoryDc canvas_dc_;
  GdiBitmap canvas_;
  std::optional<GdiSelection> canvas_selection_;
  GdiFont font_;
  std::optional<GdiSelection> font_selection_;
  platform::FontSpec font_spec_;
  GdiDrawing drawing_;
  platform::Colour text_colour_ = 0;
  int pointer_ = 0;
};

}  // namespace tarnwick::win32
