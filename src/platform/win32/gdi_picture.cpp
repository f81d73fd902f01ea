#include "platform/win32/gdi_picture.h"

#include <cstring>
#include <memory>

#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {

GdiPictureData::GdiPictureData(GdiBitmap bitmap, int width, int height)
    : bitmap_(std::move(bitmap)), width_(width), height_(height) {}

GdiPictureData::GdiPictureData(HICON icon, int width, int height)
    : icon_(icon), width_(width), height_(height) {}

GdiBitmap CreateTopDownDib(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return GdiBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

namespace {

GdiBitmap MakeColourBitmap(int width, int height, const std::vector<std::uint32_t>& argb) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = width;
  header.bV5Height = -height;  // top-down rows
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  WindowDc screen(nullptr);
  GdiBitmap bitmap(CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&header),
                                    DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap.Valid() && bits) std::memcpy(bits, argb.data(), argb.size() * sizeof(std::uint32_t));
  return bitmap;
}

}  // namespace

platform::Picture MakeIconPicture(int width, int height, const std::vector<std::uint32_t>& argb) {
  if (width <= 0 || height <= 0 || argb.size() != std::size_t(width) * std::size_t(height)) return {};
  GdiBitmap colour = MakeColourBitmap(width, height, argb);
  GdiBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
  ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
  HICON icon = colour.Valid() && mask.Valid() ? CreateIconIndirect(&info) : nullptr;
  if (!icon) return {};
  return platform::Picture(std::make_shared<GdiPictureData>(icon, width, height));
}

std::optional<platform::Picture> LoadGdiPictureFile(const std::string& path, bool icon) {
  const std::wstring wide = Utf8ToWide(path);
  HANDLE loaded = LoadImageW(nullptr, wide.c_str(), icon ? IMAGE_ICON : IMAGE_BITMAP, 0, 0,
                             LR_LOADFROMFILE | LR_DEFAULTSIZE);
  if (!loaded) return std::nullopt;
  if (icon) {
    const int size = GetSystemMetrics(SM_CXICON);
    return platform::Picture(std::make_shared<GdiPictureData>(static_cast<HICON>(loaded), size, size));
  }
  GdiBitmap bitmap(static_cast<HBITMAP>(loaded));
  BITMAP facts{};
  GetObjectW(bitmap.Get(), sizeof facts, &facts);
  return platform::Picture(
      std::make_shared<GdiPictureData>(std::move(bitmap), facts.bmWidth, facts.bmHeight));
}

}  // namespace tarnwick::win32
