#include "candy_button/win32/gdi_colours.h"

#include <windows.h>
#include <olectl.h>

namespace tarnwick::win32 {

std::optional<platform::Colour> SystemColourTranslator::Translate(platform::Colour colour) const {
  COLORREF plain = 0;
  if (FAILED(OleTranslateColor(colour, nullptr, &plain))) return std::nullopt;
  return static_cast<platform::Colour>(plain);
}

}  // namespace tarnwick::win32
