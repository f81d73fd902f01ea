#pragma once
// Simulated picture loading: files are decoded on the host (JPEG, PNG, BMP, GIF) into RGBA
// pixels; design pictures are plain grey tiles of their design size (the drawn ones are compiled
// into the Windows programs).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/picture_port.h"
#include "platform/sim/call_log.h"

namespace tarnwick::sim {

class SimPictureData : public platform::PictureData {
 public:
  SimPictureData(int width, int height, std::vector<std::uint32_t> pixels, std::string source)
      : width_(width), height_(height), pixels_(std::move(pixels)), source_(std::move(source)) {}
  int WidthPixels() const override { return width_; }
  int HeightPixels() const override { return height_; }
  // 0xAABBGGRR, row by row from the top.
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
  // The file or design picture it came from, for tests.
  const std::string& Source() const { return source_; }

 private:
  int width_, height_;
  std::vector<std::uint32_t> pixels_;
  std::string source_;
};

class SimPictures : public platform::PicturePort {
 public:
  explicit SimPictures(CallLog& log) : log_(log) {}
  std::optional<platform::Picture> LoadPicture(const std::string& path) override;
  platform::Picture LoadDesignPicture(platform::DesignPicture which, int offset) override;

 private:
  CallLog& log_;
};

// The source a simulated picture came from ("" for an empty picture).
std::string PictureSource(const platform::Picture& picture);

}  // namespace tarnwick::sim
