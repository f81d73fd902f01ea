#pragma once
// Picture loading with the Windows Imaging Component: JPEG, PNG, BMP and GIF files, and the
// design pictures compiled into the program as RCDATA resources.
#include <wincodec.h>
#include <windows.h>

#include "platform/picture_port.h"
#include "platform/win32/com_support.h"
#include "platform/win32/scoped_handles.h"

namespace tarnwick::win32 {

class Win32Pictures final : public platform::PicturePort {
 public:
  // Needs COM initialised on this thread for as long as it lives.
  explicit Win32Pictures(HINSTANCE instance);
  std::optional<platform::Picture> LoadPicture(const std::string& path) override;
  platform::Picture LoadDesignPicture(platform::DesignPicture which, int offset = 0) override;

 private:
  std::optional<platform::Picture> Decode(IWICBitmapDecoder* decoder);

  HINSTANCE instance_;
  ComPtr<IWICImagingFactory> factory_;
};

}  // namespace tarnwick::win32
