#pragma once
// Simulated windowing: windows and controls kept in a SimWindowTable, a fixed screen, message
// boxes and pop-up menus that record what they showed and return scripted answers, and input
// helpers that deliver events to a window's handlers as the real system would.
#include <cmath>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/sim/call_log.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_window_table.h"
#include "platform/window_port.h"

namespace tarnwick::sim {

struct SimScreen {
  int width_px = 1280;
  int height_px = 800;
  float twips_per_pixel = 15.0f;
  // The resolution the twips per pixel stand for: 96 dpi at 15.
  int Dpi() const { return static_cast<int>(std::lround(1440.0f / twips_per_pixel)); }
  int caption_height_px = 19;  // SM_CYCAPTION
  int fixed_frame_px = 3;      // border of a fixed-single window, each side
  // Geometry read back exactly as set, without the rounding to whole pixels of a real window
  // system: for checking the twips arithmetic of the rules themselves.
  bool unrounded_geometry = false;
  // The smallest outer size a titled window can take (SM_CXMINTRACK, SM_CYMINTRACK); the
  // system enlarges a smaller size that is set. 0: no minimum.
  int min_titled_width_px = 0, min_titled_height_px = 0;
  // The minimum sizes of a titled window under Wine at 96 dpi (Windows' are similar).
  void UseWineMinimumSizes() {
    min_titled_width_px = 112;
    min_titled_height_px = 27;
  }
  // Sets the resolution (from 96 dpi, as at construction): the twips per pixel, and the
  // frame, caption and minimum sizes that the system scales with it. The size stays.
  void ScaleToDpi(int dpi);
};

struct ShownMessageBox {
  std::string text, caption;
  int style = 0;
  platform::WindowHandle owner = platform::kNoWindow;
};

class SimWindows : public platform::WindowPort {
 public:
  // Timers count their periods on `clock`.
  SimWindows(CallLog& log, SimWindowTable& table, const SimClock& clock) : log_(log), table_(table), clock_(clock) {}

  platform::WindowHandle Create(const platform::WindowSpec& spec, platform::WindowEvents& events) override;
  void Destroy(platform::WindowHandle window) override;
  bool Show(platform::WindowHandle window) override;
  bool Hide(platform::WindowHandle window) override;
  bool IsVisible(platform::WindowHandle window) const override;
  bool SetDimension(platform::WindowHandle window, platform::Dimension which, float twips) override;
  std::optional<float> GetDimension(platform::WindowHandle window, platform::Dimension which) const override;
  bool SetCaption(platform::WindowHandle window, const std::string& text) override;
  bool SetBackgroundPicture(platform::WindowHandle window, const platform::Picture& picture) override;
  bool SetControlText(platform::WindowHandle window, int control, const std::string& text) override;
  bool SetControlPicture(platform::WindowHandle window, int control, const platform::Picture& picture) override;
  bool SetControlBorder(platform::WindowHandle window, int control, int border_style) override;
  bool SetTimerInterval(platform::WindowHandle window, int timer, int interval_ms) override;
  float ScreenWidthTwips() const override;
  float ScreenHeightTwips() const override;
  float TwipsPerPixelX() const override { return screen.twips_per_pixel; }
  float TwipsPerPixelY() const override { return screen.twips_per_pixel; }
  int SystemMetric(int index) const override;
  int ShowMessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                     int style) override;
  int PopupMenu(platform::WindowHandle owner, const std::vector<std::string>& items) override;
  bool ActivateByTitle(const std::string& title) override;
  platform::WindowHandle ForegroundWindow() const override { return foreground_; }
  bool ShowWindow(platform::WindowHandle window, int show_command) override;

  // Test controls.
  SimScreen screen;
  std::vector<ShownMessageBox> shown_boxes;
  std::deque<int> message_box_answers;  // answers for the next boxes; empty: the first button
  std::deque<int> menu_answers;         // chosen items for the next menus; empty: none (-1)
  std::vector<std::vector<std::string>> shown_menus;
  // Runs while a box or menu is open, as the modal loop goes on dispatching events.
  std::function<void()> while_modal_open;

  // Delivers the timer ticks that are due at `now_us` (period at least 10 ms, as on the system).
  void FireDueTimers(std::int64_t now_us);
  // A press and release of `button` over a control, then the click (left button only).
  void Click(platform::WindowHandle window, int control, int button = platform::kLeftButton);
  void MoveMouseOverForm(platform::WindowHandle window, float x_twips, float y_twips);
  // A close request from outside: query-unload, unload, then destruction unless cancelled.
  void RequestClose(platform::WindowHandle window);
  // Destroys every window without any event (the program's immediate end).
  void DestroyAllSilently();

 private:
  SimWindow* Find(platform::WindowHandle window) { return table_.Find(window); }
  SimControl* FindControl(platform::WindowHandle window, int control);
  int ToPixels(float twips) const;
  // The value a window keeps for `twips` set as its `which`.
  float Stored(const SimWindow& window, platform::Dimension which, float twips) const;

  CallLog& log_;
  SimWindowTable& table_;
  const SimClock& clock_;
  platform::WindowHandle foreground_ = platform::kNoWindow;
};

}  // namespace tarnwick::sim
