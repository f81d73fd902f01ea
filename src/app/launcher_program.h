#pragma once
// The whole program: the splash, whose load handler runs the start-up, the main bar that the
// splash hands over to (constructed when first shown), and the side panel that the bar's top
// button opens.
#include "app/bar_and_panel.h"
#include "app/form_x.h"
#include "common/edition.h"
#include "platform/platform.h"

namespace tarnwick::app {

class LauncherProgram {
 public:
  LauncherProgram(platform::Platform& platform, Edition edition);
  LauncherProgram(const LauncherProgram&) = delete;
  LauncherProgram& operator=(const LauncherProgram&) = delete;

  // Runs the start-up. Afterwards the program either has ended or waits for events.
  void Start() { splash_.Form_Load(); }

  FormX& Splash() { return splash_; }
  // The main bar, or nullptr before the start-up handed over to it.
  main_window::Form1* MainWindow() { return windows_.Bar(); }
  side_panel::SidePanelHost& SidePanel() { return windows_.SidePanel(); }

 private:
  BarAndPanel windows_;
  FormX splash_;
};

}  // namespace tarnwick::app
