#pragma once
// Owners of GDI objects, memory device contexts and icons (the Scoped family of
// scoped_handles.h), and the two scope guards of drawing: an object selected into a device
// context, and a window's device context, both given back when their owner ends.
#include <windows.h>

#include "platform/win32/scoped_handles.h"

namespace tarnwick::win32 {

// GDI objects freed with DeleteObject.
template <typename Handle>
struct GdiObjectTraits {
  using Value = Handle;
  static Value Empty() { return nullptr; }
  static void Free(Value object) { DeleteObject(object); }
};
struct MemoryDcTraits {  // device contexts made with CreateCompatibleDC
  using Value = HDC;
  static Value Empty() { return nullptr; }
  static void Free(Value dc) { DeleteDC(dc); }
};
struct IconTraits {
  using Value = HICON;
  static Value Empty() { return nullptr; }
  static void Free(Value icon) { DestroyIcon(icon); }
};

using GdiBrush = Scoped<GdiObjectTraits<HBRUSH>>;
using GdiPen = Scoped<GdiObjectTraits<HPEN>>;
using GdiRegion = Scoped<GdiObjectTraits<HRGN>>;
using GdiBitmap = Scoped<GdiObjectTraits<HBITMAP>>;
using GdiFont = Scoped<GdiObjectTraits<HFONT>>;
using MemoryDc = Scoped<MemoryDcTraits>;
using GdiIcon = Scoped<IconTraits>;

// An object selected into a device context until the end of the scope.
class GdiSelection {
 public:
  GdiSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~GdiSelection() {
    if (previous_) SelectObject(dc_, previous_);
  }
  GdiSelection(const GdiSelection&) = delete;
  GdiSelection& operator=(const GdiSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The device context of a window's client area, released at the end.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace tarnwick::win32
