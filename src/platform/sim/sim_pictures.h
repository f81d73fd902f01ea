#pragma once
// Simulated picture loading: files are decoded on the host (JPEG, PNG, BMP, GIF, ICO) into RGBA
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

// What became of a picture file: loaded, or why the system's loaders would refuse it.
enum class PictureOutcome {
  NoFile,       // missing, a folder or another thing that is no readable regular file
  NotAPicture,  // no picture format the loaders know
  CutOff,       // the file ends before its picture does
  TooLarge,     // more than platform::kMaxPicturePixels pixels
  Undecodable,  // a known format whose data cannot be decoded
  Loaded,
};

struct PictureLoad {
  PictureOutcome outcome = PictureOutcome::NoFile;
  int width = 0, height = 0;  // from the file's header, when it has one
  std::optional<platform::Picture> picture;  // set only when Loaded
};

// Decodes a picture file's bytes as the system's loaders would take them. A picture of more
// than `max_pixels` pixels is refused as too large before it is decoded; a caller that decodes
// many pictures (a fuzzer) may ask for a smaller limit than the platform's.
PictureLoad DecodePictureBytes(const std::vector<unsigned char>& bytes, const std::string& source,
                               long long max_pixels = platform::kMaxPicturePixels);
// Loads a picture file as SimPictures::LoadPicture does, and says why when it fails.
PictureLoad LoadPictureFile(const std::string& path);

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
