#pragma once
// One control of a launcher window as a child window of our own class: a picture control
// (picture stretched to the control, optional one-pixel frame), a picture box (picture at its
// natural size), a label (text in a named font, lines broken at carriage returns) or a folder
// view. Mouse presses, releases and clicks go to the owning window's event handler.
#include <windows.h>

#include <memory>
#include <string>

#include "platform/common/mouse_buttons.h"
#include "platform/win32/dpi_picture.h"
#include "platform/win32/folder_view_host.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/scoped_handles.h"
#include "platform/window_spec.h"

namespace tarnwick::win32 {

class NativeWindow;

class NativeControl {
 public:
  NativeControl(NativeWindow& parent, const platform::ControlSpec& spec);
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  int Id() const { return id_; }
  bool Created() const { return window_.Valid(); }
  void SetText(const std::string& text);
  void SetPicture(const platform::Picture& picture);
  void SetBorder(int border_style);
  // Shows a folder in a folder-view control; false for other controls or no such folder.
  bool Navigate(const std::string& location);
  // Takes the place and font size of the window's present resolution, without repainting.
  void FollowScale();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
  bool HandleButton(UINT message, WPARAM wparam, LPARAM lparam);
  // The control's rectangle in its window's client area, in pixels at the window's scale.
  RECT PixelPlace() const;
  // A label's font at the window's scale, keeping the line breaks it has at 96 dpi.
  void FitFont();
  void Paint(HDC dc);
  void PaintLabel(HDC dc, RECT area) const;
  void OnButtonDown(const platform::ButtonMessage& press, WPARAM wparam, LPARAM lparam);
  void OnButtonUp(int button, WPARAM wparam, LPARAM lparam);
  void Invalidate() const;

  NativeWindow& parent_;
  platform::ControlKind kind_;
  int id_;
  bool stretch_;
  int left_, top_, width_, height_;  // twips
  std::string font_name_;
  int font_points_;
  DpiPicture picture_;  // at its own size where it is not stretched
  std::wstring text_;
  COLORREF text_color_;
  GdiFont font_;
  int border_style_ = 0;
  int held_buttons_ = 0;        // MouseButton bits pressed on this control
  platform::ClickRule clicks_;
  ScopedWindow window_;
  std::unique_ptr<FolderViewHost> folder_view_;  // goes before the window it lives in
};

}  // namespace tarnwick::win32
