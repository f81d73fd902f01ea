#pragma once
// Drawing a loaded picture into a rectangle of a device context, for the launcher's own
// picture controls and window backgrounds.
#include <windows.h>

#include "platform/picture.h"

namespace tarnwick::win32 {

// Draws `picture` into `target` of `dc`: scaled to the rectangle when `stretch`, else at its
// natural size from the rectangle's top-left corner (clipped by the device context). Decoded
// pictures (32-bit with premultiplied alpha) are blended, other bitmaps copied, icons drawn
// with their masks. Pictures of another backend, or empty ones, draw nothing.
void DrawPicture(HDC dc, const platform::Picture& picture, const RECT& target, bool stretch);

}  // namespace tarnwick::win32
