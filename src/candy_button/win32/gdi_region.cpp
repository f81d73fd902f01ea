#include "candy_button/win32/gdi_region.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tarnwick::win32 {

GdiRegion MakeGdiRegion(const platform::PixelRegion& region) {
  std::vector<RECT> rects;
  for (int y = 0; y < region.Height(); ++y)
    for (const platform::PixelRun& run : region.Row(y)) rects.push_back({run.left, y, run.right, y + 1});
  if (rects.empty()) return GdiRegion(CreateRectRgn(0, 0, 0, 0));
  std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  header->rcBound = {0, 0, 0, 0};
  for (const RECT& r : rects) {
    header->rcBound.right = std::max(header->rcBound.right, r.right);
    header->rcBound.bottom = std::max(header->rcBound.bottom, r.bottom);
  }
  std::memcpy(data.data() + sizeof(RGNDATAHEADER), rects.data(), rects.size() * sizeof(RECT));
  return GdiRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                   reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace tarnwick::win32
