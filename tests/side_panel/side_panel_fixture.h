#pragma once
// A side panel opened through its host on the simulated platform (1280 x 800 pixels at 15
// twips each, main window 1335 twips wide), with helpers to read its geometry and timers.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/sim/test_double/sim_platform.h"
#include "side_panel/side_panel_host.h"

namespace tarnwick::side_panel {

inline constexpr float kScreenWidth = 1280 * 15, kScreenHeight = 800 * 15;
inline constexpr float kMainWidth = 1335;

class SidePanelTest : public ::testing::Test {
 protected:
  void WriteConfig(const std::string& tarnwick_section, const std::string& rest = "") {
    sim_.WriteProgramFile("config.ini", sim_.ansi.FromUtf8("[Tarnwick\u2122]\r\n" + tarnwick_section + rest));
  }
  void MakeHost(Edition edition) {
    host_ = std::make_unique<SidePanelHost>(sim_.Ports(), edition, [] { return kMainWidth; });
  }
  float Get(platform::Dimension which) const { return *sim_.windows.GetDimension(host_->Panel()->Handle(), which); }
  float Width() const { return Get(platform::Dimension::Width); }
  float Height() const { return Get(platform::Dimension::Height); }
  float Right() const { return Get(platform::Dimension::Left) + Width(); }
  float Bottom() const { return Get(platform::Dimension::Top) + Height(); }
  const sim::SimWindow& Panel() const { return *sim_.Window(host_->Panel()->Handle()); }
  bool TimerRunning(int timer) const { return Panel().timers.at(timer).interval_ms > 0; }
  // Runs the timers until none of the panel's is running (or `seconds` pass).
  void Animate(double seconds = 5.0) { sim_.app.RunFor(seconds); }

  sim::SimPlatform sim_;
  std::unique_ptr<SidePanelHost> host_;
};

}  // namespace tarnwick::side_panel
