#include "platform/win32/twips_scale.h"

#include <windows.h>

#include "platform/win32/gdi_objects.h"

namespace tarnwick::win32 {

TwipsScale ScreenTwipsScale() {
  WindowDc screen(nullptr);
  const int dpi_x = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
  const int dpi_y = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  TwipsScale scale;
  if (dpi_x > 0) scale.per_pixel_x = 1440.0f / static_cast<float>(dpi_x);
  if (dpi_y > 0) scale.per_pixel_y = 1440.0f / static_cast<float>(dpi_y);
  return scale;
}

}  // namespace tarnwick::win32
