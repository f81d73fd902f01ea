#pragma once
// The side panel: folder tabs shown in its folder view, program buttons, the About box, and
// (full edition) the timers that grow it out of a small box and shrink it away again.
#include <functional>
#include <string>

#include "common/edition.h"
#include "config/config_reader.h"
#include "platform/platform.h"

namespace tarnwick::side_panel {

class FormM : public platform::WindowEvents {
 public:
  // `main_window_width` reads the main window's current width in twips (LE placement).
  FormM(platform::Platform& platform, Edition edition, std::function<float()> main_window_width);
  ~FormM() override;
  FormM(const FormM&) = delete;
  FormM& operator=(const FormM&) = delete;

  void Form_Load();
  // A close request; returns the cancel flag (true keeps the window).
  bool Form_Unload();
  void Image_Click(int n);
  void Image_MouseDown(int n);
  void Image_MouseUp(int n);
  void Timer0_Timer();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  // LE edition: the fixed spot the panel takes at each show.
  void PlaceAtFixedSpot(float panel_width);

  void Show();
  void StartTimer(int timer);
  // False once the window has been destroyed (LE edition close).
  bool Loaded() const { return window_ != platform::kNoWindow; }
  platform::WindowHandle Handle() const { return window_; }
  const std::string& configPath() const { return config_.Path(); }

 private:
  void OnClick(int control) override { Image_Click(control); }
  void OnMouseDown(int control, const platform::MouseArgs&) override { Image_MouseDown(control); }
  void OnMouseUp(int control, const platform::MouseArgs&) override { Image_MouseUp(control); }
  void OnTimer(int timer) override;
  bool OnUnload() override;

  void ApplyPictures();
  void OpenFolder(int tab);
  void StartProgram(int button);
  void StopTimer(int timer);
  float Get(platform::Dimension which) const;
  void Set(platform::Dimension which, float twips);
  // Top = screen height - 800 - the height read back.
  void KeepBottomMargin();

  platform::Platform& platform_;
  Edition edition_;
  std::function<float()> main_window_width_;
  config::ConfigFile config_;
  platform::WindowHandle window_ = platform::kNoWindow;
};

}  // namespace tarnwick::side_panel
