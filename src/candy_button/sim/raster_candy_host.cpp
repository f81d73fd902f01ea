#include "candy_button/sim/raster_candy_host.h"


namespace tarnwick::sim {

std::optional<candy::ButtonPicture> FilePictureSource::Load(const std::string& source) {
  std::optional<platform::Picture> image = pictures_.LoadPicture(source);
  if (!image) return std::nullopt;
  const bool icon = source.ends_with(".ico") || source.ends_with(".png");
  return candy::ButtonPicture{std::move(*image),
                              icon ? platform::PictureKind::Icon : platform::PictureKind::Bitmap,
                              source};
}

RasterCandyHost::RasterCandyHost(int width, int height, std::string instance_name)
    : pictures_(log_), surface_(width, height, colours_, log_), instance_name_(std::move(instance_name)) {
  surface_.SetWindow(procedures_.CreateWindow(
      [this](const platform::WindowMessage& message) { return OwnProcedure(message); }));
}

RasterCandyHost::~RasterCandyHost() {
  input_ = nullptr;
  procedures_.DestroyWindow(surface_.Window());
}

std::intptr_t RasterCandyHost::Send(std::uint32_t message, std::uintptr_t wparam,
                                    std::intptr_t lparam, std::int16_t shift) {
  shift_ = shift;
  return procedures_.Send(surface_.Window(), message, wparam, lparam);
}

std::intptr_t RasterCandyHost::OwnProcedure(const platform::WindowMessage& message) {
  if (input_)
    window_input_.Deliver(*input_, message, surface_.InnerWidth(), surface_.InnerHeight(), shift_);
  return 0;
}

void RasterCandyHost::PropertyChanged(std::string_view property_name) {
  log_.Record("PropertyChanged", property_name);
}

void RasterCandyHost::RaiseEvent(const candy::CandyEvent& event) {
  log_.Record("RaiseEvent", static_cast<int>(event.id), event.button, event.shift,
                         event.x, event.y);
}

}  // namespace tarnwick::sim
