#pragma once
// A main window on the simulated platform, with helpers to write its config.ini and pictures.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "main_window/form1.h"
#include "platform/sim/test_double/sim_platform.h"

namespace tarnwick::main_window {

class Form1Test : public ::testing::Test {
 protected:
  void Construct(Edition edition = Edition::Full, SidePanelLink side_panel = {}) {
    form_ = std::make_unique<Form1>(sim_.Ports(), edition, std::move(side_panel));
    form_->Form_Load();
    form_->Show();
  }
  const sim::SimWindow& Window() const { return *sim_.Window(form_->Handle()); }
  int Pixels(platform::Dimension which) const {
    return static_cast<int>(*sim_.windows.GetDimension(form_->Handle(), which) / 15.0f);
  }
  // Delivers a tray event: a mouse move whose x in pixels is the mouse message's code.
  void TrayEvent(int message) { sim_.windows.MoveMouseOverForm(form_->Handle(), 15.0f * message, 0.0f); }

  sim::SimPlatform sim_;
  std::unique_ptr<Form1> form_;
};

}  // namespace tarnwick::main_window
