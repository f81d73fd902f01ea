#pragma once
// The main bar and its side panel, wired together: the bar's top button opens the panel, the
// bar's exit unloads it, and the panel places itself by the bar's width. The launcher and the
// skin tools' sandbox run the same wiring.
#include <functional>
#include <optional>

#include "common/edition.h"
#include "main_window/form1.h"
#include "platform/platform.h"
#include "side_panel/side_panel_host.h"

namespace tarnwick::app {

class BarAndPanel {
 public:
  // `before_panel_opens`, when given, runs at each click of the bar's top button, before the
  // panel opens.
  BarAndPanel(platform::Platform& platform, Edition edition, std::function<void()> before_panel_opens = {});
  BarAndPanel(const BarAndPanel&) = delete;
  BarAndPanel& operator=(const BarAndPanel&) = delete;

  // The bar, constructed and loaded at the first call.
  main_window::Form1& LoadBar();
  // The bar, or nullptr before LoadBar.
  main_window::Form1* Bar() { return bar_ ? &*bar_ : nullptr; }
  const main_window::Form1* Bar() const { return bar_ ? &*bar_ : nullptr; }
  side_panel::SidePanelHost& SidePanel() { return side_panel_; }
  const side_panel::SidePanelHost& SidePanel() const { return side_panel_; }

 private:
  float BarWidth() const;

  platform::Platform& platform_;
  Edition edition_;
  std::function<void()> before_panel_opens_;
  side_panel::SidePanelHost side_panel_;
  std::optional<main_window::Form1> bar_;  // goes before the panel it opens
};

}  // namespace tarnwick::app
