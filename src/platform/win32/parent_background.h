#pragma once
// What lies behind a child window: its parent's background colour and picture, painted into the
// child's device context so that the transparent parts of a picture (GIF transparency, PNG alpha,
// icon masks) show the window behind them, as on a control without a window of its own.
#include <windows.h>

#include "platform/win32/gdi_objects.h"

namespace tarnwick::win32 {

// Paints the part of `child`'s parent that `child` covers into `dc`, the child's client-area
// device context, by letting the parent erase its background there.
void PaintParentBackground(HWND child, HDC dc);

// A memory bitmap of `area`'s size that receives a paint cycle's drawing and is copied to the
// target in one piece at the end, so a background drawn under a picture never flickers on screen.
class BufferedDc {
 public:
  BufferedDc(HDC target, const RECT& area);
  ~BufferedDc();
  BufferedDc(const BufferedDc&) = delete;
  BufferedDc& operator=(const BufferedDc&) = delete;
  // The device context to draw into: the memory bitmap, or the target when none could be made.
  HDC Get() const { return bitmap_.Valid() ? memory_.Get() : target_; }

 private:
  HDC target_;
  RECT area_;
  MemoryDc memory_;
  GdiBitmap bitmap_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace tarnwick::win32
