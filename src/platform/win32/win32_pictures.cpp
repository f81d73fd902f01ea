#include "platform/win32/win32_pictures.h"

#include <memory>

#include "platform/win32/gdi_picture.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

constexpr int ResourceOf(platform::DesignPicture which) {
  return TARNWICK_IDR_DESIGN_PICTURE_BASE + static_cast<int>(which);
}
// The resource script holds one picture per entry of the build's list, the last one the About
// button's.
static_assert(static_cast<int>(platform::DesignPicture::PanelAboutButton) + 1 == TARNWICK_DESIGN_PICTURE_COUNT);

// The bytes of an RCDATA resource; they live as long as the module.
std::pair<const BYTE*, DWORD> FindResourceBytes(HINSTANCE instance, int id) {
  HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (resource == nullptr) return {nullptr, 0};
  HGLOBAL loaded = LoadResource(instance, resource);  // module memory: nothing to free
  if (loaded == nullptr) return {nullptr, 0};
  return {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(instance, resource)};
}

}  // namespace

Win32Pictures::Win32Pictures(HINSTANCE instance) : instance_(instance) {
  CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                   reinterpret_cast<void**>(factory_.Put()));
}

std::optional<platform::Picture> Win32Pictures::LoadPicture(const std::string& path) {
  if (!factory_) return std::nullopt;
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory_->CreateDecoderFromFilename(Utf8ToWide(path).c_str(), nullptr, GENERIC_READ,
                                                 WICDecodeMetadataCacheOnDemand, decoder.Put()))) {
    return std::nullopt;
  }
  return Decode(decoder.Get());
}

platform::Picture Win32Pictures::LoadDesignPicture(platform::DesignPicture which, int offset) {
  const auto [bytes, size] = FindResourceBytes(instance_, ResourceOf(which) + offset);
  if (bytes == nullptr || !factory_) return {};
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory_->CreateStream(stream.Put())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), size)) ||
      FAILED(factory_->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnLoad, decoder.Put()))) {
    return {};
  }
  return Decode(decoder.Get()).value_or(platform::Picture{});
}

std::optional<platform::Picture> Win32Pictures::Decode(IWICBitmapDecoder* decoder) {
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICBitmapSource> converted;
  UINT width = 0, height = 0;
  if (FAILED(decoder->GetFrame(0, frame.Put())) ||
      FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.Get(), converted.Put())) ||
      FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0 ||
      static_cast<long long>(width) * height > platform::kMaxPicturePixels) {
    return std::nullopt;
  }
  void* bits = nullptr;
  GdiBitmap bitmap = CreateTopDownDib(static_cast<int>(width), static_cast<int>(height), &bits);
  const UINT stride = width * 4;
  if (!bitmap.Valid() || FAILED(converted->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    return std::nullopt;
  }
  return platform::Picture(std::make_shared<GdiPictureData>(std::move(bitmap), static_cast<int>(width),
                                                            static_cast<int>(height)));
}

}  // namespace tarnwick::win32
