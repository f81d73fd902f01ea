#pragma once
// GDI regions from the portable pixel regions.
#include "platform/pixel_region.h"
#include "platform/win32/gdi_objects.h"

namespace tarnwick::win32 {

// One rectangle per run; an empty region for an empty set.
GdiRegion MakeGdiRegion(const platform::PixelRegion& region);

}  // namespace tarnwick::win32
