#pragma once
// The gallery's window: a grid of real candy buttons described by CandyGallery.txt, an event
// list with the latest events and a status line with the newest one, laid out and lettered at
// the primary monitor's resolution, and again at a new one when the window moves to a monitor
// of another resolution. Tab moves the keyboard
// focus between the buttons (the message loop hands keys to IsDialogMessage first).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "candy_button/candy_button.h"
#include "candy_button/win32/candy_window_host.h"
#include "candy_gallery/gallery_description.h"
#include "candy_gallery/gallery_events.h"
#include "candy_gallery/gallery_layout.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/scoped_handles.h"
#include "programs/candy_gallery/gallery_log.h"

namespace tarnwick::win32 {

class GalleryWindow {
 public:
  // The window with one button per description, hidden; null when it cannot be made.
  static std::unique_ptr<GalleryWindow> Create(const gallery::GalleryDescription& description,
                                               GalleryLog& log);
  ~GalleryWindow();
  GalleryWindow(const GalleryWindow&) = delete;
  GalleryWindow& operator=(const GalleryWindow&) = delete;

  HWND Handle() const { return window_.Get(); }
  // Shows the window and logs where each button is on the screen.
  void Show();

 private:
  struct Button {
    std::string name;
    std::unique_ptr<CandyWindowHost> host;
    std::unique_ptr<candy::CandyButton> control;
  };

  GalleryWindow(GalleryLog& log, const gallery::GalleryLayout& layout, int dpi, GdiFont label_font)
      : log_(log), layout_(layout), dpi_(dpi), label_font_(std::move(label_font)) {}
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // The system destroyed the window and its labels (children go before their parent's
  // WM_NCDESTROY): nothing is left to destroy.
  void Forget();
  bool AddButton(const gallery::ButtonDescription& description, std::size_t index);
  ScopedWindow AddLabel(const gallery::Rect& place, DWORD style);
  void OnEvent(const std::string& name, const candy::CandyEvent& event);
  void SetText(HWND label, const std::string& text);
  // Lays the buttons and labels out again at `dpi`, in the window's new rectangle.
  void FollowDpi(int dpi, const RECT& suggested);
  // Logs where each button is on the screen.
  void LogButtonPlaces();

  ScopedWindow window_;  // bound at WM_NCCREATE
  GalleryLog& log_;
  gallery::GalleryLayout layout_;  // at 96 dpi
  int dpi_;  // the layout is made at 96 dpi and shown at this resolution
  GdiFont label_font_;  // outlives the labels: the destructor destroys the windows first
  std::vector<Button> buttons_;
  ScopedWindow history_, status_;
  gallery::EventHistory history_lines_{gallery::kHistoryLines};
};

}  // namespace tarnwick::win32
