#pragma once
// The whole program: the splash, whose load handler runs the start-up, the main bar that the
// splash hands over to (constructed when first shown), and the side panel that the bar's top
// button opens.
#include <memory>
#include <optional>

#include "app/form_x.h"
#include "common/edition.h"
#include "main_window/form1.h"
#include "platform/platform.h"
#include "side_panel/side_panel_host.h"

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
  main_window::Form1* MainWindow() { return main_window_ ? &*main_window_ : nullptr; }
  side_panel::SidePanelHost& SidePanel() { return side_panel_; }

 private:
  void ShowMainWindow();
  float MainWindowWidth() const;

  platform::Platform& platform_;
  Edition edition_;
  side_panel::SidePanelHost side_panel_;
  std::optional<main_window::Form1> main_window_;
  FormX splash_;
};

}  // namespace tarnwick::app
