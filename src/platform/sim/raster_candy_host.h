#pragma once
// A container for one candy button in the simulated platform: a raster surface, the classic
// colour table, pictures from files, and a call log of every notification and event.
#include <string>

#include "candy_button/control_host.h"
#include "platform/sim/call_log.h"
#include "platform/sim/raster_colours.h"
#include "platform/sim/raster_control_surface.h"
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

  void PropertyChanged(std::string_view property_name) override;
  bool AmbientUserMode() const override { return user_mode_; }
  platform::FontSpec AmbientFont() const override { return ambient_font_; }
  std::string ExtenderName() const override { return instance_name_; }
  platform::ControlSurface& Surface() override { return surface_; }
  const platform::ColourTranslator& Colours() const override { return colours_; }
  candy::PictureSource& Pictures() override { return pictures_; }
  void RaiseEvent(const candy::CandyEvent& event) override;

  void SetUserMode(bool user_mode) { user_mode_ = user_mode; }
  void SetAmbientFont(const platform::FontSpec& font) { ambient_font_ = font; }
  RasterControlSurface& Raster() { return surface_; }
  CallLog& Log() { return log_; }

 private:
  CallLog log_;
  ClassicColourTranslator colours_;
  FilePictureSource pictures_;
  RasterControlSurface surface_;
  std::string instance_name_;
  bool user_mode_ = true;
  platform::FontSpec ambient_font_;
};

}  // namespace tarnwick::sim
