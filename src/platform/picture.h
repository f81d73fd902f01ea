#pragma once
// A loaded picture. The backend owns the native object; copies share it and the last copy
// frees it. An empty Picture shows nothing.
#include <cstdint>
#include <memory>

namespace tarnwick::platform {

// Pictures larger than this many pixels are refused as unloadable rather than exhausting memory
// (a 20 000 x 20 000 picture would need 1.6 GB as a bitmap).
inline constexpr long long kMaxPicturePixels = 64LL * 1024 * 1024;

class PictureData {
 public:
  virtual ~PictureData() = default;
  virtual int WidthPixels() const = 0;
  virtual int HeightPixels() const = 0;
};

class Picture {
 public:
  Picture() = default;
  explicit Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}
  bool Empty() const { return data_ == nullptr; }
  const PictureData* Data() const { return data_.get(); }
  int WidthPixels() const { return data_ ? data_->WidthPixels() : 0; }
  int HeightPixels() const { return data_ ? data_->HeightPixels() : 0; }

 private:
  std::shared_ptr<const PictureData> data_;
};

}  // namespace tarnwick::platform
