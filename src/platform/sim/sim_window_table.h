#pragma once
// The state of every simulated window: what a real window system would hold for it. Geometry
// is kept as the window system holds it (whole pixels unless the screen is set to keep exact
// values; see SimScreen), expressed in twips.
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/handle.h"
#include "platform/picture.h"
#include "platform/window_events.h"
#include "platform/window_spec.h"

namespace tarnwick::sim {

struct SimControl {
  platform::ControlSpec spec;
  std::string text;
  platform::Picture picture;
  int border_style = 0;
};

struct SimTimer {
  int interval_ms = 0;
  std::int64_t next_due_us = 0;
};

struct SimWindow {
  platform::WindowSpec spec;
  platform::WindowEvents* events = nullptr;
  bool visible = false;
  float left = 0, top = 0, width = 0, height = 0;  // outer rectangle, twips
  std::int32_t style = 0;
  std::int32_t ex_style = 0;
  std::uint8_t alpha = 255;  // last opacity applied while layered
  std::string caption;
  platform::Picture background;
  std::map<int, SimControl> controls;
  std::map<int, SimTimer> timers;
};

class SimWindowTable {
 public:
  platform::WindowHandle Add(std::unique_ptr<SimWindow> window);
  void Remove(platform::WindowHandle handle) { windows_.erase(handle); }
  SimWindow* Find(platform::WindowHandle handle);
  const SimWindow* Find(platform::WindowHandle handle) const;
  std::map<platform::WindowHandle, std::unique_ptr<SimWindow>>& All() { return windows_; }

 private:
  std::map<platform::WindowHandle, std::unique_ptr<SimWindow>> windows_;
  platform::WindowHandle next_handle_ = 0x10010;
};

}  // namespace tarnwick::sim
