#pragma once
// A plain window that stands in for the main launcher bar at the end of start-up, until the bar
// itself is built. It is created on first show, like the bar, and closing it ends the program
// (the splash stays loaded and hidden, so nothing else would).
#include "common/edition.h"
#include "platform/platform.h"

namespace tarnwick::entry {

class StandInMainWindow : public platform::WindowEvents {
 public:
  StandInMainWindow(platform::Platform& platform, Edition edition);
  ~StandInMainWindow() override;
  StandInMainWindow(const StandInMainWindow&) = delete;
  StandInMainWindow& operator=(const StandInMainWindow&) = delete;

  void Show();

 private:
  bool OnUnload() override;

  platform::Platform& platform_;
  Edition edition_;
  platform::WindowHandle window_ = platform::kNoWindow;
};

}  // namespace tarnwick::entry
