#pragma once
// The launcher bar: construction and skin, the 24 launch buttons and the press frame of all
// 25, the docking timer, the tray icon and its menu, and exit.
#include <cstdint>
#include <functional>
#include <string>

#include "common/edition.h"
#include "config/config_reader.h"
#include "main_window/tray_icon_data.h"
#include "platform/platform.h"

namespace tarnwick::main_window {

// What the bar needs of the side panel: opening it from Image0 and unloading it at exit.
struct SidePanelLink {
  std::function<void()> open;                // Image0's click
  std::function<void()> unload_if_loaded;    // first step of the exit
};

class Form1 : public platform::WindowEvents {
 public:
  Form1(platform::Platform& platform, Edition edition, SidePanelLink side_panel = {});
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Construction: geometry, skin, tray icon, task list, caption removal.
  void Form_Load();
  void Show();

  // Button n (0..24): Image<n>_Click, Image<n>_MouseDown, Image<n>_MouseUp.
  void Image_Click(int n);
  void Image_MouseDown(int n);
  void Image_MouseUp(int n);
  void Timer1_Timer();
  void Form_MouseMove(const platform::MouseArgs& args);
  void mnuExit_Click();
  void Form_QueryUnload();

  platform::WindowHandle Handle() const { return window_; }
  const std::string& configPath() const { return config_.Path(); }
  // Whether a tray event is being handled (events arriving meanwhile are dropped), and the
  // mouse message of the last tray event.
  bool IsTrayBusy() const { return trayBusy; }
  std::int32_t LastTrayMessage() const { return trayMessage; }

 private:
  void OnClick(int control) override { Image_Click(control); }
  void OnMouseDown(int control, const platform::MouseArgs&) override { Image_MouseDown(control); }
  void OnMouseUp(int control, const platform::MouseArgs&) override { Image_MouseUp(control); }
  void OnFormMouseMove(const platform::MouseArgs& args) override { Form_MouseMove(args); }
  void OnTimer(int) override { Timer1_Timer(); }
  bool OnQueryUnload(int) override;
  bool OnUnload() override;

  void ApplyTransparency();
  void ApplySkin();
  void RemoveCaption();
  void TrayAdd();
  void RestoreFromTray();
  void Unload();

  platform::Platform& platform_;
  Edition edition_;
  SidePanelLink side_panel_;
  config::ConfigFile config_;
  std::array<std::uint8_t, kTipBytes> tip_;
  platform::WindowHandle window_ = platform::kNoWindow;
  bool trayBusy = false;
  std::int32_t trayMessage = 0;
  TrayIconData trayIconData;
};

}  // namespace tarnwick::main_window
