#include "platform/win32/parent_background.h"

namespace tarnwick::win32 {

void PaintParentBackground(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  if (parent == nullptr) return;
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  POINT previous{};
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

BufferedDc::BufferedDc(HDC target, const RECT& area)
    : target_(target), area_(area), memory_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)) {
  if (memory_.Get() == nullptr) bitmap_.Reset();
  if (!bitmap_.Valid()) return;
  previous_ = SelectObject(memory_.Get(), bitmap_.Get());
  SetViewportOrgEx(memory_.Get(), -area.left, -area.top, nullptr);
}

BufferedDc::~BufferedDc() {
  if (!bitmap_.Valid()) return;
  SetViewportOrgEx(memory_.Get(), 0, 0, nullptr);
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_.Get(), 0, 0,
         SRCCOPY);
  SelectObject(memory_.Get(), previous_);
}

}  // namespace tarnwick::win32
