#pragma once
// Window styles, layered opacity and the version query. SetLayeredWindowAttributes is looked
// up at run time, so a system without it reports the call as not made instead of refusing to
// start the program.
#include <windows.h>

#include "platform/window_style_port.h"

namespace tarnwick::win32 {

class Win32Styles final : public platform::WindowStylePort {
 public:
  Win32Styles();
  std::optional<std::int32_t> ReadWindowLong(platform::WindowHandle window, int index) override;
  bool WriteWindowLong(platform::WindowHandle window, int index, std::int32_t value) override;
  bool IsWindow(platform::WindowHandle window) override;
  bool SetLayeredWindowAttributes(platform::WindowHandle window, std::uint32_t color_key, std::uint8_t alpha,
                                  std::uint32_t flags) override;
  std::optional<platform::OsVersion> QueryVersion(std::uint32_t record_size) override;

 private:
  using SetLayeredFunction = BOOL(WINAPI*)(HWND window, COLORREF key, BYTE alpha, DWORD flags);
  SetLayeredFunction set_layered_ = nullptr;
};

}  // namespace tarnwick::win32
