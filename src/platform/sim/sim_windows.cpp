#include "platform/sim/sim_windows.h"

#include <algorithm>
#include <cmath>

#include "platform/common/picture_scaling.h"

namespace tarnwick::sim {
namespace {
constexpr int kMinimumTimerPeriodMs = 10;

template <typename Window>
auto* GeometryField(Window& window, platform::Dimension which) {
  switch (which) {
    case platform::Dimension::Left: return &window.left;
    case platform::Dimension::Top: return &window.top;
    case platform::Dimension::Width: return &window.width;
    case platform::Dimension::Height: return &window.height;
  }
  return &window.left;
}

// When a timer started (or last fired) at `from_us` is due next.
std::int64_t DueAfter(std::int64_t from_us, int interval_ms) {
  return from_us + std::max(interval_ms, kMinimumTimerPeriodMs) * 1000LL;
}

const char* SetterName(platform::Dimension which) {
  static const char* const kNames[] = {"SetLeft", "SetTop", "SetWidth", "SetHeight"};
  return kNames[static_cast<int>(which)];
}
}  // namespace

void SimScreen::ScaleToDpi(int dpi) {
  twips_per_pixel = 1440.0f / static_cast<float>(dpi);
  caption_height_px = platform::ScaledLength(SimScreen{}.caption_height_px, dpi);
  fixed_frame_px = platform::ScaledLength(SimScreen{}.fixed_frame_px, dpi);
  min_titled_width_px = platform::ScaledLength(min_titled_width_px, dpi);
  min_titled_height_px = platform::ScaledLength(min_titled_height_px, dpi);
}

int SimWindows::ToPixels(float twips) const {
  return static_cast<int>(std::lround(twips / screen.twips_per_pixel));
}

float SimWindows::Stored(const SimWindow& window, platform::Dimension which, float twips) const {
  const float tpp = screen.twips_per_pixel;
  const float stored = screen.unrounded_geometry ? twips : static_cast<float>(ToPixels(twips)) * tpp;
  if ((window.style & platform::kWsCaption) != platform::kWsCaption) return stored;
  if (which == platform::Dimension::Width) return std::max(stored, static_cast<float>(screen.min_titled_width_px) * tpp);
  if (which == platform::Dimension::Height) return std::max(stored, static_cast<float>(screen.min_titled_height_px) * tpp);
  return stored;
}

platform::WindowHandle SimWindows::Create(const platform::WindowSpec& spec, platform::WindowEvents& events) {
  auto window = std::make_unique<SimWindow>();
  window->spec = spec;
  window->events = &events;
  window->caption = spec.caption;
  const bool framed = spec.frame == platform::FrameStyle::FixedSingle;
  const int frame = framed ? screen.fixed_frame_px : 0;
  window->style = framed ? (platform::kWsCaption | platform::kWsSysMenu) : platform::kWsPopup;
  const int width_px = ToPixels(static_cast<float>(spec.client_width)) + 2 * frame;
  const int height_px = ToPixels(static_cast<float>(spec.client_height)) + 2 * frame + (framed ? screen.caption_height_px : 0);
  window->width = static_cast<float>(width_px) * screen.twips_per_pixel;
  window->height = static_cast<float>(height_px) * screen.twips_per_pixel;
  if (spec.centred) {
    window->left = static_cast<float>((screen.width_px - width_px) / 2) * screen.twips_per_pixel;
    window->top = static_cast<float>((screen.height_px - height_px) / 2) * screen.twips_per_pixel;
  }
  for (const auto& control : spec.controls) {
    window->controls[control.id] = SimControl{control, control.text, control.picture, 0};
  }
  for (const auto& timer : spec.timers) {
    window->timers[timer.id] = SimTimer{timer.interval_ms, DueAfter(clock_.NowMicroseconds(), timer.interval_ms)};
  }
  const platform::WindowHandle handle = table_.Add(std::move(window));
  log_.Record("CreateWindow", spec.caption, handle);
  return handle;
}

void SimWindows::Destroy(platform::WindowHandle window) {
  log_.Record("DestroyWindow", window);
  table_.Remove(window);
  if (foreground_ == window) foreground_ = platform::kNoWindow;
}

bool SimWindows::Show(platform::WindowHandle window) {
  log_.Record("Show", window);
  SimWindow* found = Find(window);
  if (found == nullptr) return false;
  found->visible = true;
  return true;
}

bool SimWindows::Hide(platform::WindowHandle window) {
  log_.Record("Hide", window);
  SimWindow* found = Find(window);
  if (found == nullptr) return false;
  found->visible = false;
  return true;
}

bool SimWindows::IsVisible(platform::WindowHandle window) const {
  const SimWindow* found = table_.Find(window);
  return found != nullptr && found->visible;
}

bool SimWindows::SetDimension(platform::WindowHandle window, platform::Dimension which, float twips) {
  log_.Record(SetterName(which), window, twips);
  SimWindow* found = Find(window);
  if (found == nullptr) return false;
  *GeometryField(*found, which) = Stored(*found, which, twips);
  return true;
}

std::optional<float> SimWindows::GetDimension(platform::WindowHandle window, platform::Dimension which) const {
  const SimWindow* found = table_.Find(window);
  if (found == nullptr) return std::nullopt;
  return *GeometryField(*found, which);
}

bool SimWindows::SetCaption(platform::WindowHandle window, const std::string& text) {
  log_.Record("SetCaption", window, text);
  SimWindow* found = Find(window);
  if (found == nullptr) return false;
  found->caption = text;
  return true;
}

bool SimWindows::SetBackgroundPicture(platform::WindowHandle window, const platform::Picture& picture) {
  log_.Record("SetBackgroundPicture", window);
  SimWindow* found = Find(window);
  if (found == nullptr) return false;
  found->background = picture;
  return true;
}

SimControl* SimWindows::FindControl(platform::WindowHandle window, int control) {
  SimWindow* found = Find(window);
  if (found == nullptr) return nullptr;
  const auto it = found->controls.find(control);
  return it == found->controls.end() ? nullptr : &it->second;
}

bool SimWindows::SetControlText(platform::WindowHandle window, int control, const std::string& text) {
  log_.Record("SetControlText", window, control, text);
  SimControl* found = FindControl(window, control);
  if (found != nullptr) found->text = text;
  return found != nullptr;
}

bool SimWindows::SetControlPicture(platform::WindowHandle window, int control, const platform::Picture& picture) {
  log_.Record("SetControlPicture", window, control);
  SimControl* found = FindControl(window, control);
  if (found != nullptr) found->picture = picture;
  return found != nullptr;
}

bool SimWindows::SetControlBorder(platform::WindowHandle window, int control, int border_style) {
  log_.Record("SetControlBorder", window, control, border_style);
  SimControl* found = FindControl(window, control);
  if (found != nullptr) found->border_style = border_style;
  return found != nullptr;
}

bool SimWindows::SetTimerInterval(platform::WindowHandle window, int timer, int interval_ms) {
  log_.Record("SetTimerInterval", window, timer, interval_ms);
  SimWindow* found = Find(window);
  if (found == nullptr) return false;
  found->timers[timer] = SimTimer{interval_ms, DueAfter(clock_.NowMicroseconds(), interval_ms)};
  return true;
}

float SimWindows::ScreenWidthTwips() const { return static_cast<float>(screen.width_px) * screen.twips_per_pixel; }
float SimWindows::ScreenHeightTwips() const { return static_cast<float>(screen.height_px) * screen.twips_per_pixel; }

int SimWindows::SystemMetric(int index) const {
  log_.Record("GetSystemMetrics", index);
  return index == platform::kSmCyCaption ? screen.caption_height_px : 0;
}

int SimWindows::ShowMessageBox(platform::WindowHandle owner, const std::string& text, const std::string& caption,
                               int style) {
  log_.Record("MessageBox", owner, text, caption, style);
  shown_boxes.push_back({text, caption, style, owner});
  if (while_modal_open) while_modal_open();
  if (message_box_answers.empty()) return (style & 0xF) == platform::kMbYesNo ? platform::kIdYes : platform::kIdOk;
  const int answer = message_box_answers.front();
  message_box_answers.pop_front();
  return answer;
}

int SimWindows::PopupMenu(platform::WindowHandle owner, const std::vector<std::string>& items) {
  log_.Record("PopupMenu", owner, items.size());
  shown_menus.push_back(items);
  if (while_modal_open) while_modal_open();
  if (menu_answers.empty()) return -1;
  const int answer = menu_answers.front();
  menu_answers.pop_front();
  return answer;
}

bool SimWindows::ActivateByTitle(const std::string& title) {
  log_.Record("ActivateByTitle", title);
  platform::WindowHandle prefix_match = platform::kNoWindow;
  for (const auto& [handle, window] : table_.All()) {
    if (window->caption == title) {
      foreground_ = handle;
      return true;
    }
    if (prefix_match == platform::kNoWindow && window->caption.rfind(title, 0) == 0) prefix_match = handle;
  }
  if (prefix_match == platform::kNoWindow) return false;
  foreground_ = prefix_match;
  return true;
}

bool SimWindows::ShowWindow(platform::WindowHandle window, int show_command) {
  log_.Record("ShowWindow", window, show_command);
  SimWindow* found = Find(window);
  if (found == nullptr) return false;
  found->visible = show_command != 0;
  return true;
}

void SimWindows::FireDueTimers(std::int64_t now_us) {
  std::vector<platform::WindowHandle> handles;
  for (const auto& entry : table_.All()) handles.push_back(entry.first);
  for (const platform::WindowHandle handle : handles) {
    SimWindow* window = Find(handle);
    if (window == nullptr) continue;
    std::vector<int> due;
    for (const auto& [id, timer] : window->timers) {
      if (timer.interval_ms > 0 && timer.next_due_us <= now_us) due.push_back(id);
    }
    for (const int id : due) {
      window = Find(handle);  // a handler may have destroyed the window
      if (window == nullptr) break;
      // An earlier handler of this round may have stopped or restarted the timer: a restarted
      // timer counts its period afresh, as on the system.
      SimTimer& timer = window->timers[id];
      if (timer.interval_ms <= 0 || timer.next_due_us > now_us) continue;
      timer.next_due_us = DueAfter(now_us, timer.interval_ms);
      window->events->OnTimer(id);
    }
  }
}

void SimWindows::Click(platform::WindowHandle window, int control, int button) {
  const platform::MouseArgs args{button, 0, 0.0f, 0.0f};
  if (SimWindow* found = Find(window)) found->events->OnMouseDown(control, args);
  if (SimWindow* found = Find(window)) found->events->OnMouseUp(control, args);
  if (button != platform::kLeftButton) return;
  if (SimWindow* found = Find(window)) found->events->OnClick(control);
}

void SimWindows::MoveMouseOverForm(platform::WindowHandle window, float x_twips, float y_twips) {
  if (SimWindow* found = Find(window)) found->events->OnFormMouseMove({0, 0, x_twips, y_twips});
}

void SimWindows::RequestClose(platform::WindowHandle window) {
  platform::RunCloseSequence(
      [&]() -> platform::WindowEvents* {
        SimWindow* found = Find(window);
        return found != nullptr ? found->events : nullptr;
      },
      [&] { Destroy(window); });
}

void SimWindows::DestroyAllSilently() {
  table_.All().clear();
  foreground_ = platform::kNoWindow;
}

}  // namespace tarnwick::sim
