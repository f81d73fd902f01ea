#pragma once
// A container for one candy button on Windows: the button's window as its surface, the
// system's colour translation, pictures from .bmp and .ico files, and callbacks for property
// changes and events.
#include <functional>
#include <memory>
#include <string>

#include "candy_button/control_host.h"
#include "candy_button/win32/candy_window.h"
#include "candy_button/win32/gdi_colours.h"
#include "candy_button/win32/win32_message_hooks.h"

namespace tarnwick::win32 {

class FileGdiPictures : public candy::PictureSource {
 public:
  std::optional<candy::ButtonPicture> Load(const std::string& source) override;
};

class CandyWindowHost : public candy::ControlHost {
 public:
  CandyWindowHost(std::unique_ptr<CandyWindow> window, std::string instance_name)
      : window_(std::move(window)), instance_name_(std::move(instance_name)) {}

  void PropertyChanged(std::string_view name) override {
    if (on_property_changed) on_property_changed(name);
  }
  bool AmbientUserMode() const override { return true; }
  platform::FontSpec AmbientFont() const override { return {}; }
  std::string ExtenderName() const override { return instance_name_; }
  platform::ControlSurface& Surface() override { return *window_; }
  const platform::ColourTranslator& Colours() const override { return colours_; }
  candy::PictureSource& Pictures() override { return pictures_; }
  void RaiseEvent(const candy::CandyEvent& event) override {
    if (on_event) on_event(event);
  }
  platform::MessageHookPort& Hooks() override { return hooks_; }
  CandyWindow& Window() { return *window_; }

  std::function<void(std::string_view)> on_property_changed;
  std::function<void(const candy::CandyEvent&)> on_event;

 private:
  std::unique_ptr<CandyWindow> window_;
  std::string instance_name_;
  SystemColourTranslator colours_;
  FileGdiPictures pictures_;
  Win32MessageHooks hooks_;
};

}  // namespace tarnwick::win32
