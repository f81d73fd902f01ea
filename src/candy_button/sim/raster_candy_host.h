#pragma once
// A container for one candy button in the simulated platform: a raster surface whose window
// lives in a simulated window system (so the control can hook it and a test can send it
// messages), the classic colour table, pictures from files, and a call log of every
// notification and event. The window's own procedure delivers input messages to the
// attached control, as a container does.
#include <string>

#include "candy_button/control_host.h"
#include "candy_button/control_input.h"
#include "candy_button/sim/raster_control_surface.h"
#include "candy_button/sim/sim_window_procedures.h"
#include "candy_button/window_input.h"
#include "platform/sim/call_log.h"
#include "platform/sim/raster_colours.h"
#include "platform/sim/sim_pictures.h"

namespace tarnwick::sim {

// Loads pictures from files; the kind is Icon for ".ico" and ".png" files, Bitmap otherwise.
class FilePictureSource : public candy::PictureSource {
 public:
  explicit FilePictureSource(CallLog& log) : pictures_(log) {}
  std::optional<candy::ButtonPicture> Load(const std::string& source) override;

 private:
  SimPictures pictures_;
};

class RasterCandyHost : public candy::ControlHost {
 public:
  RasterCandyHost(int width, int height, std::string instance_name = "CandyButton1");
  // Destroys the window (its last messages pass its hooks) before anything else goes.
  ~RasterCandyHost() override;
  RasterCandyHost(const RasterCandyHost&) = delete;
  RasterCandyHost& operator=(const RasterCandyHost&) = delete;

  void PropertyChanged(std::string_view property_name) override;
  bool AmbientUserMode() const override { return user_mode_; }
  platform::FontSpec AmbientFont() const override { return ambient_font_; }
  std::string ExtenderName() const override { return instance_name_; }
  platform::ControlSurface& Surface() override { return surface_; }
  const platform::ColourTranslator& Colours() const override { return colours_; }
  candy::PictureSource& Pictures() override { return pictures_; }
  void RaiseEvent(const candy::CandyEvent& event) override;
  platform::MessageHookPort& Hooks() override { return procedures_; }

  void SetUserMode(bool user_mode) { user_mode_ = user_mode; }
  void SetAmbientFont(const platform::FontSpec& font) { ambient_font_ = font; }
  RasterControlSurface& Raster() { return surface_; }
  CallLog& Log() { return log_; }
  SimWindowProcedures& Procedures() { return procedures_; }
  // Where the window's own procedure delivers input; null delivers none.
  void AttachInput(candy::ControlInput* input) { input_ = input; }
  // Sends a message to the control's window, through its hooks. `shift` is the Shift/Ctrl/Alt
  // state the input notifications see.
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wparam = 0, std::intptr_t lparam = 0,
                     std::int16_t shift = 0);

 private:
  std::intptr_t OwnProcedure(const platform::WindowMessage& message);

  SimWindowProcedures procedures_;
  CallLog log_;
  ClassicColourTranslator colours_;
  FilePictureSource pictures_;
  RasterControlSurface surface_;
  std::string instance_name_;
  bool user_mode_ = true;
  platform::FontSpec ambient_font_;
  candy::ControlInput* input_ = nullptr;
  candy::WindowInput window_input_;
  std::int16_t shift_ = 0;
};

}  // namespace tarnwick::sim
