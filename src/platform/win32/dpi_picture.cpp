#include "platform/win32/dpi_picture.h"

#include <cstring>
#include <memory>

#include "platform/common/picture_scaling.h"
#include "platform/win32/gdi_picture.h"

namespace tarnwick::win32 {
namespace {

// The bitmap's pixels as 32-bit premultiplied colours. A bitmap without an alpha channel (a
// .bmp loaded as it is) reads back with alpha 0 and is opaque.
std::optional<platform::PixelGrid> ReadPixels(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  platform::PixelGrid grid{width, height, std::vector<std::uint32_t>(std::size_t(width) * std::size_t(height))};
  WindowDc screen(nullptr);
  if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), grid.pixels.data(), &info, DIB_RGB_COLORS) != height) {
    return std::nullopt;
  }
  DIBSECTION section{};
  const bool has_alpha = GetObjectW(bitmap, sizeof section, &section) == sizeof section && section.dsBm.bmBitsPixel == 32;
  if (!has_alpha) {
    for (std::uint32_t& pixel : grid.pixels) pixel |= 0xFF000000u;
  }
  return grid;
}

}  // namespace

platform::Picture ResampledPicture(const platform::Picture& picture, int width, int height) {
  const auto* data = dynamic_cast<const GdiPictureData*>(picture.Data());
  if (data == nullptr || data->Bitmap() == nullptr) return {};
  const auto pixels = ReadPixels(data->Bitmap(), data->WidthPixels(), data->HeightPixels());
  if (!pixels) return {};
  const platform::PixelGrid scaled = platform::Resample(*pixels, width, height);
  if (scaled.pixels.empty()) return {};
  void* bits = nullptr;
  GdiBitmap bitmap = CreateTopDownDib(width, height, &bits);
  if (!bitmap.Valid() || bits == nullptr) return {};
  std::memcpy(bits, scaled.pixels.data(), scaled.pixels.size() * sizeof(std::uint32_t));
  return platform::Picture(std::make_shared<GdiPictureData>(std::move(bitmap), width, height));
}

const platform::Picture& DpiPicture::At(int dpi) {
  const auto* data = dynamic_cast<const GdiPictureData*>(source_.Data());
  if (dpi == platform::kDesignDpi || data == nullptr || data->Bitmap() == nullptr) return source_;
  auto found = scaled_.find(dpi);
  if (found == scaled_.end()) {
    platform::Picture scaled = ResampledPicture(source_, platform::ScaledLength(data->WidthPixels(), dpi),
                                                platform::ScaledLength(data->HeightPixels(), dpi));
    found = scaled_.emplace(dpi, scaled.Empty() ? source_ : std::move(scaled)).first;
  }
  return found->second;
}

}  // namespace tarnwick::win32
